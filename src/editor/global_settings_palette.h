#pragma once

#include <array>

#include "forms/color.h"
#include "forms/geometry.h"
#include "forms/image.h"

namespace tavi::editor {

// The strip under the colour rows of the global settings window: item i of a row picks the
// colour of cell i. Cell 0, the default, means "no colour of its own" and shows a cross.
inline constexpr int kPaletteWidth = 445;
inline constexpr int kPaletteHeight = 32;
inline constexpr int kPaletteCells = 16;

// The colour of each cell; cell 0 is white under its black cross.
inline constexpr std::array<forms::Color, kPaletteCells> kPaletteColors = {
    forms::Color::rgb(255, 255, 255), forms::Color::rgb(146, 232, 250),
    forms::Color::rgb(213, 244, 247), forms::Color::rgb(99, 204, 254),
    forms::Color::rgb(0, 0, 255),     forms::Color::rgb(0, 128, 128),
    forms::Color::rgb(128, 128, 128), forms::Color::rgb(192, 192, 192),
    forms::Color::rgb(255, 255, 255), forms::Color::rgb(192, 220, 192),
    forms::Color::rgb(255, 251, 240), forms::Color::rgb(128, 128, 0),
    forms::Color::rgb(128, 0, 128),   forms::Color::rgb(0, 255, 0),
    forms::Color::rgb(255, 255, 0),   forms::Color::rgb(255, 0, 0),
};

// Where cell i lies in the strip; the cells share the width, about 28 pixels each.
forms::Rect paletteCell(int cell);

forms::Image paletteStrip();

}  // namespace tavi::editor
