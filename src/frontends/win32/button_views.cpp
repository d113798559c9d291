#include "frontends/win32/button_views.h"

#include "frontends/win32/native_text.h"
#include "frontends/win32/wide_text.h"

namespace tavi::frontends::win32 {

namespace {}  // namespace

ButtonView::ButtonView(forms::Button& button, InputSink& input, GdiCache& gdi)
    : ControlView(button, input, gdi), button_(button) {}

HWND ButtonView::createNative(const NativeStart& start) {
  return createChild(L"BUTTON", buttonCaption(shownCaption()),
                     WS_CHILD | WS_TABSTOP | WS_CLIPSIBLINGS | BS_PUSHBUTTON, 0, start);
}

void ButtonView::syncContent(const ViewStyle& /*style*/) {
  setWindowText(hwnd(), buttonCaption(shownCaption()));
}

SIZE ButtonView::captionSize(HFONT font, const std::wstring& text, int /*width*/) const {
  // The face's frame line takes a pixel on either side; the focus rectangle may cross the text,
  // as it does in the design's one-letter buttons.
  const int edges = 2 * GetSystemMetrics(SM_CXBORDER);
  SIZE size = gdi().text().extent(font, text);
  size.cx += edges;
  return size;
}

void ButtonView::command(HWND /*child*/, UINT code) {
  if (code != BN_CLICKED) return;
  input().deliver(button_, [this](forms::Application& app) { app.click(button_); });
}

HBRUSH ButtonView::colors(HDC dc) {
  // Only the corners around the button's face show this: the colour of what lies beneath.
  SetBkColor(dc, parentBackground());
  return gdi().brush(parentBackground());
}

CheckBoxView::CheckBoxView(forms::CheckBox& box, InputSink& input, GdiCache& gdi)
    : ControlView(box, input, gdi), box_(box) {}

HWND CheckBoxView::createNative(const NativeStart& start) {
  return createChild(L"BUTTON", buttonCaption(shownCaption()),
                     WS_CHILD | WS_TABSTOP | WS_CLIPSIBLINGS | BS_CHECKBOX, 0, start);
}

void CheckBoxView::syncContent(const ViewStyle& /*style*/) {
  setWindowText(hwnd(), buttonCaption(shownCaption()));
  const WPARAM state = box_.checked() ? BST_CHECKED : BST_UNCHECKED;
  if (static_cast<WPARAM>(SendMessageW(hwnd(), BM_GETCHECK, 0, 0)) != state) {
    SendMessageW(hwnd(), BM_SETCHECK, state, 0);
  }
}

SIZE CheckBoxView::captionSize(HFONT font, const std::wstring& text, int /*width*/) const {
  // The box takes the height of a character, and the gap after it half a character more.
  const int line = gdi().text().lineHeight(font);
  SIZE size = gdi().text().extent(font, text);
  size.cx += line + line / 2;
  return size;
}

void CheckBoxView::command(HWND /*child*/, UINT code) {
  if (code != BN_CLICKED) return;
  input().deliver(box_, [this](forms::Application& app) { app.click(box_); });
}

}  // namespace tavi::frontends::win32
