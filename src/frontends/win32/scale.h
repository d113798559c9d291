#pragma once

#include <cmath>

#include "forms/geometry.h"

namespace tavi::frontends::win32 {

// A window's design pixels (96 dpi) to device pixels: the display's scaling where the window
// is (per monitor) times the window's own rescale (85 dpi shrinks it to 85/96).
struct Scale {
  int displayDpi = forms::kDesignPixelsPerInch;
  int pixelsPerInch = forms::kDesignPixelsPerInch;

  double factor() const {
    return static_cast<double>(displayDpi) * pixelsPerInch /
           (forms::kDesignPixelsPerInch * forms::kDesignPixelsPerInch);
  }
  int px(int design) const { return static_cast<int>(std::lround(design * factor())); }
  // A measured size back in design pixels, rounded up so that nothing measured is cut.
  int design(int pixels) const { return static_cast<int>(std::ceil(pixels / factor() - 1e-9)); }
  // Edges are scaled, not sizes, so that neighbouring controls stay flush.
  forms::Rect rect(const forms::Rect& r) const {
    const int left = px(r.left);
    const int top = px(r.top);
    return {left, top, px(r.right()) - left, px(r.bottom()) - top};
  }
  // The character height of a font of that point size, as LOGFONT wants it (negative).
  int fontHeight(int pointSize) const {
    return -static_cast<int>(std::lround(pointSize * static_cast<double>(displayDpi) *
                                         pixelsPerInch / (72.0 * forms::kDesignPixelsPerInch)));
  }
  friend bool operator==(const Scale&, const Scale&) = default;
};

}  // namespace tavi::frontends::win32
