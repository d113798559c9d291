#include "frontends/win32/native_text.h"

namespace tavi::frontends::win32 {

std::wstring windowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(window, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return text;
}

void setWindowText(HWND window, const std::wstring& text) {
  if (windowText(window) != text) SetWindowTextW(window, text.c_str());
}

}  // namespace tavi::frontends::win32
