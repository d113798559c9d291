#pragma once

#include <windows.h>

#include <string>

namespace tavi::frontends::win32 {

// The text a window shows.
std::wstring windowText(HWND window);
// Sets it only when it differs, so an unchanged caption neither flickers nor loses the caret.
void setWindowText(HWND window, const std::wstring& text);

}  // namespace tavi::frontends::win32
