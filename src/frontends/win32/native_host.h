#pragma once

#include <windows.h>

namespace tavi::frontends::win32 {

// A window of ours that holds controls: a form, a panel, a radio group. Its window procedure
// hands every message to the host object first.
class NativeHost {
 public:
  virtual ~NativeHost() = default;
  // Handles a message of the window; false leaves it to the default processing.
  virtual bool handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                             LRESULT& result) = 0;
};

inline constexpr const wchar_t* kFormWindowClass = L"Tavi.Form";
inline constexpr const wchar_t* kHostWindowClass = L"Tavi.Host";

// Registers the two window classes once per process; the form class carries the program's
// icon (resource 1), or the system's default when the program has none.
void registerWindowClasses();

// Creates a window of one of the two classes, bound to its host object, at `place` (left, top,
// width, height).
HWND createHostWindow(const wchar_t* windowClass, NativeHost& host, DWORD style, DWORD exStyle,
                      HWND parent, const wchar_t* title = L"", RECT place = {});

// Hands a notification that a child window sends its parent (command, scroll, colours,
// owner drawing) to the control that owns the child. False when no control owns it.
bool routeToControl(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

}  // namespace tavi::frontends::win32
