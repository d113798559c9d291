// "Tavi Setting" on Linux: the settings editor drawn with Qt, on the Wine prefix's drive C:.
#include <QApplication>
#include <string>
#include <vector>

#include "command_line/console_output.h"
#include "command_line/switches.h"
#include "editor/editor.h"
#include "frontends/qt/event_loop.h"
#include "frontends/qt/qt_desktop.h"
#include "frontends/qt/renderer.h"
#include "platform/platform.h"

int main(int argc, char** argv) {
  // The version needs no display.
  tavi::command_line::ConsoleOutput console;
  const std::vector<std::string> arguments(argv, argv + argc);
  if (const auto exitCode = tavi::command_line::answerVersion(
          tavi::command_line::withoutProgramName(arguments), tavi::command_line::SwitchStyle::Posix,
          "Tavi Setting", console)) {
    return *exitCode;
  }

  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tavi Setting"));
  tavi::frontends::qt::prepareApplication(application);

  tavi::platform::Platform platform;
  tavi::frontends::qt::QtDesktop desktop(platform);
  // Creating the editor creates its windows and loads the main window.
  tavi::editor::Editor editor(platform, desktop);
  tavi::frontends::qt::Renderer renderer(editor.app, platform);
  desktop.attach(&renderer);
  return renderer.run();
}
