// The installer with the system's own controls. Its current folder is the root
// of the installation medium.
#include <windows.h>

#include "frontends/win32/desktop.h"
#include "frontends/win32/program_arguments.h"
#include "frontends/win32/renderer.h"
#include "installer/installer.h"
#include "installer/setup_program.h"
#include "platform/platform.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  tavi::platform::Platform platform;
  // Help, the version and a silent installation open no window.
  tavi::frontends::win32::MessageBoxOutput boxes(L"setup");
  if (const auto exitCode = tavi::installer::runWithoutWindow(
          tavi::frontends::win32::programArguments(), tavi::command_line::SwitchStyle::Windows,
          platform, boxes)) {
    return *exitCode;
  }

  tavi::frontends::win32::Desktop desktop(platform, "setup");
  tavi::installer::Installer installer(platform, desktop);
  // Attached before the window exists, so that an installation that starts at once shows.
  tavi::frontends::win32::Renderer renderer(installer.app, platform);
  desktop.attach(&renderer);
  installer.start();
  return renderer.run();
}
