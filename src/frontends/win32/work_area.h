#pragma once

#include <windows.h>

namespace tavi::frontends::win32 {

// Moves a window to the middle of the work area of the monitor that shows `reference`, the
// primary one when it shows nowhere. A window taller than the work area keeps its caption on
// the screen.
void centreInWorkArea(HWND window, HWND reference);

}  // namespace tavi::frontends::win32
