#include "frontends/win32/work_area.h"

#include <algorithm>

namespace tavi::frontends::win32 {

void centreInWorkArea(HWND window, HWND reference) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  GetMonitorInfoW(MonitorFromWindow(reference, MONITOR_DEFAULTTOPRIMARY), &info);
  RECT outer;
  GetWindowRect(window, &outer);
  const RECT& desk = info.rcWork;
  const int left = desk.left + (desk.right - desk.left - (outer.right - outer.left)) / 2;
  const int top = desk.top + (desk.bottom - desk.top - (outer.bottom - outer.top)) / 2;
  SetWindowPos(window, nullptr, left, std::max(top, static_cast<int>(desk.top)), 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace tavi::frontends::win32
