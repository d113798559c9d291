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
  if (!renderer.app().start()) return 0;
  renderer.sync();
  return QApplication::exec();
}

}  // namespace tavi::frontends::qt
