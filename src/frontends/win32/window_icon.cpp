#include "frontends/win32/window_icon.h"

#include "frontends/win32/dpi.h"

namespace tavi::frontends::win32 {

namespace {

UniqueIcon loadIcon(const std::filesystem::path& file, int size) {
  return UniqueIcon(static_cast<HICON>(
      LoadImageW(nullptr, file.c_str(), IMAGE_ICON, size, size, LR_LOADFROMFILE)));
}

}  // namespace

WindowIcons WindowIcons::load(const std::filesystem::path& file, int dpi) {
  WindowIcons icons;
  if (file.empty()) return icons;
  icons.large = loadIcon(file, systemMetric(SM_CXICON, dpi));
  icons.small = loadIcon(file, systemMetric(SM_CXSMICON, dpi));
  return icons;
}

void WindowIcons::apply(HWND window) const {
  SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(large.get()));
  SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small.get()));
}

}  // namespace tavi::frontends::win32
