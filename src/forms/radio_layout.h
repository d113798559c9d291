#pragma once

#include <vector>

#include "forms/controls.h"
#include "forms/geometry.h"

namespace tavi::forms {

// Where a radio group's items go, in design units inside the group's rectangle: below the
// caption's line the rows share the height evenly, what is left over split above and below;
// the columns, filled one after another, share the width inside the frame's margins.
// `lineHeight`: one line of the group's font.
std::vector<Rect> radioItemRects(const RadioGroup& group, int lineHeight);

}  // namespace tavi::forms
