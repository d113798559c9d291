#pragma once

#include <functional>

#include "forms/application.h"
#include "forms/control.h"
#include "forms/form.h"

namespace tavi::forms {

// Where a front end's widgets hand a person's actions to the model. Whatever arrives while the
// model is busy with a dispatch or the widgets are being brought in line is not a person's
// action and is dropped (InputGate decides).
class InputSink {
 public:
  virtual ~InputSink() = default;

  // Runs one event of the application for an action on the control's widget, then brings the
  // widgets in line, that one included. False when the action was dropped.
  virtual bool deliver(Control& source, const std::function<void(Application&)>& event) = 0;
  // A mouse press on a focusable control moves the model's focus there first; false when an
  // exit handler kept it elsewhere, which cancels the press.
  virtual bool focusForPress(Control& control) = 0;
  // The keyboard moved the native focus to the control (Tab).
  virtual void focusByKeyboard(Control& control) = 0;
  // A key pressed in the control reaches the model; true when it then goes on to the native
  // control.
  virtual bool keyPressed(Control& control, Key key) = 0;
  // The window's frame asked to close it; the model decides.
  virtual void closeRequested(Form& form) = 0;
};

}  // namespace tavi::forms
