#pragma once

#include <optional>

#include "forms/control.h"

class QKeyEvent;

namespace tavi::frontends::qt {

// The Windows virtual-key code of a pressed key, as the windows' key handlers expect it; none
// for keys that have no such code here (modifiers alone, most symbols).
std::optional<forms::Key> virtualKey(const QKeyEvent& event);

}  // namespace tavi::frontends::qt
