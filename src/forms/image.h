#pragma once

#include <cstdint>
#include <vector>

namespace tavi::forms {

// A picture drawn by the program's own code; each front end shows the pixels as they are.
struct Image {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // 0xAARRGGBB, row by row from the top

  Image() = default;
  Image(int w, int h, std::uint32_t fill = 0xFF000000u)
      : width(w),
        height(h),
        pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), fill) {}

  std::uint32_t& at(int x, int y) { return pixels[static_cast<std::size_t>(y * width + x)]; }
  std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
  bool empty() const { return pixels.empty(); }
  friend bool operator==(const Image&, const Image&) = default;
};

}  // namespace tavi::forms
