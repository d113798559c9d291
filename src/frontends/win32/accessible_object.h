#pragma once

#include <windows.h>

namespace tavi::frontends::win32 {

// Answers WM_GETOBJECT for a control's window: the system's own accessible object for the
// window, with the name and role that the control's model gives it. Screen readers read the
// name of a field or bar from it, where the window text would be the value or nothing at all.
LRESULT accessibleObject(HWND window, WPARAM flags);

}  // namespace tavi::frontends::win32
