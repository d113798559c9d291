#include "tools/screenshot_desktop.h"

#include <iostream>

#include "tools/screenshot_front_end.h"

namespace tavi::tools {

void ScreenshotDesktop::processMessages() {
  if (drawn_ != nullptr) drawn_->processMessages();
  ++processed_;
  if (onProcessMessages) onProcessMessages(processed_);
}

void ScreenshotDesktop::note(std::string_view kind, std::string_view text) {
  std::cout << "  (" << kind << ": " << text << ")\n";
}

}  // namespace tavi::tools
