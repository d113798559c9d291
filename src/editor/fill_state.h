#pragma once

#include <functional>
#include <optional>
#include <string>

#include "forms/desktop_services.h"

namespace tavi::editor {

// Whether a window's last fill read everything it shows. A fill stopped by a read error leaves
// design or stale values in the controls; writing those back would wipe the stored settings, so
// such a window refuses to save until a fill completes.
class FillState {
 public:
  // Runs the fill. An error that stops it is remembered and goes on to the general error box.
  void run(const std::function<void()>& fill);
  bool complete() const { return !failure_; }
  // True when the window may write; otherwise tells the user which file could not be read and
  // why, and that nothing was saved.
  bool allowsSave(forms::DesktopServices& desktop) const;

 private:
  std::optional<std::string> failure_;
};

}  // namespace tavi::editor
