#include "frontends/win32/control_view.h"

#include <commctrl.h>

#include "forms/accessibility.h"
#include "frontends/win32/accessible_object.h"
#include "frontends/win32/control_tags.h"
#include "frontends/win32/wide_text.h"

namespace tavi::frontends::win32 {

namespace {

constexpr const wchar_t* kViewProperty = L"Tavi.View";

// Sent to itself by a control that received the focus, so that the model hears of it once
// the native focus change is complete.
UINT focusArrivedMessage() {
  static const UINT message = RegisterWindowMessageW(L"Tavi.FocusArrived");
  return message;
}

}  // namespace

ControlView::ControlView(forms::Control& control, InputSink& input, GdiCache& gdi)
    : control_(control), input_(input), gdi_(gdi) {}

ControlView* ControlView::of(HWND window) {
  return static_cast<ControlView*>(GetPropW(window, kViewProperty));
}

void ControlView::create(HWND parent, const ViewStyle& style, const forms::CaptionRoom& room) {
  room_ = room;
  scale_ = style.scale;
  font_ = gdi_.font(control_.font(), style.scale);
  parentBackground_ = style.parentBackground;
  background_ = colorRef(control_.color(), inheritedBackground(style.parentBackground));
  textColor_ = colorRef(control_.font().color, GetSysColor(COLOR_WINDOWTEXT));
  rect_ = style.scale.rect(room.rect);
  enabled_ = control_.enabled();
  shown_ = control_.visible();
  const DWORD state = (shown_ ? WS_VISIBLE : 0) | (enabled_ ? 0 : WS_DISABLED);
  hwnd_ = createNative(NativeStart{parent, rect_, state});
  adopt(hwnd_);
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  syncContent(style);
  syncedRevision_ = control_.revision();
  if (style.toolTips != nullptr) {
    style.toolTips->set(hwnd_, widen(forms::toolTip(control_, room.whole)));
  }
}

SIZE ControlView::captionSize(HFONT font, const std::wstring& text, int /*width*/) const {
  return gdi_.text().extent(font, text);
}

HWND ControlView::createChild(const wchar_t* windowClass, const std::wstring& text, DWORD style,
                              DWORD exStyle, const NativeStart& start) {
  const forms::Rect& r = start.rect;
  return CreateWindowExW(exStyle, windowClass, text.c_str(), style | start.state, r.left, r.top,
                         r.width, r.height, start.parent, nullptr, GetModuleHandleW(nullptr),
                         nullptr);
}

void ControlView::adopt(HWND native, int item) {
  SetPropW(native, kViewProperty, this);
  tagWindow(native, control_.name(), item);
  SetWindowSubclass(native, watchProcedure, 1, reinterpret_cast<DWORD_PTR>(this));
}

void ControlView::sync(const ViewStyle& style, const forms::CaptionRoom& room, bool force) {
  if (hwnd_ == nullptr) return;
  bool contentDue = force || !syncedRevision_ || *syncedRevision_ != control_.revision() ||
                    !scale_ || *scale_ != style.scale || room.text != room_.text ||
                    room.whole != room_.whole;
  room_ = room;
  scale_ = style.scale;

  HFONT font = gdi_.font(control_.font(), style.scale);
  if (font != font_) {
    font_ = font;
    applyFont(font);
    contentDue = true;
  }
  const COLORREF background =
      colorRef(control_.color(), inheritedBackground(style.parentBackground));
  const COLORREF text = colorRef(control_.font().color, GetSysColor(COLOR_WINDOWTEXT));
  const bool recoloured = background != background_ || text != textColor_ ||
                          style.parentBackground != parentBackground_;
  background_ = background;
  parentBackground_ = style.parentBackground;
  textColor_ = text;

  if (contentDue) {
    syncContent(style);
    syncedRevision_ = control_.revision();
  }
  const forms::Rect rect = style.scale.rect(room.rect);
  const bool moved = rect != rect_;
  if (moved) {
    rect_ = rect;
    applyGeometry(rect);
  }
  if ((contentDue || moved) && style.toolTips != nullptr) {
    style.toolTips->set(hwnd_, widen(forms::toolTip(control_, room.whole)));
  }
  if (control_.enabled() != enabled_) {
    enabled_ = control_.enabled();
    applyEnabled(enabled_);
  }
  if (control_.visible() != shown_) {
    shown_ = control_.visible();
    ShowWindow(hwnd_, shown_ ? SW_SHOWNA : SW_HIDE);
  }
  if (recoloured) repaint();
}

void ControlView::applyGeometry(const forms::Rect& rect) {
  SetWindowPos(hwnd_, nullptr, rect.left, rect.top, rect.width, rect.height,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void ControlView::applyFont(HFONT font) {
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

void ControlView::applyEnabled(bool enabled) {
  EnableWindow(hwnd_, enabled ? TRUE : FALSE);
}

void ControlView::repaint() {
  InvalidateRect(hwnd_, nullptr, TRUE);
}

HBRUSH ControlView::colors(HDC dc) {
  SetTextColor(dc, textColor_);
  SetBkColor(dc, background_);
  return gdi_.brush(background_);
}

LRESULT CALLBACK ControlView::watchProcedure(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam, UINT_PTR id, DWORD_PTR self) {
  auto& widget = *reinterpret_cast<ControlView*>(self);
  forms::Control& control = widget.control_;
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (control.canFocus() && !widget.input_.focusForPress(control)) return 0;
      break;
    case WM_SETFOCUS:
      widget.focusChanged();
      if (control.takesKeyboardFocus()) PostMessageW(window, focusArrivedMessage(), 0, 0);
      break;
    case WM_KILLFOCUS:
      widget.focusChanged();
      break;
    case WM_KEYDOWN:
      if (control.takesKeyboardFocus()) {
        const auto key = static_cast<forms::Key>(wParam);
        // A handler that moved the focus or took the control away spent the key.
        if (!widget.input_.keyPressed(control, key) || widget.keyPressed(key)) return 0;
      }
      break;
    case WM_CHAR:
      if (widget.swallowsCharacter(wParam)) return 0;
      break;
    case WM_GETOBJECT:
      if (static_cast<LONG>(lParam) == OBJID_CLIENT && window == widget.hwnd_) {
        if (const LRESULT object = accessibleObject(window, wParam)) return object;
      }
      break;
    case WM_GETDLGCODE: {
      const auto* pressed = reinterpret_cast<const MSG*>(lParam);
      const LRESULT code =
          widget.dialogCode(DefSubclassProc(window, message, wParam, lParam), pressed);
      // No window has a default or a cancel button: Enter and Escape are keys of the focused
      // control, which the model hears.
      const bool ownKey = pressed != nullptr && pressed->message == WM_KEYDOWN &&
                          (pressed->wParam == VK_RETURN || pressed->wParam == VK_ESCAPE);
      return control.canFocus() && ownKey ? code | DLGC_WANTMESSAGE : code;
    }
    case WM_NCDESTROY:
      untagWindow(window);
      RemovePropW(window, kViewProperty);
      RemoveWindowSubclass(window, watchProcedure, id);
      break;
    default:
      if (message == focusArrivedMessage()) {
        if (GetFocus() == window) widget.input_.focusByKeyboard(control);
        return 0;
      }
      break;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace tavi::frontends::win32
