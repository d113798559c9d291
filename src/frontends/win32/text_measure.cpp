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
