#pragma once

#include <functional>

#include "forms/application.h"
#include "forms/control.h"

namespace tavi::frontends::qt {

// Where the widgets hand a person's actions to the model. Everything that arrives while the
// model is busy with a dispatch or the widgets are being brought in line is not a person's
// action and is dropped.
class InputSink {
 public:
  virtual ~InputSink() = default;

  // Runs one event of the application for an action on the control's widget, then brings the
  // widgets in line, that one included. False when the action was dropped.
  virtual bool deliver(forms::Control& source,
                       const std::function<void(forms::Application&)>& event) = 0;
  // A mouse press on a focusable control moves the model's focus there first; false when an
  // exit handler kept it elsewhere, which cancels the press.
  virtual bool focusForPress(forms::Control& control) = 0;
  // The keyboard moved the native focus to the control (Tab).
  virtual void focusByKeyboard(forms::Control& control) = 0;
};

}  // namespace tavi::frontends::qt
