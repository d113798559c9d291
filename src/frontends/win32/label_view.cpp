#include "frontends/win32/label_view.h"

#include "forms/label_fit.h"

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
  return createChild(L"STATIC", widen(label_.caption()),
                     WS_CHILD | WS_CLIPSIBLINGS | SS_NOPREFIX | alignmentStyle(label_), 0, start);
}

void LabelView::measure() {
  const std::wstring caption = widen(label_.caption());
  const forms::Rect& design = label_.rect();
  const Scale scale = this->scale();
  const int width = scale.px(design.right()) - scale.px(design.left);
  textSize_ = label_.wordWrap() ? gdi().text().wrappedExtent(font(), caption, width)
                                : gdi().text().extent(font(), caption);
}

void LabelView::syncContent(const ViewStyle& /*style*/) {
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(hwnd(), GWL_STYLE));
  const DWORD wanted = (style & ~kAlignmentStyles) | alignmentStyle(label_);
  if (style != wanted) {
    SetWindowLongPtrW(hwnd(), GWL_STYLE, static_cast<LONG_PTR>(wanted));
    InvalidateRect(hwnd(), nullptr, TRUE);
  }
  setWindowText(hwnd(), widen(label_.caption()));
  if (synced()) measure();
}

forms::Rect LabelView::placement(const forms::Rect& /*scaled*/) {
  const Scale scale = this->scale();
  return scale.rect(
      forms::fittedLabelRect(label_, scale.design(textSize_.cx), scale.design(textSize_.cy)));
}

}  // namespace tavi::frontends::win32
