#pragma once

#include <memory>

#include "frontends/qt/control_view.h"

class QWidget;

namespace tavi::frontends::qt {

// The view of a control's kind, its widget created as a child of `parent`.
std::unique_ptr<ControlView> makeView(forms::Control& control, QWidget& parent, InputSink& input);

}  // namespace tavi::frontends::qt
