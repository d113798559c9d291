#pragma once

#include "forms/image.h"

namespace tavi::editor {

// The main window's strip of four national flags, Czech, British, German and Russian, left to
// right, 153 x 23 pixels; a click on it opens the language window.
forms::Image drawFlagStrip();

}  // namespace tavi::editor
