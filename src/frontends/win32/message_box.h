#pragma once

#include <windows.h>

#include <string>

namespace tavi::frontends::win32 {

// A modal message box of the system, centred on the screen; every window of the program is
// disabled while it is open. Returns the button pressed (IDOK, IDYES, ...).
int centredMessageBox(const std::wstring& text, const std::wstring& title, UINT type);

}  // namespace tavi::frontends::win32
