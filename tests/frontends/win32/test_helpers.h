#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

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

// The window's client area as drawn, pixel by pixel.
inline std::vector<std::uint32_t> capture(HWND window, int& width, int& height) {
  RECT area;
  GetClientRect(window, &area);
  width = area.right;
  height = area.bottom;
  BITMAPINFO format{};
  format.bmiHeader.biSize = sizeof format.bmiHeader;
  format.bmiHeader.biWidth = width;
  format.bmiHeader.biHeight = -height;
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  format.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HBITMAP bitmap = CreateDIBSection(screen, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC memory = CreateCompatibleDC(screen);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  PrintWindow(window, memory, PW_CLIENTONLY);
  std::vector<std::uint32_t> pixels(static_cast<const std::uint32_t*>(bits),
                                    static_cast<const std::uint32_t*>(bits) + width * height);
  SelectObject(memory, previous);
  DeleteDC(memory);
  DeleteObject(bitmap);
  ReleaseDC(nullptr, screen);
  for (auto& pixel : pixels)
    pixel &= 0xFFFFFF;
  return pixels;
}

}  // namespace tavi::frontends::win32::testing
