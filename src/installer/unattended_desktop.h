#pragma once

#include "forms/desktop_services.h"
#include "installer/installation_log.h"

namespace tavi::installer {

// The desktop of a silent installation: nothing shows, the messages go to the log, and nothing
// is started that would open a window of its own (the driver's set-up, named in the log).
class UnattendedDesktop : public forms::DesktopServices {
 public:
  explicit UnattendedDesktop(InstallationLog& log) : log_(log) {}

  void showMessage(std::string_view text) override { log_.message(text); }
  // The installer asks nothing; a question nobody can answer is No.
  bool confirm(std::string_view text) override {
    log_.message(text);
    return false;
  }
  void showError(std::string_view text) override { log_.error(text); }
  void shellOpen(std::string_view target) override { log_.notOpened(target); }
  void processMessages() override {}
  void restoreApplication() override {}

 private:
  InstallationLog& log_;
};

}  // namespace tavi::installer
