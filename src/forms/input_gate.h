#pragma once

#include <functional>

#include "forms/application.h"
#include "forms/form.h"
#include "forms/raised_flag.h"

namespace tavi::forms {

// Decides, for both front ends, whether what a toolkit reports is a person's action that the
// model takes now. Dropped: whatever arrives while the front end brings its widgets in line
// (the toolkit reports its own updates as changes), while the handler of another action runs
// (a message box or a long handler lets the desktop deliver messages), and after the program
// ended.
class InputGate {
 public:
  explicit InputGate(Application& app) : app_(app) {}
  InputGate(const InputGate&) = delete;
  InputGate& operator=(const InputGate&) = delete;

  // Held while the front end brings its widgets in line with the model.
  [[nodiscard]] RaisedFlag syncing() { return RaisedFlag(syncing_); }
  bool isSyncing() const { return syncing_; }
  // A person's action is running its handler.
  bool busy() const { return busy_; }
  bool acceptsInput() const { return !syncing_ && !busy_ && !app_.terminated(); }

  // Runs a person's action when it is taken; false when it was dropped.
  bool act(const std::function<void()>& action);
  // A press on a control goes on to its widget only when the model's focus is there (an exit
  // handler may have kept it elsewhere) and input is taken now.
  bool pressGoesOn(const Control& control) const {
    return control.form().focused() == &control && acceptsInput();
  }
  // After its handler, a key goes on to the native control only while the control still holds
  // the model's focus and can be reached: a handler that moved the focus or took the control
  // away spent the key. A key that was dropped goes on as it came.
  bool keyGoesOn(const Control& control, bool delivered) const {
    return !delivered || (control.form().focused() == &control && control.showing() &&
                          control.enabled() && control.form().visible());
  }
  // The frame's close box is heard even while a handler runs: the model decides what closing
  // means then (the installer remembers it until it is done).
  bool closeWindow(Form& form);

 private:
  bool run(const std::function<void()>& action);

  Application& app_;
  bool syncing_ = false;
  bool busy_ = false;
};

}  // namespace tavi::forms
