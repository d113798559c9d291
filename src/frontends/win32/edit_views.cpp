#include "frontends/win32/edit_views.h"

#include <string>

#include "forms/caption_room.h"
#include "frontends/win32/native_text.h"
#include "frontends/win32/wide_text.h"

namespace tavi::frontends::win32 {

namespace {

constexpr DWORD kEditStyle = WS_CHILD | WS_TABSTOP | WS_CLIPSIBLINGS;

// A field drawn as a caption has no sunken edge.
void syncBorder(HWND edit, bool border) {
  const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(edit, GWL_EXSTYLE));
  const DWORD wanted = border ? exStyle | WS_EX_CLIENTEDGE : exStyle & ~DWORD{WS_EX_CLIENTEDGE};
  if (wanted == exStyle) return;
  SetWindowLongPtrW(edit, GWL_EXSTYLE, static_cast<LONG_PTR>(wanted));
  SetWindowPos(edit, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void syncReadOnly(HWND edit, bool readOnly) {
  const bool nativeReadOnly = (GetWindowLongPtrW(edit, GWL_STYLE) & ES_READONLY) != 0;
  if (nativeReadOnly != readOnly) SendMessageW(edit, EM_SETREADONLY, readOnly ? TRUE : FALSE, 0);
}

bool isKey(const MSG* message, WPARAM key) {
  return message != nullptr && message->message == WM_KEYDOWN && message->wParam == key;
}

}  // namespace

EditView::EditView(forms::Edit& edit, InputSink& input, GdiCache& gdi)
    : ControlView(edit, input, gdi), edit_(edit) {}

HWND EditView::createNative(const NativeStart& start) {
  const DWORD readOnly = edit_.readOnly() ? ES_READONLY : 0;
  const DWORD border = edit_.border() ? WS_EX_CLIENTEDGE : 0;
  const bool caption = forms::hasFittedCaption(edit_);
  return createChild(L"EDIT", widen(caption ? shownCaption() : edit_.text()),
                     kEditStyle | ES_AUTOHSCROLL | readOnly, border, start);
}

void EditView::syncContent(const ViewStyle& /*style*/) {
  // A field drawn as a caption shows what the model lets it.
  const bool caption = forms::hasFittedCaption(edit_);
  setWindowText(hwnd(), widen(caption ? shownCaption() : edit_.text()));
  syncReadOnly(hwnd(), edit_.readOnly());
  syncBorder(hwnd(), edit_.border());
}

void EditView::command(HWND /*child*/, UINT code) {
  if (code != EN_CHANGE) return;
  std::string text = narrow(windowText(hwnd()));
  input().deliver(
      edit_, [this, &text](forms::Application& app) { app.changeText(edit_, std::move(text)); });
}

LRESULT EditView::dialogCode(LRESULT nativeCode, const MSG* message) {
  return isKey(message, VK_RETURN) ? nativeCode | DLGC_WANTMESSAGE : nativeCode;
}

SIZE EditView::captionSize(HFONT font, const std::wstring& text, int /*width*/) const {
  SIZE size = gdi().text().extent(font, text);
  // The field keeps its margins free inside its frame; before the window exists, the margins
  // of a field in that font are taken as a sixth of a line on either side, as the system's.
  if (hwnd() != nullptr) {
    const auto margins = static_cast<DWORD>(SendMessageW(hwnd(), EM_GETMARGINS, 0, 0));
    size.cx += LOWORD(margins) + HIWORD(margins);
  } else {
    size.cx += 2 * (gdi().text().lineHeight(font) / 6);
  }
  if (edit_.border()) size.cx += 2 * GetSystemMetrics(SM_CXEDGE);
  return size;
}

MemoView::MemoView(forms::Memo& memo, InputSink& input, GdiCache& gdi)
    : ControlView(memo, input, gdi), memo_(memo) {}

HWND MemoView::createNative(const NativeStart& start) {
  return createChild(L"EDIT", widen(memo_.text()),
                     kEditStyle | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL,
                     WS_EX_CLIENTEDGE, start);
}

void MemoView::syncContent(const ViewStyle& /*style*/) {
  // Rewriting an unchanged text would move the caret while the person types; the control
  // holds its breaks as CR LF, as the model does.
  if (narrow(windowText(hwnd())) == memo_.text()) return;
  SetWindowTextW(hwnd(), widen(memo_.text()).c_str());
}

void MemoView::command(HWND /*child*/, UINT code) {
  if (code != EN_CHANGE) return;
  const std::string text = narrow(windowText(hwnd()));
  input().deliver(memo_, [this, &text](forms::Application& app) { app.changeText(memo_, text); });
}

LRESULT MemoView::dialogCode(LRESULT nativeCode, const MSG* message) {
  if (isKey(message, VK_TAB)) return nativeCode & ~(DLGC_WANTALLKEYS | DLGC_WANTTAB);
  return nativeCode;
}

}  // namespace tavi::frontends::win32
