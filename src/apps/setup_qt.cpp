// "setup" on Linux: the installer drawn with Qt. Its current folder is the root of the
// installation medium; it installs onto the Wine prefix's drive C:.
#include <QApplication>
#include <string>
#include <vector>

#include "command_line/console_output.h"
#include "frontends/qt/event_loop.h"
#include "frontends/qt/qt_desktop.h"
#include "frontends/qt/renderer.h"
#include "installer/installer.h"
#include "installer/setup_program.h"
#include "platform/platform.h"

int main(int argc, char** argv) {
  tavi::platform::Platform platform;
  // Help, the version and a silent installation need no display.
  tavi::command_line::ConsoleOutput console;
  const std::vector<std::string> arguments(argv, argv + argc);
  if (const auto exitCode = tavi::installer::runWithoutWindow(
          arguments, tavi::command_line::SwitchStyle::Posix, platform, console)) {
    return *exitCode;
  }

  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("setup"));
  tavi::frontends::qt::prepareApplication(application);

  tavi::frontends::qt::QtDesktop desktop(platform);
  tavi::installer::Installer installer(platform, desktop);
  // Attached before the window exists, so that an installation that starts at once shows.
  tavi::frontends::qt::Renderer renderer(installer.app, platform);
  desktop.attach(&renderer);
  installer.start();
  return renderer.run();
}
