#include "frontends/qt/event_loop.h"

#include <QApplication>
#include <QStyle>

#include "frontends/qt/renderer.h"

namespace tavi::frontends::qt {

void prepareApplication(QApplication& application) {
  if (QStyle* style = QApplication::setStyle(QStringLiteral("Fusion"))) {
    QApplication::setPalette(style->standardPalette());
  }
  application.setQuitOnLastWindowClosed(false);
}

int runEventLoop(Renderer& renderer) {
  forms::Application& app = renderer.app();
  if (app.terminated()) return 0;
  if (forms::Form* main = app.mainForm(); main != nullptr && !main->visible()) main->show();
  renderer.sync();
  return QApplication::exec();
}

}  // namespace tavi::frontends::qt
