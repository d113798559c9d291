#include "frontends/qt/qt_desktop.h"

#include <QApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QWidget>

#include "frontends/qt/renderer.h"
#include "platform/platform.h"

namespace tavi::frontends::qt {

namespace {

// A box without an owner window: Qt centres it on the screen and makes it modal to the whole
// program.
QMessageBox::StandardButton ask(QMessageBox::Icon icon, std::string_view text,
                                QMessageBox::StandardButtons buttons,
                                QMessageBox::StandardButton byDefault) {
  QMessageBox box(icon, QApplication::applicationDisplayName(),
                  QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), buttons);
  box.setTextFormat(Qt::PlainText);
  box.setDefaultButton(byDefault);
  box.setWindowModality(Qt::ApplicationModal);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace

QtDesktop::QtDesktop(const platform::Platform& platform) : platform_(platform) {}

void QtDesktop::syncWindows() {
  if (renderer_ != nullptr) renderer_->sync();
}

void QtDesktop::showMessage(std::string_view text) {
  syncWindows();
  ask(QMessageBox::NoIcon, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool QtDesktop::confirm(std::string_view text) {
  syncWindows();
  return ask(QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) ==
         QMessageBox::Yes;
}

void QtDesktop::showError(std::string_view text) {
  syncWindows();
  ask(QMessageBox::Critical, text, QMessageBox::Ok, QMessageBox::Ok);
}

void QtDesktop::shellOpen(std::string_view target) {
  platform_.shellOpen(target);
}

void QtDesktop::processMessages() {
  syncWindows();
  // Repaints and window-system events only: a click taken here would start a second handler
  // inside the running one.
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void QtDesktop::restoreApplication() {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->isVisible() && window->isMinimized()) window->showNormal();
  }
}

}  // namespace tavi::frontends::qt
