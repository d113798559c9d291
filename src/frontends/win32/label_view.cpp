#include "frontends/win32/label_view.h"

#include "frontends/win32/native_text.h"
#include "frontends/win32/wide_text.h"

namespace tavi::frontends::win32 {

namespace {

DWORD alignmentStyle(const forms::Label& label) {
  switch (label.alignment()) {
    case forms::Alignment::Center:
      return SS_CENTER;
    case forms::Alignment::Right:
      return SS_RIGHT;
    case forms::Alignment::Left:
      break;
  }
  return label.wordWrap() ? SS_LEFT : SS_LEFTNOWORDWRAP;
}

constexpr DWORD kAlignmentStyles = SS_TYPEMASK;

}  // namespace

LabelView::LabelView(forms::Label& label, InputSink& input, GdiCache& gdi)
    : ControlView(label, input, gdi), label_(label) {}

HWND LabelView::createNative(const NativeStart& start) {
  return createChild(L"STATIC", widen(shownCaption()),
                     WS_CHILD | WS_CLIPSIBLINGS | SS_NOPREFIX | alignmentStyle(label_), 0, start);
}

SIZE LabelView::captionSize(HFONT font, const std::wstring& text, int width) const {
  return label_.wordWrap() ? gdi().text().wrappedExtent(font, text, width)
                           : gdi().text().extent(font, text);
}

void LabelView::syncContent(const ViewStyle& /*style*/) {
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(hwnd(), GWL_STYLE));
  const DWORD wanted = (style & ~kAlignmentStyles) | alignmentStyle(label_);
  if (style != wanted) {
    SetWindowLongPtrW(hwnd(), GWL_STYLE, static_cast<LONG_PTR>(wanted));
    InvalidateRect(hwnd(), nullptr, TRUE);
  }
  setWindowText(hwnd(), widen(shownCaption()));
}

}  // namespace tavi::frontends::win32
