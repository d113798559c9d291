// "Tavi Setting" on Linux: the settings editor drawn with Qt, on the Wine prefix's drive C:.
#include <QApplication>

#include "editor/editor.h"
#include "frontends/qt/event_loop.h"
#include "frontends/qt/qt_desktop.h"
#include "frontends/qt/renderer.h"
#include "platform/platform.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tavi Setting"));
  tavi::frontends::qt::prepareApplication(application);

  tavi::platform::Platform platform;
  tavi::frontends::qt::QtDesktop desktop(platform);
  // Creating the editor creates its windows and loads the main window.
  tavi::editor::Editor editor(platform, desktop);
  tavi::frontends::qt::Renderer renderer(editor.app, platform);
  desktop.attach(&renderer);
  return tavi::frontends::qt::runEventLoop(renderer);
}
