#pragma once

#include "forms/application.h"
#include "forms/desktop_services.h"
#include "installer/setup_window.h"
#include "platform/platform.h"

namespace tavi::installer {

// The installer "setup": its application and its one window. Front ends and tests drive it
// through `app`. A front end attaches to `app` before `start`, so that an installation that
// starts at once shows its progress.
class Installer {
 public:
  Installer(platform::Platform& platform, forms::DesktopServices& desktop);
  Installer(const Installer&) = delete;
  Installer& operator=(const Installer&) = delete;

  // Creates the window, which finds out the language and, when a language file gives it,
  // installs at once and ends the program. Call it once.
  TForm1& start();
  // The same without the window: nothing is shown, and the installation starts at once.
  TForm1& startUnattended(const Unattended& run);

  forms::Application app;
  // The window, once started.
  TForm1* Form1 = nullptr;

 private:
  platform::Platform& platform_;
};

}  // namespace tavi::installer
