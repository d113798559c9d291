#pragma once

#include <string_view>

#include "forms/desktop_services.h"

namespace tavi::platform {
class Platform;
}

namespace tavi::frontends::qt {

class Renderer;

// The desktop services with Qt's boxes: modal, centred on the screen, titled with the program's
// name. Before each box and while pending messages are processed, the windows are brought in
// line with the model, so that the box appears over what the handler has shown so far.
class QtDesktop : public forms::DesktopServices {
 public:
  explicit QtDesktop(const platform::Platform& platform);

  // The renderer whose windows are synced; none while the program's windows are being created.
  void attach(Renderer* renderer) { renderer_ = renderer; }

  void showMessage(std::string_view text) override;
  bool confirm(std::string_view text) override;
  void showError(std::string_view text) override;
  void shellOpen(std::string_view target) override;
  void processMessages() override;
  void restoreApplication() override;

 private:
  void syncWindows();

  const platform::Platform& platform_;
  Renderer* renderer_ = nullptr;
};

}  // namespace tavi::frontends::qt
