#include "editor/own_preparations_list.h"

#include <unordered_set>

namespace tavi::editor {

std::vector<std::string_view> preparationItems(std::string_view text) {
  std::vector<std::string_view> items;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find("\r\n", start);
    if (end == std::string_view::npos) {
      items.push_back(text.substr(start));
      break;
    }
    items.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return items;
}

PreparationListCheck checkPreparationItems(const std::vector<std::string_view>& items) {
  PreparationListCheck check;
  // A set keeps a list of thousands of names quick; the verdict is that of comparing every
  // item with every later one.
  std::unordered_set<std::string_view> seen;
  seen.reserve(items.size());
  for (const std::string_view item : items) {
    if (item.empty()) {
      check.noEmpty = false;
    } else if (!seen.insert(item).second) {
      check.noRepeat = false;
    }
  }
  return check;
}

}  // namespace tavi::editor
