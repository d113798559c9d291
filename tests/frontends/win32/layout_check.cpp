#include "layout_check.h"

#include <windows.h>

#include <algorithm>

#include "forms/accessibility.h"
#include "forms/caption_room.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "frontends/win32/control_view.h"
#include "frontends/win32/form_view.h"
#include "frontends/win32/native_text.h"
#include "frontends/win32/wide_text.h"

namespace tavi::frontends::win32::testing {

namespace {

struct Extent {
  int width = 0;
  int height = 0;
};

Extent measure(HWND window, const std::wstring& text) {
  HDC dc = GetDC(window);
  const HGDIOBJ previous =
      SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)));
  SIZE size{0, 0};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, previous);
  ReleaseDC(window, dc);
  return {size.cx, metrics.tmHeight};
}

// The window's place in its parent's client area.
RECT placeOf(HWND window) {
  RECT area;
  GetWindowRect(window, &area);
  MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&area), 2);
  return area;
}

bool intersects(const RECT& a, const RECT& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool empty(const RECT& r) {
  return r.right <= r.left || r.bottom <= r.top;
}

// A button's text as the person reads it: "&&" draws one "&".
std::wstring drawnText(const forms::Control& control, HWND window) {
  std::wstring text = windowText(window);
  if (control.kind() != forms::ControlKind::Button &&
      control.kind() != forms::ControlKind::CheckBox)
    return text;
  for (std::size_t at = text.find(L"&&"); at != std::wstring::npos; at = text.find(L"&&", at + 1))
    text.erase(at, 1);
  return text;
}

// What the control leaves for its text, in pixels.
int roomFor(const forms::Control& control, HWND window, const Extent& line) {
  RECT client;
  GetClientRect(window, &client);
  switch (control.kind()) {
    case forms::ControlKind::CheckBox:
      return client.right - (line.height + line.height / 2);
    case forms::ControlKind::Button:
      return client.right - 2 * GetSystemMetrics(SM_CXBORDER);
    case forms::ControlKind::Edit: {
      const auto margins = static_cast<DWORD>(SendMessageW(window, EM_GETMARGINS, 0, 0));
      return client.right - LOWORD(margins) - HIWORD(margins);
    }
    default:
      return client.right;
  }
}

// What a control covers: a label only its text, aligned in its rectangle; anything else all of
// its window.
RECT covered(const forms::Control& control, HWND window) {
  const RECT whole = placeOf(window);
  if (control.kind() != forms::ControlKind::Label) return whole;
  const auto& label = static_cast<const forms::Label&>(control);
  const std::wstring text = windowText(window);
  if (text.empty()) return {};
  if (label.wordWrap()) return whole;
  const int width = std::min<int>(whole.right - whole.left, measure(window, text).width);
  switch (label.alignment()) {
    case forms::Alignment::Left:
      return {whole.left, whole.top, whole.left + width, whole.bottom};
    case forms::Alignment::Right:
      return {whole.right - width, whole.top, whole.right, whole.bottom};
    case forms::Alignment::Center: {
      const int left = whole.left + ((whole.right - whole.left) - width) / 2;
      return {left, whole.top, left + width, whole.bottom};
    }
  }
  return whole;
}

}  // namespace

std::vector<std::string> layoutFaults(const FormView& window, const forms::Form& form) {
  std::vector<std::string> faults;
  struct Drawn {
    const forms::Control* control;
    HWND hwnd;
    RECT covers;
    RECT design;
  };
  std::vector<Drawn> drawn;
  for (const forms::Control* control : form.controls()) {
    if (!control->showing()) continue;
    const ControlView* view = window.widget(*control);
    if (view == nullptr || view->hwnd() == nullptr) continue;
    const forms::Rect d = window.scale().rect(control->rect());
    drawn.push_back({control, view->hwnd(), covered(*control, view->hwnd()),
                     RECT{d.left, d.top, d.right(), d.bottom()}});
  }
  for (const Drawn& item : drawn) {
    const std::string name = item.control->name();
    RECT parent;
    GetClientRect(GetParent(item.hwnd), &parent);
    if (!empty(item.covers) &&
        (item.covers.left < 0 || item.covers.top < 0 || item.covers.right > parent.right ||
         item.covers.bottom > parent.bottom)) {
      faults.push_back(name + " reaches outside its " +
                       (item.control->parent() != nullptr ? "panel" : "window"));
    }
    if (!forms::hasFittedCaption(*item.control)) continue;
    if (item.control->kind() == forms::ControlKind::Label &&
        static_cast<const forms::Label&>(*item.control).wordWrap())
      continue;
    const std::wstring text = drawnText(*item.control, item.hwnd);
    if (text.empty()) continue;
    const Extent extent = measure(item.hwnd, text);
    const int room = roomFor(*item.control, item.hwnd, extent);
    const std::string shown = narrow(text);
    if (extent.width > room) {
      faults.push_back(name + " shows \"" + shown + "\" cut off (" + std::to_string(extent.width) +
                       " of " + std::to_string(room) + " pixels)");
    }
    const std::string whole = forms::shownCaption(*item.control);
    if (shown != whole && !shown.ends_with(forms::kEllipsis)) {
      faults.push_back(name + " shows \"" + shown + "\" for \"" + whole + "\" without an ellipsis");
    }
  }
  for (std::size_t a = 0; a < drawn.size(); ++a) {
    for (std::size_t b = a + 1; b < drawn.size(); ++b) {
      const Drawn& one = drawn[a];
      const Drawn& other = drawn[b];
      if (one.control->parent() != other.control->parent()) continue;
      if (empty(one.covers) || empty(other.covers) || !intersects(one.covers, other.covers))
        continue;
      if (intersects(one.design, other.design)) continue;
      faults.push_back(one.control->name() + " covers " + other.control->name());
    }
  }
  return faults;
}

}  // namespace tavi::frontends::win32::testing
