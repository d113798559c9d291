#pragma once

#include <QColor>
#include <QPalette>

#include "forms/color.h"

namespace tavi::frontends::qt {

// The colour to draw; the system colours come from the palette. Inherit gives an invalid
// colour: the widget shows what lies beneath it.
QColor toQColor(const forms::Color& color, const QPalette& palette);

}  // namespace tavi::frontends::qt
