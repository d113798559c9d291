#pragma once

#include <windows.h>

#include <string>

#include "frontends/win32/native_text.h"
#include "frontends/win32/wide_text.h"

namespace tavi::frontends::win32::testing {

// What a native window shows as its text, in the model's UTF-8.
inline std::string shownText(HWND window) {
  return narrow(windowText(window));
}

inline bool isChecked(HWND button) {
  return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

inline int scrollPosition(HWND bar) {
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_POS;
  GetScrollInfo(bar, SB_CTL, &info);
  return info.nPos;
}

// A person's click with the left button on a window, through its own message handling.
inline void press(HWND window) {
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
  SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
}

// Typing one character into the window with the focus.
inline void type(HWND window, wchar_t character) {
  SendMessageW(window, WM_CHAR, character, 1);
}

}  // namespace tavi::frontends::win32::testing
