#include "frontends/win32/message_box.h"

#include <string_view>

#include "frontends/win32/work_area.h"

namespace tavi::frontends::win32 {

namespace {

constexpr const wchar_t* kCentredProperty = L"Tavi.Centred";

// Catches the box as it is first activated, before it is drawn, and centres it.
LRESULT CALLBACK centreHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE) {
    auto box = reinterpret_cast<HWND>(wParam);
    wchar_t windowClass[16] = {};
    GetClassNameW(box, windowClass, 16);
    if (std::wstring_view(windowClass) == L"#32770" && GetPropW(box, kCentredProperty) == nullptr) {
      SetPropW(box, kCentredProperty, box);
      centreInWorkArea(box, GetActiveWindow());
    }
  } else if (code == HCBT_DESTROYWND) {
    RemovePropW(reinterpret_cast<HWND>(wParam), kCentredProperty);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

int centredMessageBox(const std::wstring& text, const std::wstring& title, UINT type) {
  HWND active = GetActiveWindow();
  HHOOK hook = SetWindowsHookExW(WH_CBT, centreHook, nullptr, GetCurrentThreadId());
  const int answer =
      MessageBoxW(nullptr, text.c_str(), title.c_str(), type | MB_TASKMODAL | MB_SETFOREGROUND);
  if (hook != nullptr) UnhookWindowsHookEx(hook);
  // The window the person was at gets the keyboard back, as from a box it owned.
  if (active != nullptr && IsWindowVisible(active)) SetActiveWindow(active);
  return answer;
}

}  // namespace tavi::frontends::win32
