#include "frontends/win32/picture_view.h"

namespace tavi::frontends::win32 {

namespace {

// A pixel of 0xAARRGGBB laid over an opaque background, as 0x00RRGGBB.
std::uint32_t over(std::uint32_t pixel, COLORREF background) {
  const std::uint32_t alpha = pixel >> 24;
  auto channel = [alpha](std::uint32_t top, std::uint32_t bottom) {
    return (top * alpha + bottom * (255 - alpha) + 127) / 255;
  };
  const std::uint32_t red = channel((pixel >> 16) & 0xFF, GetRValue(background));
  const std::uint32_t green = channel((pixel >> 8) & 0xFF, GetGValue(background));
  const std::uint32_t blue = channel(pixel & 0xFF, GetBValue(background));
  return (red << 16) | (green << 8) | blue;
}

}  // namespace

PictureView::PictureView(forms::Picture& picture, InputSink& input, GdiCache& gdi)
    : ControlView(picture, input, gdi), picture_(picture) {}

HWND PictureView::createNative(const NativeStart& start) {
  const DWORD tabStop = picture_.takesKeyboardFocus() ? WS_TABSTOP : 0;
  return createChild(L"STATIC", L"",
                     WS_CHILD | WS_CLIPSIBLINGS | SS_OWNERDRAW | SS_NOTIFY | tabStop, 0, start);
}

void PictureView::syncContent(const ViewStyle& /*style*/) {
  const LONG_PTR style = GetWindowLongPtrW(hwnd(), GWL_STYLE);
  const LONG_PTR wanted = picture_.takesKeyboardFocus()
                              ? style | WS_TABSTOP
                              : style & ~static_cast<LONG_PTR>(WS_TABSTOP);
  if (wanted != style) SetWindowLongPtrW(hwnd(), GWL_STYLE, wanted);
  compose();
}

void PictureView::repaint() {
  compose();
}

void PictureView::compose() {
  if (picture_.image() == shown_ && background() == shownBackground_) return;
  shown_ = picture_.image();
  shownBackground_ = background();
  pixels_.resize(shown_.pixels.size());
  for (std::size_t i = 0; i < pixels_.size(); ++i)
    pixels_[i] = over(shown_.pixels[i], background());
  if (synced()) InvalidateRect(hwnd(), nullptr, FALSE);
}

bool PictureView::draw(const DRAWITEMSTRUCT& item) {
  const RECT& area = item.rcItem;
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  if (shown_.empty()) {
    FillRect(item.hDC, &area, gdi().brush(background()));
    if (GetFocus() == hwnd()) DrawFocusRect(item.hDC, &area);
    return true;
  }
  BITMAPINFO format{};
  format.bmiHeader.biSize = sizeof format.bmiHeader;
  format.bmiHeader.biWidth = shown_.width;
  format.bmiHeader.biHeight = -shown_.height;  // rows from the top
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  format.bmiHeader.biCompression = BI_RGB;
  // Shrinking averages the pixels; enlarging keeps the cells of the strips sharp.
  const bool shrinking = width < shown_.width || height < shown_.height;
  SetStretchBltMode(item.hDC, shrinking ? HALFTONE : COLORONCOLOR);
  SetBrushOrgEx(item.hDC, 0, 0, nullptr);
  StretchDIBits(item.hDC, area.left, area.top, width, height, 0, 0, shown_.width, shown_.height,
                pixels_.data(), &format, DIB_RGB_COLORS, SRCCOPY);
  if (GetFocus() == hwnd()) DrawFocusRect(item.hDC, &area);
  return true;
}

LRESULT PictureView::dialogCode(LRESULT nativeCode, const MSG* message) {
  // Enter is the picture's action, not the window's default button.
  if (message != nullptr && message->message == WM_KEYDOWN && message->wParam == VK_RETURN) {
    return nativeCode | DLGC_WANTMESSAGE;
  }
  return nativeCode;
}

void PictureView::focusChanged() {
  if (picture_.takesKeyboardFocus()) InvalidateRect(hwnd(), nullptr, FALSE);
}

void PictureView::command(HWND /*child*/, UINT code) {
  if (code != STN_CLICKED) return;
  input().deliver(picture_, [this](forms::Application& app) { app.click(picture_); });
}

}  // namespace tavi::frontends::win32
