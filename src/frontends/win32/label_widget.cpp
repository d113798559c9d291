#include "frontends/win32/label_widget.h"

#include "frontends/win32/native_text.h"
#include "frontends/win32/text_measure.h"
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

LabelWidget::LabelWidget(forms::Label& label, InputSink& input, GdiCache& gdi)
    : ControlWidget(label, input, gdi), label_(label) {}

HWND LabelWidget::createNative(const NativeStart& start) {
  return createChild(L"STATIC", widen(label_.caption()),
                     WS_CHILD | WS_CLIPSIBLINGS | SS_NOPREFIX | alignmentStyle(label_), 0, start);
}

void LabelWidget::measure(HWND parent) {
  textWidth_ = label_.wordWrap() ? 0 : textExtent(parent, font(), widen(label_.caption())).cx;
}

void LabelWidget::syncContent(const WidgetStyle& /*style*/) {
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(hwnd(), GWL_STYLE));
  const DWORD wanted = (style & ~kAlignmentStyles) | alignmentStyle(label_);
  if (style != wanted) {
    SetWindowLongPtrW(hwnd(), GWL_STYLE, static_cast<LONG_PTR>(wanted));
    InvalidateRect(hwnd(), nullptr, TRUE);
  }
  setWindowText(hwnd(), widen(label_.caption()));
  if (synced()) measure(hwnd());
}

forms::Rect LabelWidget::placement(const forms::Rect& scaled) {
  const int missing = textWidth_ - scaled.width;
  if (missing <= 0) return scaled;
  forms::Rect grown = scaled;
  grown.width = textWidth_;
  switch (label_.alignment()) {
    case forms::Alignment::Left:
      break;
    case forms::Alignment::Center:
      grown.left -= missing / 2;
      break;
    case forms::Alignment::Right:
      grown.left -= missing;
      break;
  }
  return grown;
}

}  // namespace tavi::frontends::win32
