#include "frontends/win32/desktop.h"

#include <windows.h>

#include "forms/form.h"
#include "frontends/win32/message_box.h"
#include "frontends/win32/renderer.h"
#include "frontends/win32/wide_text.h"
#include "platform/platform.h"

namespace tavi::frontends::win32 {

Desktop::Desktop(const platform::Platform& platform, std::string_view title)
    : platform_(platform), title_(widen(title)) {}

int Desktop::box(std::string_view text, unsigned type) {
  if (renderer_ != nullptr) renderer_->sync();
  return centredMessageBox(widen(text), title_, type);
}

void Desktop::showMessage(std::string_view text) {
  box(text, MB_OK);
}

bool Desktop::confirm(std::string_view text) {
  return box(text, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void Desktop::showError(std::string_view text) {
  box(text, MB_OK | MB_ICONERROR);
}

void Desktop::shellOpen(std::string_view target) {
  platform_.shellOpen(target);
}

void Desktop::processMessages() {
  if (renderer_ == nullptr) return;
  renderer_->sync();
  renderer_->processPendingMessages();
}

void Desktop::restoreApplication() {
  if (renderer_ == nullptr) return;
  renderer_->restoreMainWindow();
}

}  // namespace tavi::frontends::win32
