#pragma once

#include <vector>

#include "catalogue/product_index.h"
#include "editor/product_window_design.h"
#include "forms/geometry.h"

namespace tavi::editor {

// Where the controls of a selection window stand: the product boxes in their columns at the
// top, below them CheckVSE with Vse, then Uloz and Konec, with the document buttons at the right.
struct ProductWindowLayout {
  struct Box {
    catalogue::ProductIndex product;
    forms::Rect rect;
  };
  std::vector<Box> boxes;  // column by column, each column from the top
  forms::Rect checkAll;
  forms::Rect selectAll;
  forms::Rect save;
  forms::Rect close;
  forms::Rect fill;  // the hidden fill button
  forms::Rect document1;
  forms::Rect document2;
};

// Columns are as wide as their longest product name in any language needs, as far as the
// window's width allows; the rest of the width is shared out evenly.
ProductWindowLayout layOutProductWindow(const ProductWindowDesign& design);

}  // namespace tavi::editor
