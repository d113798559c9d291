#pragma once

#include <functional>

#include "forms/application.h"
#include "forms/control.h"
#include "forms/form.h"

namespace tavi::frontends::win32 {

// Where the native windows hand a person's actions to the model. Whatever arrives while the
// model is busy with a dispatch or the windows are being brought in line is not a person's
// action and is dropped.
class InputSink {
 public:
  virtual ~InputSink() = default;

  // Runs one event of the application for an action on the control's window, then brings the
  // windows in line, that one included. False when the action was dropped.
  virtual bool deliver(forms::Control& source,
                       const std::function<void(forms::Application&)>& event) = 0;
  // A mouse press on a focusable control moves the model's focus there first; false when an
  // exit handler kept it elsewhere, which cancels the press.
  virtual bool focusForPress(forms::Control& control) = 0;
  // The keyboard moved the native focus to the control (Tab, arrows).
  virtual void focusByKeyboard(forms::Control& control) = 0;
  // The window's frame asked to close it; the model decides.
  virtual void closeRequested(forms::Form& form) = 0;
};

}  // namespace tavi::frontends::win32
