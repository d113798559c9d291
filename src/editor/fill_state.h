#pragma once

#include <exception>
#include <functional>
#include <optional>

#include "forms/desktop_services.h"
#include "texts/language.h"

namespace tavi::editor {

// Whether a window's last fill read everything it shows. A fill stopped by a read error leaves
// design or stale values in the controls; writing those back would wipe the stored settings, so
// such a window refuses to save until a fill completes.
class FillState {
 public:
  // Runs the fill. An error that stops it is remembered and goes on to the general error box.
  void run(const std::function<void()>& fill);
  bool complete() const { return !failure_; }
  // True when the window may write; otherwise tells the user, in the language, which file could
  // not be read and why, and that nothing was saved.
  bool allowsSave(forms::DesktopServices& desktop, texts::LanguageIndex language) const;

 private:
  // The error that stopped the last fill; a null one when it stopped without a known error.
  std::optional<std::exception_ptr> failure_;
};

}  // namespace tavi::editor
