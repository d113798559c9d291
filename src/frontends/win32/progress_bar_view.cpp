#include "frontends/win32/progress_bar_view.h"

#include <commctrl.h>

namespace tavi::frontends::win32 {

ProgressBarView::ProgressBarView(forms::ProgressBar& bar, InputSink& input, GdiCache& gdi)
    : ControlView(bar, input, gdi), bar_(bar) {}

HWND ProgressBarView::createNative(const NativeStart& start) {
  return createChild(PROGRESS_CLASSW, L"", WS_CHILD | WS_CLIPSIBLINGS, 0, start);
}

void ProgressBarView::syncContent(const ViewStyle& /*style*/) {
  PBRANGE range{};
  SendMessageW(hwnd(), PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
  if (range.iLow != 0 || range.iHigh != bar_.max()) {
    SendMessageW(hwnd(), PBM_SETRANGE32, 0, bar_.max());
  }
  if (static_cast<int>(SendMessageW(hwnd(), PBM_GETPOS, 0, 0)) != bar_.position()) {
    SendMessageW(hwnd(), PBM_SETPOS, static_cast<WPARAM>(bar_.position()), 0);
  }
}

}  // namespace tavi::frontends::win32
