#include "forms/label_fit.h"

#include <algorithm>

namespace tavi::forms {

Rect fittedLabelRect(const Label& label, int textWidth, int textHeight) {
  Rect placed = label.rect();
  if (label.caption().empty()) return placed;
  placed.height = std::max(placed.height, textHeight);
  const int missing = textWidth - placed.width;
  if (label.wordWrap() || missing <= 0) return placed;
  placed.width = textWidth;
  switch (label.alignment()) {
    case Alignment::Left:
      break;
    case Alignment::Center:
      placed.left -= missing / 2;
      break;
    case Alignment::Right:
      placed.left -= missing;
      break;
  }
  return placed;
}

}  // namespace tavi::forms
