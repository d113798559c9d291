#include "frontends/win32/native_host.h"

#include "frontends/win32/control_tags.h"
#include "frontends/win32/control_view.h"

namespace tavi::frontends::win32 {

namespace {

LRESULT CALLBACK hostProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
  }
  auto* host = reinterpret_cast<NativeHost*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message == WM_NCDESTROY) {
    untagWindow(window);
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    host = nullptr;
  }
  if (host != nullptr) {
    LRESULT result = 0;
    if (host->handleMessage(window, message, wParam, lParam, result)) return result;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void registerClass(const wchar_t* name, HICON icon, HICON smallIcon) {
  WNDCLASSEXW description{};
  description.cbSize = sizeof description;
  description.style = CS_DBLCLKS;
  description.lpfnWndProc = hostProcedure;
  description.hInstance = GetModuleHandleW(nullptr);
  description.hIcon = icon;
  description.hIconSm = smallIcon;
  description.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  description.lpszClassName = name;
  RegisterClassExW(&description);  // fails harmlessly when already registered
}

}  // namespace

void registerWindowClasses() {
  HINSTANCE program = GetModuleHandleW(nullptr);
  auto programIcon = [program](int size) {
    HANDLE icon = LoadImageW(program, MAKEINTRESOURCEW(1), IMAGE_ICON, size, size, LR_SHARED);
    return icon != nullptr ? static_cast<HICON>(icon) : LoadIconW(nullptr, IDI_APPLICATION);
  };
  registerClass(kFormWindowClass, programIcon(GetSystemMetrics(SM_CXICON)),
                programIcon(GetSystemMetrics(SM_CXSMICON)));
  registerClass(kHostWindowClass, nullptr, nullptr);
}

HWND createHostWindow(const wchar_t* windowClass, NativeHost& host, DWORD style, DWORD exStyle,
                      HWND parent, const wchar_t* title, RECT place) {
  return CreateWindowExW(exStyle, windowClass, title, style, place.left, place.top, place.right,
                         place.bottom, parent, nullptr, GetModuleHandleW(nullptr), &host);
}

bool routeToControl(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_COMMAND: {
      auto child = reinterpret_cast<HWND>(lParam);
      ControlView* widget = child != nullptr ? ControlView::of(child) : nullptr;
      if (widget == nullptr) return false;
      widget->command(child, HIWORD(wParam));
      result = 0;
      return true;
    }
    case WM_HSCROLL: {
      auto child = reinterpret_cast<HWND>(lParam);
      ControlView* widget = child != nullptr ? ControlView::of(child) : nullptr;
      if (widget == nullptr) return false;
      widget->scrolled(LOWORD(wParam), static_cast<short>(HIWORD(wParam)));
      result = 0;
      return true;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX: {
      ControlView* widget = ControlView::of(reinterpret_cast<HWND>(lParam));
      if (widget == nullptr) return false;
      HBRUSH brush = widget->colors(reinterpret_cast<HDC>(wParam));
      if (brush == nullptr) return false;
      result = reinterpret_cast<LRESULT>(brush);
      return true;
    }
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      ControlView* widget = ControlView::of(item.hwndItem);
      if (widget == nullptr || !widget->draw(item)) return false;
      result = TRUE;
      return true;
    }
    default:
      return false;
  }
}

}  // namespace tavi::frontends::win32
