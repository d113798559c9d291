// "setup" on Linux: the installer drawn with Qt. Its current folder is the root of the
// installation medium; it installs onto the Wine prefix's drive C:.
#include <QApplication>

#include "frontends/qt/event_loop.h"
#include "frontends/qt/qt_desktop.h"
#include "frontends/qt/renderer.h"
#include "installer/installer.h"
#include "platform/platform.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("setup"));
  tavi::frontends::qt::prepareApplication(application);

  tavi::platform::Platform platform;
  tavi::frontends::qt::QtDesktop desktop(platform);
  tavi::installer::Installer installer(platform, desktop);
  // Attached before the window exists, so that an installation that starts at once shows.
  tavi::frontends::qt::Renderer renderer(installer.app, platform);
  desktop.attach(&renderer);
  installer.start();
  return tavi::frontends::qt::runEventLoop(renderer);
}
