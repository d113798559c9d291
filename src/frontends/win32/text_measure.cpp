#include "frontends/win32/text_measure.h"

namespace tavi::frontends::win32 {

SIZE textExtent(HWND window, HFONT font, const std::wstring& text) {
  SIZE size{0, 0};
  HDC dc = GetDC(window);
  HGDIOBJ previous = SelectObject(dc, font);
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, previous);
  ReleaseDC(window, dc);
  return size;
}

SIZE wrappedExtent(HWND window, HFONT font, const std::wstring& text, int width) {
  RECT area{0, 0, width, 0};
  HDC dc = GetDC(window);
  HGDIOBJ previous = SelectObject(dc, font);
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area,
            DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
  SelectObject(dc, previous);
  ReleaseDC(window, dc);
  return {area.right - area.left, area.bottom - area.top};
}

int lineHeight(HWND window, HFONT font) {
  TEXTMETRICW metrics{};
  HDC dc = GetDC(window);
  HGDIOBJ previous = SelectObject(dc, font);
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, previous);
  ReleaseDC(window, dc);
  return metrics.tmHeight;
}

}  // namespace tavi::frontends::win32
