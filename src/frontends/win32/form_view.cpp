#include "frontends/win32/form_view.h"

#include <algorithm>

#include "forms/control.h"
#include "frontends/win32/control_tags.h"
#include "frontends/win32/dpi.h"
#include "frontends/win32/native_text.h"
#include "frontends/win32/view_factory.h"
#include "frontends/win32/wide_text.h"
#include "frontends/win32/work_area.h"
#include "platform/platform.h"

namespace tavi::frontends::win32 {

namespace {

// A window of fixed layout: no sizing border, no maximising.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_CONTROLPARENT;

}  // namespace

FormView::FormView(forms::Form& form, FormViewHost& host, GdiCache& gdi,
                   const platform::Platform& platform, HWND owner)
    : form_(form), host_(host), gdi_(gdi), platform_(platform), owner_(owner) {
  hwnd_ = createHostWindow(kFormWindowClass, *this, kStyle, kExStyle, owner);
  tagWindow(hwnd_, form_.name());
  toolTips_ = std::make_unique<ToolTips>(hwnd_);
  dpi_ = dpiOfWindow(hwnd_);
  scale_ = Scale{dpi_, form_.pixelsPerInch()};
}

FormView::~FormView() {
  if (hwnd_ != nullptr) DestroyWindow(hwnd_);
}

ControlView* FormView::widget(const forms::Control& control) const {
  auto found = byControl_.find(&control);
  return found != byControl_.end() ? found->second : nullptr;
}

void FormView::ensureViews() {
  std::vector<forms::Control*> fresh;
  for (forms::Control* control : form_.controls()) {
    if (!byControl_.contains(control)) fresh.push_back(control);
  }
  if (fresh.empty()) return;
  // The system puts a new child beneath its siblings, the design draws it above them. Only
  // what can lie on another is raised, so the tab order elsewhere stays the design's order; a
  // label may grow onto its neighbours to show its whole text. Made in the order that stacks
  // them so at once (the raised ones first, the last of them first), nothing has to move; a
  // panel comes before what it holds.
  const bool amongOthers = !widgets_.empty();
  std::vector<forms::Control*> order;
  for (auto it = fresh.rbegin(); it != fresh.rend(); ++it) {
    if (raised(**it)) order.push_back(*it);
  }
  for (forms::Control* control : fresh) {
    if (!raised(*control)) order.push_back(control);
  }
  std::stable_sort(
      order.begin(), order.end(),
      [](const forms::Control* a, const forms::Control* b) { return depth(*a) < depth(*b); });
  // Every view exists before any is placed: where a caption goes depends on its neighbours.
  const std::size_t first = widgets_.size();
  for (forms::Control* control : order) {
    auto made = makeView(*control, host_, gdi_);
    byControl_.emplace(control, made.get());
    widgets_.push_back(std::move(made));
  }
  rooms_ = fitCaptions();
  for (std::size_t i = first; i < widgets_.size(); ++i) {
    ControlView& created = *widgets_[i];
    const forms::Control& control = created.control();
    ControlView* parent = control.parent() != nullptr ? widget(*control.parent()) : nullptr;
    const COLORREF beneath = parent != nullptr ? parent->background() : background_;
    created.create(parent != nullptr ? parent->hwnd() : hwnd_,
                   ViewStyle{scale_, beneath, toolTips_.get()}, room(control));
  }
  // Controls added to a window that already has its widgets go above those.
  if (!amongOthers) return;
  for (forms::Control* control : fresh) {
    if (raised(*control)) {
      SetWindowPos(widget(*control)->hwnd(), HWND_TOP, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
  }
}

std::vector<forms::CaptionRoom> FormView::fitCaptions() {
  return forms::fitCaptions(form_, [this](const forms::Control& control, std::string_view text) {
    const ControlView* view = widget(control);
    if (view == nullptr) return forms::TextSize{control.rect().width, control.rect().height};
    const int width = scale_.px(control.rect().right()) - scale_.px(control.rect().left);
    const HFONT font = gdi_.font(control.font(), scale_);
    // Every sync fits the whole window again; the system measures each text once, in the
    // control's own window (before it exists, a field's margins are only estimated).
    if (view->hwnd() == nullptr) {
      const SIZE size = view->captionSize(font, widen(std::string(text)), width);
      return forms::TextSize{scale_.design(size.cx), scale_.design(size.cy)};
    }
    auto key = std::make_tuple(&control, font, width, std::string(text));
    auto known = measured_.find(key);
    if (known == measured_.end()) {
      known = measured_
                  .emplace(std::move(key), view->captionSize(font, widen(std::string(text)), width))
                  .first;
    }
    return forms::TextSize{scale_.design(known->second.cx), scale_.design(known->second.cy)};
  });
}

const forms::CaptionRoom& FormView::room(const forms::Control& control) const {
  const auto& controls = form_.controls();
  const auto at = std::find(controls.begin(), controls.end(), &control) - controls.begin();
  return rooms_[static_cast<std::size_t>(at)];
}

int FormView::depth(const forms::Control& control) {
  int levels = 0;
  for (const forms::Control* c = control.parent(); c != nullptr; c = c->parent())
    ++levels;
  return levels;
}

bool FormView::raised(const forms::Control& control) const {
  if (control.kind() == forms::ControlKind::Label) return true;
  const forms::Rect& mine = control.rect();
  for (const forms::Control* other : form_.controls()) {
    if (other == &control) break;
    if (other->parent() != control.parent()) continue;
    const forms::Rect& theirs = other->rect();
    if (mine.left < theirs.right() && theirs.left < mine.right() && mine.top < theirs.bottom() &&
        theirs.top < mine.bottom()) {
      return true;
    }
  }
  return false;
}

void FormView::sync(bool force) {
  scale_ = Scale{dpi_, form_.pixelsPerInch()};
  const bool rescaled = !syncedScale_ || *syncedScale_ != scale_;
  syncedScale_ = scale_;
  if (rescaled) measured_.clear();

  syncFrame(rescaled);
  syncIcon(rescaled);
  ensureViews();
  rooms_ = fitCaptions();
  for (const auto& w : widgets_) {
    const forms::Control& control = w->control();
    ControlView* parent = control.parent() != nullptr ? widget(*control.parent()) : nullptr;
    const COLORREF beneath = parent != nullptr ? parent->background() : background_;
    w->sync(ViewStyle{scale_, beneath, toolTips_.get()}, room(control), force);
  }
  syncVisibility();
  if (GetActiveWindow() == hwnd_) focusModelControl();
}

void FormView::syncFrame(bool rescaled) {
  setWindowText(hwnd_, widen(form_.caption()));

  const COLORREF background = colorRef(form_.color(), GetSysColor(COLOR_BTNFACE));
  if (background != background_) {
    background_ = background;
    // A window not yet shown is drawn whole when it shows.
    if (IsWindowVisible(hwnd_)) InvalidateRect(hwnd_, nullptr, TRUE);
  }

  const SIZE client{scale_.px(form_.clientWidth()), scale_.px(form_.clientHeight())};
  if (rescaled || client.cx != clientSize_.cx || client.cy != clientSize_.cy) {
    clientSize_ = client;
    resizeClient(client);
  }
}

void FormView::resizeClient(SIZE client) {
  // The frame as the system draws it now, which may differ from what the density promises.
  RECT outer;
  RECT inner;
  GetWindowRect(hwnd_, &outer);
  GetClientRect(hwnd_, &inner);
  int frameWidth = (outer.right - outer.left) - inner.right;
  int frameHeight = (outer.bottom - outer.top) - inner.bottom;
  if (inner.right == 0 && inner.bottom == 0) {
    const RECT framed = outerRectForClient({0, 0, 0, 0}, kStyle, kExStyle, dpi_);
    frameWidth = framed.right - framed.left;
    frameHeight = framed.bottom - framed.top;
  }
  SetWindowPos(hwnd_, nullptr, 0, 0, client.cx + frameWidth, client.cy + frameHeight,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  // A caption that wraps onto a second line changes the frame: measure once more.
  GetWindowRect(hwnd_, &outer);
  GetClientRect(hwnd_, &inner);
  if (inner.right != client.cx || inner.bottom != client.cy) {
    SetWindowPos(hwnd_, nullptr, 0, 0, (outer.right - outer.left) + client.cx - inner.right,
                 (outer.bottom - outer.top) + client.cy - inner.bottom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void FormView::syncIcon(bool rescaled) {
  if (!rescaled && iconFile_ == form_.iconFile()) return;
  iconFile_ = form_.iconFile();
  const std::filesystem::path file =
      iconFile_->empty() ? std::filesystem::path{} : platform_.nativePath(*iconFile_);
  icons_ = WindowIcons::load(file, dpi_);
  icons_.apply(hwnd_);
}

void FormView::syncVisibility() {
  if (!form_.visible()) {
    if (IsWindowVisible(hwnd_)) ShowWindow(hwnd_, SW_HIDE);
    return;
  }
  if (!placed_ || form_.centreRequests() != centreRequests_) {
    placed_ = true;
    centreRequests_ = form_.centreRequests();
    centreOnDesktop();
  }
  if (!IsWindowVisible(hwnd_)) ShowWindow(hwnd_, SW_SHOW);
  if (form_.showRequests() != showRequests_) {
    showRequests_ = form_.showRequests();
    if (IsIconic(hwnd_)) ShowWindow(hwnd_, SW_RESTORE);
    SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow(hwnd_);
  }
}

void FormView::centreOnDesktop() {
  centreInWorkArea(hwnd_, owner_ != nullptr ? owner_ : hwnd_);
}

void FormView::focusModelControl() {
  forms::Control* focused = form_.focused();
  ControlView* target = focused != nullptr ? widget(*focused) : nullptr;
  HWND native = target != nullptr && IsWindowVisible(target->focusTarget()) &&
                        IsWindowEnabled(target->focusTarget())
                    ? target->focusTarget()
                    : hwnd_;
  if (GetFocus() != native) SetFocus(native);
}

void FormView::dpiChanged(int dpi, const RECT& suggested) {
  dpi_ = dpi;
  host_.resync(*this);  // lays the controls out at the new density and sizes the window
  SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool FormView::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                             LRESULT& result) {
  switch (message) {
    case WM_CLOSE:
      host_.closeRequested(form_);
      result = 0;
      return true;
    case WM_ERASEBKGND: {
      RECT area;
      GetClientRect(window, &area);
      FillRect(reinterpret_cast<HDC>(wParam), &area, gdi_.brush(background_));
      result = TRUE;
      return true;
    }
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE && !IsIconic(window)) {
        host_.restoreFocus(*this);
        result = 0;
        return true;
      }
      return false;
    case WM_DPICHANGED:
      dpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      result = 0;
      return true;
    case WM_SYSCOLORCHANGE:
    case WM_THEMECHANGED:
      background_ = CLR_INVALID;
      host_.resync(*this);
      return false;
    default:
      return routeToControl(message, wParam, lParam, result);
  }
}

}  // namespace tavi::frontends::win32
