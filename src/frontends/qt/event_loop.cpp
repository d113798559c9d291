#include "frontends/qt/event_loop.h"

#include <QApplication>
#include <memory>

#include "frontends/qt/design_style.h"

namespace tavi::frontends::qt {

void prepareApplication(QApplication& application) {
  // The application takes the style over and deletes it when it ends.
  auto style = std::make_unique<DesignStyle>();
  QApplication::setPalette(style->standardPalette());
  QApplication::setStyle(style.release());
  application.setQuitOnLastWindowClosed(false);
}

}  // namespace tavi::frontends::qt
