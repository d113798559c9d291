#pragma once

#include <windows.h>

namespace tavi::frontends::win32 {

// Display scaling. The programs declare themselves per-monitor aware in their manifest; these
// use the per-monitor functions where Windows has them (10, version 1607 on) and the
// system-wide values elsewhere, so the programs still start on older systems.

// The pixels per inch of the monitor that shows the window.
int dpiOfWindow(HWND window);
// The system's pixels per inch (the primary monitor's).
int systemDpi();
// The outer rectangle of a window whose client area is `client`, at that density.
RECT outerRectForClient(const RECT& client, DWORD style, DWORD exStyle, int dpi);
// GetSystemMetrics at that density.
int systemMetric(int index, int dpi);

}  // namespace tavi::frontends::win32
