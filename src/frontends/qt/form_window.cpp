#include "frontends/qt/form_window.h"

#include <QCloseEvent>
#include <utility>

namespace tavi::frontends::qt {

// A secondary window is owned by the main window, so that it stays in front of it and shares
// its task bar entry.
FormWindow::FormWindow(std::function<void()> closeRequested, QWidget* owner)
    : QWidget(owner, Qt::Window), closeRequested_(std::move(closeRequested)) {}

void FormWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  closeRequested_();
}

}  // namespace tavi::frontends::qt
