#pragma once

#include <span>
#include <string_view>

#include "catalogue/product_index.h"
#include "editor/window_set.h"
#include "texts/text_table.h"

namespace tavi::editor {

// What tells one selection window from another; the 17 windows share one class.
struct ProductWindowDesign {
  std::string_view windowClass;    // "TForm<number>"
  std::string_view name;           // "Form<number>", the program-wide name of the instance
  std::string_view designCaption;  // the title before the first fill
  // The title looked up at every fill, followed by titleSuffix; 0 when the design caption is the
  // title in every language.
  texts::MessageNumber titleText;
  std::string_view titleSuffix;
  int clientWidth;
  int clientHeight;
  // The product boxes column by column, each column from the top.
  std::span<const std::span<const catalogue::ProductIndex>> columns;
  // Only two of the windows carry "Green food" in their text table.
  bool greenFoodText;
  // The Health Detox window has two buttons that open its documents.
  bool documentButtons;
  // Where the instance is published in the window set.
  TProductWindow* WindowSet::*instance;
};

// The 17 designs in the order in which the editor creates the windows (editor_windows.h).
std::span<const ProductWindowDesign> productWindowDesigns();
// The design of a window class ("TForm<number>"); throws std::invalid_argument for any other name.
const ProductWindowDesign& productWindowDesign(std::string_view windowClass);

}  // namespace tavi::editor
