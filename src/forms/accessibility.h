#pragma once

#include <string>

#include "forms/control.h"

namespace tavi::forms {

// What a person reads on the control: its caption, or the text of a field that the design
// draws as a caption (read-only, without a frame). Empty for every other control.
std::string shownCaption(const Control& control);

// The name a screen reader announces for the control: the design's own name where it gives
// one, else the caption of the label that the design puts beside it (a caption field beside
// its label shows a value), else its own caption, else the title of its window. An empty
// label stays nameless: it shows nothing yet.
std::string accessibleName(const Control& control);

// The kind of control a screen reader announces: its own, except that a picture standing for
// an action on the keyboard is a button.
ControlKind accessibleKind(const Control& control);

// The tooltip of a control, given whether its caption fits the control as the front end draws
// it: the whole caption of a button, check box or caption field that is cut; nothing else.
std::string toolTip(const Control& control, bool captionFits);

}  // namespace tavi::forms
