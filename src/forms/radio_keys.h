#pragma once

#include <optional>

#include "forms/control.h"
#include "forms/controls.h"

namespace tavi::forms {

// The item an arrow key chooses in a radio group: Up and Left the one before the chosen item,
// Down and Right the one after; the ends do not wrap, and with none chosen both start at the
// first. Nothing for other keys, which the group leaves to the window.
std::optional<int> itemForArrow(const RadioGroup& group, Key key);

}  // namespace tavi::forms
