#include "frontends/win32/dpi.h"

namespace tavi::frontends::win32 {

namespace {

// A function of user32 that older Windows lacks; nullptr there.
template <class Function>
Function user32Function(const char* name) {
  HMODULE user32 = GetModuleHandleW(L"user32.dll");
  if (user32 == nullptr) return nullptr;
  // Through the generic function type, which converts to any other without a warning.
  auto* generic = reinterpret_cast<void (*)()>(GetProcAddress(user32, name));
  return reinterpret_cast<Function>(generic);
}

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using AdjustWindowRectExForDpiFunction = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
using GetSystemMetricsForDpiFunction = int(WINAPI*)(int, UINT);

}  // namespace

int dpiOfWindow(HWND window) {
  static const auto getDpiForWindow = user32Function<GetDpiForWindowFunction>("GetDpiForWindow");
  if (getDpiForWindow != nullptr && window != nullptr) {
    const UINT dpi = getDpiForWindow(window);
    if (dpi > 0) return static_cast<int>(dpi);
  }
  return systemDpi();
}

int systemDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

RECT outerRectForClient(const RECT& client, DWORD style, DWORD exStyle, int dpi) {
  static const auto adjustForDpi =
      user32Function<AdjustWindowRectExForDpiFunction>("AdjustWindowRectExForDpi");
  RECT outer = client;
  if (adjustForDpi != nullptr) {
    adjustForDpi(&outer, style, FALSE, exStyle, static_cast<UINT>(dpi));
  } else {
    AdjustWindowRectEx(&outer, style, FALSE, exStyle);
  }
  return outer;
}

int systemMetric(int index, int dpi) {
  static const auto metricForDpi =
      user32Function<GetSystemMetricsForDpiFunction>("GetSystemMetricsForDpi");
  if (metricForDpi != nullptr) return metricForDpi(index, static_cast<UINT>(dpi));
  return GetSystemMetrics(index);
}

}  // namespace tavi::frontends::win32
