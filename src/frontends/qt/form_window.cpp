#include "frontends/qt/form_window.h"

#include <QCloseEvent>
#include <utility>

namespace tavi::frontends::qt {

// A secondary window is owned by the main window, so that it stays in front of it and shares
// its task bar entry.
FormWindow::FormWindow(std::function<void()> closedByFrame, QWidget* owner)
    : QWidget(owner, Qt::Window), closedByFrame_(std::move(closedByFrame)) {}

void FormWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  closedByFrame_();
}

}  // namespace tavi::frontends::qt
