#pragma once

#include <QRect>
#include <cmath>

#include "forms/geometry.h"

namespace tavi::frontends::qt {

// A window's design pixels (96 dpi) to the pixels it is drawn with: the window's own rescale
// (85 dpi shrinks it to 85/96). The display's scaling comes on top through Qt's device pixels.
struct Scale {
  double factor = 1.0;

  static Scale of(int pixelsPerInch) {
    return {static_cast<double>(pixelsPerInch) / forms::kDesignPixelsPerInch};
  }
  int px(int design) const { return static_cast<int>(std::lround(design * factor)); }
  // A measured size back in design pixels, rounded up so that nothing measured is cut.
  int design(int pixels) const { return static_cast<int>(std::ceil(pixels / factor - 1e-9)); }
  // Edges are scaled, not sizes, so that neighbouring controls stay flush.
  QRect rect(const forms::Rect& r) const {
    const int left = px(r.left);
    const int top = px(r.top);
    return {left, top, px(r.right()) - left, px(r.bottom()) - top};
  }
  friend bool operator==(const Scale&, const Scale&) = default;
};

}  // namespace tavi::frontends::qt
