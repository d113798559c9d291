#pragma once

#include "forms/controls.h"
#include "forms/geometry.h"

namespace tavi::forms {

// The rectangle a label is drawn in, in design units: it grows to show its whole text and
// never shrinks. A label on one line grows away from the edge its alignment holds (a centred
// one by half on either side) and downwards; a wrapping label keeps its width and grows
// downwards. `textWidth` and `textHeight`: what the text needs, on one line or wrapped at the
// label's width.
Rect fittedLabelRect(const Label& label, int textWidth, int textHeight);

}  // namespace tavi::forms
