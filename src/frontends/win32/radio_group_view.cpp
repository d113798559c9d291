#include "frontends/win32/radio_group_view.h"

#include <algorithm>

#include "forms/radio_keys.h"
#include "forms/radio_layout.h"
#include "frontends/win32/native_text.h"
#include "frontends/win32/wide_text.h"

namespace tavi::frontends::win32 {

RadioGroupView::RadioGroupView(forms::RadioGroup& group, InputSink& input, GdiCache& gdi)
    : ControlView(group, input, gdi), group_(group) {}

HWND RadioGroupView::createNative(const NativeStart& start) {
  const forms::Rect& r = start.rect;
  HWND container =
      createHostWindow(kHostWindowClass, *this, WS_CHILD | WS_CLIPSIBLINGS | start.state,
                       WS_EX_CONTROLPARENT, start.parent, L"", {r.left, r.top, r.width, r.height});
  frame_ =
      CreateWindowExW(0, L"BUTTON", buttonCaption(group_.caption()).c_str(),
                      WS_CHILD | WS_VISIBLE | BS_GROUPBOX | (start.state & WS_DISABLED), 0, 0,
                      r.width, r.height, container, nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(frame_, WM_SETFONT, reinterpret_cast<WPARAM>(font()), FALSE);
  return container;
}

HWND RadioGroupView::focusTarget() const {
  const int chosen = group_.itemIndex();
  if (chosen >= 0 && chosen < static_cast<int>(items_.size())) return items_[chosen];
  return items_.empty() ? hwnd() : items_.front();
}

void RadioGroupView::syncContent(const ViewStyle& /*style*/) {
  if (ControlView::of(frame_) == nullptr) adopt(frame_);
  setWindowText(frame_, buttonCaption(group_.caption()));

  const auto& captions = group_.items();
  while (items_.size() > captions.size()) {
    DestroyWindow(items_.back());
    items_.pop_back();
    placed_.pop_back();
  }
  const std::vector<RECT> places = itemPlaces();
  while (items_.size() < captions.size()) {
    // Made in its place with its caption: nothing moves before the group first shows.
    const int index = static_cast<int>(items_.size());
    const RECT where = items_.size() < places.size() ? places[items_.size()] : RECT{};
    const DWORD disabled = control().enabled() ? 0 : WS_DISABLED;
    HWND item = CreateWindowExW(0, L"BUTTON", buttonCaption(captions[items_.size()]).c_str(),
                                WS_CHILD | WS_VISIBLE | BS_RADIOBUTTON | disabled, where.left,
                                where.top, where.right, where.bottom, hwnd(), nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    adopt(item, index);
    SendMessageW(item, WM_SETFONT, reinterpret_cast<WPARAM>(font()), FALSE);
    items_.push_back(item);
    placed_.push_back(where);
  }
  for (std::size_t i = 0; i < items_.size(); ++i) {
    HWND item = items_[i];
    setWindowText(item, buttonCaption(captions[i]));
    const bool chosen = static_cast<int>(i) == group_.itemIndex();
    const WPARAM state = chosen ? BST_CHECKED : BST_UNCHECKED;
    if (static_cast<WPARAM>(SendMessageW(item, BM_GETCHECK, 0, 0)) != state) {
      SendMessageW(item, BM_SETCHECK, state, 0);
    }
    // The dialog navigation enters the group at its chosen item.
    LONG_PTR style = GetWindowLongPtrW(item, GWL_STYLE);
    const bool stop = item == focusTarget();
    const LONG_PTR wanted = (style & ~static_cast<LONG_PTR>(WS_TABSTOP | WS_GROUP)) |
                            (stop ? WS_TABSTOP : 0) | (i == 0 ? WS_GROUP : 0);
    if (style != wanted) SetWindowLongPtrW(item, GWL_STYLE, wanted);
  }
  // The items, their columns or the font may have changed.
  arrangeItems();
}

void RadioGroupView::applyGeometry(const forms::Rect& rect) {
  ControlView::applyGeometry(rect);
  arrangeItems();
}

void RadioGroupView::applyFont(HFONT font) {
  SendMessageW(frame_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  for (HWND item : items_)
    SendMessageW(item, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

void RadioGroupView::applyEnabled(bool enabled) {
  EnableWindow(hwnd(), enabled ? TRUE : FALSE);
  EnableWindow(frame_, enabled ? TRUE : FALSE);
  for (HWND item : items_)
    EnableWindow(item, enabled ? TRUE : FALSE);
}

void RadioGroupView::repaint() {
  RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

std::vector<RECT> RadioGroupView::itemPlaces() const {
  const Scale scale = this->scale();
  std::vector<RECT> places;
  for (const forms::Rect& design :
       forms::radioItemRects(group_, scale.design(gdi().text().lineHeight(font())))) {
    const forms::Rect place = scale.rect(design);
    places.push_back({place.left, place.top, place.width, place.height});
  }
  return places;
}

void RadioGroupView::arrangeItems() {
  RECT area;
  GetClientRect(hwnd(), &area);
  const SIZE size{area.right, area.bottom};
  RECT frame;
  GetWindowRect(frame_, &frame);
  if (frame.right - frame.left != size.cx || frame.bottom - frame.top != size.cy) {
    SetWindowPos(frame_, nullptr, 0, 0, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  const std::vector<RECT> places = itemPlaces();
  for (std::size_t i = 0; i < items_.size() && i < places.size(); ++i)
    place(i, places[i]);
}

void RadioGroupView::place(std::size_t index, const RECT& where) {
  RECT& placed = placed_[index];
  if (placed.left == where.left && placed.top == where.top && placed.right == where.right &&
      placed.bottom == where.bottom) {
    return;
  }
  placed = where;
  SetWindowPos(items_[index], nullptr, where.left, where.top, where.right, where.bottom,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

bool RadioGroupView::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                   LRESULT& result) {
  if (message == WM_ERASEBKGND) {
    RECT area;
    GetClientRect(window, &area);
    FillRect(reinterpret_cast<HDC>(wParam), &area, gdi().brush(background()));
    result = TRUE;
    return true;
  }
  return routeToControl(message, wParam, lParam, result);
}

LRESULT RadioGroupView::dialogCode(LRESULT nativeCode, const MSG* message) {
  // The model decides which item an arrow chooses, not the dialog navigation.
  const bool arrow = message != nullptr && message->message == WM_KEYDOWN &&
                     forms::itemForArrow(group_, static_cast<forms::Key>(message->wParam));
  return arrow ? nativeCode | DLGC_WANTARROWS : nativeCode;
}

bool RadioGroupView::keyPressed(forms::Key key) {
  const auto next = forms::itemForArrow(group_, key);
  if (!next) return false;
  if (*next != group_.itemIndex()) {
    const int index = *next;
    input().deliver(group_, [this, index](forms::Application& app) { app.choose(group_, index); });
  }
  return true;
}

void RadioGroupView::command(HWND child, UINT code) {
  if (code != BN_CLICKED) return;
  const auto found = std::find(items_.begin(), items_.end(), child);
  if (found == items_.end()) return;
  const int index = static_cast<int>(found - items_.begin());
  input().deliver(group_, [this, index](forms::Application& app) { app.choose(group_, index); });
}

}  // namespace tavi::frontends::win32
