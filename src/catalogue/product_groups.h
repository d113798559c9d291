#pragma once

#include <span>
#include <string>
#include <string_view>

#include "catalogue/product_index.h"

namespace tavi::catalogue {

// How a selection window names its product boxes: "DopButt57" or "CheckBox201".
enum class CheckBoxNaming { DopButt, CheckBox };

// A product group: one selection window and one row of four controls on the main window.
struct ProductGroup {
  // Name of the main window's open button, which also names the group.
  std::string_view key;
  // Class of the selection window that edits the group; said here alone.
  std::string_view window;
  // The group's products; window, select-all and both indicators all use this one set.
  std::span<const ProductIndex> products;
  CheckBoxNaming checkBoxes;
  // The main window's "•" button and its two read-only indicators.
  std::string_view selectAllButton;
  std::string_view allSelectedIndicator;
  std::string_view anySelectedIndicator;
  // False for the brands whose names are the same whatever the language, even an unknown one.
  bool namesFollowLanguage;
};

// The 17 groups in the order of the catalogue.
std::span<const ProductGroup> allGroups();
// The group with that key; nullptr when there is none.
const ProductGroup* findGroup(std::string_view key);
// The group that the selection window of that class ("TForm<number>") edits; nullptr for any other.
const ProductGroup* groupOfWindow(std::string_view windowClass);
// The group that holds the product; nullptr for an index that names no product.
const ProductGroup* groupOfProduct(ProductIndex index);
// True for the 294 indices in use; false in the gaps and outside 1..321.
bool isProduct(ProductIndex index);
// The name of the product's box in its group's window. Throws std::invalid_argument when the
// product is not in the group.
std::string checkBoxName(const ProductGroup& group, ProductIndex index);

}  // namespace tavi::catalogue
