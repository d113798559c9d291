#include "forms/input_gate.h"

namespace tavi::forms {

bool InputGate::act(const std::function<void()>& action) {
  if (!acceptsInput()) return false;
  return run(action);
}

bool InputGate::closeWindow(Form& form) {
  if (syncing_ || app_.terminated()) return false;
  return run([&] { app_.closeWindow(form); });
}

bool InputGate::run(const std::function<void()>& action) {
  const RaisedFlag busy(busy_);
  action();
  return true;
}

}  // namespace tavi::forms
