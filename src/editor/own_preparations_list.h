#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavi::editor {

// The items of the own-preparations list: the lines of the text between hard line breaks. A
// line break at the very end makes no empty last item; an empty text has no items.
std::vector<std::string_view> preparationItems(std::string_view text);

struct PreparationListCheck {
  bool noEmpty = true;   // no item is empty; a line of blanks is not empty
  bool noRepeat = true;  // no item, empty ones aside, comes twice, compared exactly
};

PreparationListCheck checkPreparationItems(const std::vector<std::string_view>& items);

}  // namespace tavi::editor
