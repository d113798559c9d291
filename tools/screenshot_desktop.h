#pragma once

#include <functional>
#include <string_view>

#include "forms/desktop_services.h"

namespace tavi::tools {

class DrawnApplication;

// The desktop of a screenshot run: no one is there to answer, so boxes are only noted (a
// question is answered No) and nothing is opened; pending messages are processed with the
// windows brought in line, and `onProcessMessages` may capture them then.
class ScreenshotDesktop : public forms::DesktopServices {
 public:
  void attach(DrawnApplication* drawn) { drawn_ = drawn; }

  void showMessage(std::string_view text) override { note("message", text); }
  bool confirm(std::string_view text) override {
    note("question (answered No)", text);
    return false;
  }
  void showError(std::string_view text) override { note("error", text); }
  void shellOpen(std::string_view target) override { note("would open", target); }
  void processMessages() override;
  void restoreApplication() override {}

  std::function<void(int calls)> onProcessMessages;

 private:
  void note(std::string_view kind, std::string_view text);

  DrawnApplication* drawn_ = nullptr;
  int processed_ = 0;
};

}  // namespace tavi::tools
