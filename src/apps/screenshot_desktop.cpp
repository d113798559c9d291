#include "apps/screenshot_desktop.h"

#include <QApplication>
#include <iostream>

#include "frontends/qt/renderer.h"

namespace tavi::apps {

void ScreenshotDesktop::processMessages() {
  if (renderer_ != nullptr) renderer_->sync();
  QApplication::processEvents();
  ++processed_;
  if (onProcessMessages) onProcessMessages(processed_);
}

void ScreenshotDesktop::note(std::string_view kind, std::string_view text) {
  std::cout << "  (" << kind << ": " << text << ")\n";
}

}  // namespace tavi::apps
