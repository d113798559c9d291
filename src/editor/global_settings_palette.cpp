#include "editor/global_settings_palette.h"

#include <algorithm>
#include <cstdint>

namespace tavi::editor {
namespace {

constexpr std::uint32_t kBlack = 0xFF000000u;
constexpr std::uint32_t kWhite = 0xFFFFFFFFu;

std::uint32_t pixel(const forms::Color& color) {
  return 0xFF000000u | (std::uint32_t{color.red} << 16) | (std::uint32_t{color.green} << 8) |
         std::uint32_t{color.blue};
}

// A line from one corner of the cell to the opposite one, two pixels wide so it reads as a
// cross when the strip is scaled down.
void diagonal(forms::Image& image, const forms::Rect& cell, bool falling) {
  const int steps = std::max(cell.width, cell.height);
  for (int step = 0; step < steps; ++step) {
    const int x = cell.left + step * (cell.width - 1) / (steps - 1);
    const int dy = step * (cell.height - 1) / (steps - 1);
    const int y = falling ? cell.top + dy : cell.bottom() - 1 - dy;
    image.at(x, y) = kBlack;
    if (x + 1 < cell.right()) image.at(x + 1, y) = kBlack;
  }
}

}  // namespace

forms::Rect paletteCell(int cell) {
  const int left = cell * kPaletteWidth / kPaletteCells;
  const int right = (cell + 1) * kPaletteWidth / kPaletteCells;
  return {left, 0, right - left, kPaletteHeight};
}

forms::Image paletteStrip() {
  forms::Image image(kPaletteWidth, kPaletteHeight, kWhite);
  for (int cell = 0; cell < kPaletteCells; ++cell) {
    const forms::Rect rect = paletteCell(cell);
    const std::uint32_t fill = pixel(kPaletteColors[static_cast<std::size_t>(cell)]);
    for (int y = rect.top; y < rect.bottom(); ++y) {
      for (int x = rect.left; x < rect.right(); ++x)
        image.at(x, y) = fill;
    }
  }
  const forms::Rect none = paletteCell(0);
  diagonal(image, none, true);
  diagonal(image, none, false);
  return image;
}

}  // namespace tavi::editor
