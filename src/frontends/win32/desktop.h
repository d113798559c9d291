#pragma once

#include <string>
#include <string_view>

#include "forms/desktop_services.h"

namespace tavi::platform {
class Platform;
}

namespace tavi::frontends::win32 {

class Renderer;

// The desktop services with the system's message boxes. Before every box and whenever pending
// messages are processed, the windows are brought in line with the model.
class Desktop final : public forms::DesktopServices {
 public:
  // `title`: the caption of the boxes, the program's name.
  Desktop(const platform::Platform& platform, std::string_view title);

  // The renderer that draws the application's windows; until then boxes show alone.
  void attach(Renderer* renderer) { renderer_ = renderer; }

  void showMessage(std::string_view text) override;
  bool confirm(std::string_view text) override;
  void showError(std::string_view text) override;
  void shellOpen(std::string_view target) override;
  void processMessages() override;
  void restoreApplication() override;

 private:
  int box(std::string_view text, unsigned type);

  const platform::Platform& platform_;
  std::wstring title_;
  Renderer* renderer_ = nullptr;
};

}  // namespace tavi::frontends::win32
