#include "editor/fill_state.h"

#include <exception>

namespace tavi::editor {

void FillState::run(const std::function<void()>& fill) {
  failure_ = "the window was not filled";
  try {
    fill();
    failure_.reset();
  } catch (const std::exception& error) {
    failure_ = error.what();
    throw;
  }
}

bool FillState::allowsSave(forms::DesktopServices& desktop) const {
  if (!failure_) return true;
  desktop.showError(*failure_ +
                    "\n\nNothing was saved: this window could not read the stored settings, and "
                    "saving it would overwrite them.");
  return false;
}

}  // namespace tavi::editor
