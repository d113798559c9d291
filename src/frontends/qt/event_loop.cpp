#include "frontends/qt/event_loop.h"

#include <QApplication>
#include <memory>

#include "frontends/qt/design_style.h"
#include "frontends/qt/renderer.h"

namespace tavi::frontends::qt {

void prepareApplication(QApplication& application) {
  // The application takes the style over and deletes it when it ends.
  auto style = std::make_unique<DesignStyle>();
  QApplication::setPalette(style->standardPalette());
  QApplication::setStyle(style.release());
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
