#include "frontends/win32/panel_view.h"

#include "frontends/win32/wide_text.h"

namespace tavi::frontends::win32 {

PanelView::PanelView(forms::Panel& panel, InputSink& input, GdiCache& gdi)
    : ControlView(panel, input, gdi), panel_(panel) {}

HWND PanelView::createNative(const NativeStart& start) {
  const forms::Rect& r = start.rect;
  return createHostWindow(
      kHostWindowClass, *this, WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | start.state,
      WS_EX_CONTROLPARENT, start.parent, L"", {r.left, r.top, r.width, r.height});
}

void PanelView::syncContent(const ViewStyle& /*style*/) {
  if (synced()) InvalidateRect(hwnd(), nullptr, TRUE);
}

bool PanelView::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                              LRESULT& result) {
  switch (message) {
    case WM_ERASEBKGND: {
      RECT area;
      GetClientRect(window, &area);
      FillRect(reinterpret_cast<HDC>(wParam), &area, gdi().brush(background()));
      result = TRUE;
      return true;
    }
    case WM_PAINT: {
      PAINTSTRUCT painting;
      HDC dc = BeginPaint(window, &painting);
      paint(dc);
      EndPaint(window, &painting);
      result = 0;
      return true;
    }
    default:
      return routeToControl(message, wParam, lParam, result);
  }
}

void PanelView::paint(HDC dc) const {
  RECT area;
  GetClientRect(hwnd(), &area);
  if (panel_.bevel()) {
    HGDIOBJ previousPen = SelectObject(dc, GetStockObject(DC_PEN));
    SetDCPenColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
    MoveToEx(dc, area.left, area.bottom - 1, nullptr);
    LineTo(dc, area.left, area.top);
    LineTo(dc, area.right - 1, area.top);
    SetDCPenColor(dc, GetSysColor(COLOR_BTNSHADOW));
    LineTo(dc, area.right - 1, area.bottom - 1);
    LineTo(dc, area.left, area.bottom - 1);
    SelectObject(dc, previousPen);
  }
  if (panel_.caption().empty()) return;
  std::wstring caption = widen(panel_.caption());
  HGDIOBJ previousFont = SelectObject(dc, font());
  SetTextColor(dc, panel_.enabled() ? textColor() : GetSysColor(COLOR_GRAYTEXT));
  SetBkMode(dc, TRANSPARENT);
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &area,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, previousFont);
}

}  // namespace tavi::frontends::win32
