#include "frontends/win32/scroll_bar_view.h"

#include <optional>

namespace tavi::frontends::win32 {

ScrollBarView::ScrollBarView(forms::ScrollBar& bar, InputSink& input, GdiCache& gdi)
    : ControlView(bar, input, gdi), bar_(bar) {}

HWND ScrollBarView::createNative(const NativeStart& start) {
  return createChild(L"SCROLLBAR", L"", WS_CHILD | WS_TABSTOP | WS_CLIPSIBLINGS | SBS_HORZ, 0,
                     start);
}

void ScrollBarView::syncContent(const ViewStyle& /*style*/) {
  SCROLLINFO shown{};
  shown.cbSize = sizeof shown;
  shown.fMask = SIF_RANGE | SIF_POS;
  GetScrollInfo(hwnd(), SB_CTL, &shown);
  if (shown.nMin == bar_.min() && shown.nMax == bar_.max() && shown.nPos == bar_.position()) return;
  SCROLLINFO wanted{};
  wanted.cbSize = sizeof wanted;
  wanted.fMask = SIF_RANGE | SIF_POS | SIF_PAGE;
  wanted.nMin = bar_.min();
  wanted.nMax = bar_.max();
  wanted.nPage = 0;
  wanted.nPos = bar_.position();
  SetScrollInfo(hwnd(), SB_CTL, &wanted, synced() ? TRUE : FALSE);
}

void ScrollBarView::scrolled(UINT code, int thumbPosition) {
  const int position = bar_.position();
  std::optional<int> wanted;
  switch (code) {
    case SB_LINELEFT:
      wanted = position - bar_.smallChange();
      break;
    case SB_LINERIGHT:
      wanted = position + bar_.smallChange();
      break;
    case SB_PAGELEFT:
      wanted = position - bar_.largeChange();
      break;
    case SB_PAGERIGHT:
      wanted = position + bar_.largeChange();
      break;
    case SB_LEFT:
      wanted = bar_.min();
      break;
    case SB_RIGHT:
      wanted = bar_.max();
      break;
    case SB_THUMBTRACK: {
      // The full 32-bit position while the thumb is dragged.
      SCROLLINFO track{};
      track.cbSize = sizeof track;
      track.fMask = SIF_TRACKPOS;
      wanted = GetScrollInfo(hwnd(), SB_CTL, &track) ? track.nTrackPos : thumbPosition;
      break;
    }
    case SB_THUMBPOSITION:
      wanted = thumbPosition;
      break;
    default:
      break;
  }
  if (!wanted) return;
  const int target = *wanted;
  input().deliver(bar_, [this, target](forms::Application& app) { app.scroll(bar_, target); });
}

}  // namespace tavi::frontends::win32
