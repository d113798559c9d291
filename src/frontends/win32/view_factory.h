#pragma once

#include <memory>

#include "forms/control.h"
#include "frontends/win32/control_view.h"

namespace tavi::frontends::win32 {

// The native widget for a control of any kind.
std::unique_ptr<ControlView> makeView(forms::Control& control, InputSink& input, GdiCache& gdi);

}  // namespace tavi::frontends::win32
