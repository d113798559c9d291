#pragma once

namespace tavi::forms {

// A control's place in its parent's client area, in pixels at the design density of 96 dpi.
struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  constexpr int right() const { return left + width; }
  constexpr int bottom() const { return top + height; }
  friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

inline constexpr int kDesignPixelsPerInch = 96;

}  // namespace tavi::forms
