#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "forms/caption_room.h"
#include "forms/control.h"
#include "frontends/win32/gdi_cache.h"
#include "frontends/win32/input_sink.h"
#include "frontends/win32/scale.h"
#include "frontends/win32/tool_tips.h"

namespace tavi::frontends::win32 {

// What a control's window is drawn with, given by the window that holds it.
struct ViewStyle {
  Scale scale;
  // The background that a control of inherited colour shows: its panel's or its window's.
  COLORREF parentBackground = 0;
  // The tooltips of the window; none in a window that shows no tips.
  ToolTips* toolTips = nullptr;
};

// Where and how a control's window is made: in its place, its font chosen, shown or hidden and
// enabled or not as the control is, so that nothing moves or redraws before the window first
// shows and its first paint draws it.
struct NativeStart {
  HWND parent = nullptr;
  forms::Rect rect;
  DWORD state = 0;  // WS_VISIBLE, WS_DISABLED
};

// The native window of one control. It shows the control's properties and hands the person's
// actions on it to the model; it decides nothing itself. Its windows are children of the form
// or panel window and die with it.
class ControlView {
 public:
  ControlView(forms::Control& control, InputSink& input, GdiCache& gdi);
  ControlView(const ControlView&) = delete;
  ControlView& operator=(const ControlView&) = delete;
  virtual ~ControlView() = default;

  forms::Control& control() const { return control_; }
  // The outer native window.
  HWND hwnd() const { return hwnd_; }
  // The native window that holds the keyboard focus for the control.
  virtual HWND focusTarget() const { return hwnd_; }

  // Creates the native window(s) inside `parent`, already as the control is: the first sync.
  // `room`: where the model places the control and what its caption shows.
  void create(HWND parent, const ViewStyle& style, const forms::CaptionRoom& room);
  // Brings the windows in line with the control: its content when the control or its room
  // changed since the last sync (or `force`), and geometry, visibility, state, font and
  // colours where they differ from what the windows show.
  void sync(const ViewStyle& style, const forms::CaptionRoom& room, bool force);
  // The size in pixels the control needs to show `text` whole in `font`: on one line, or for a
  // label that wraps, wrapped at `width`. What the model makes room with.
  virtual SIZE captionSize(HFONT font, const std::wstring& text, int width) const;
  // A person changed the native window: the next sync compares its content with the model.
  void invalidate() { syncedRevision_.reset(); }

  COLORREF background() const { return background_; }
  // What lies beneath the control: its panel's or its window's background.
  COLORREF parentBackground() const { return parentBackground_; }
  COLORREF textColor() const { return textColor_; }
  HFONT font() const { return font_; }

  // Notifications that the parent window routes to the control owning the child window.
  virtual void command(HWND /*child*/, UINT /*code*/) {}
  virtual void scrolled(UINT /*code*/, int /*thumbPosition*/) {}
  virtual bool draw(const DRAWITEMSTRUCT& /*item*/) { return false; }
  // WM_CTLCOLOR*: prepares the device context and gives the background brush.
  virtual HBRUSH colors(HDC dc);

  // The widget behind a native window of a control; nullptr for other windows.
  static ControlView* of(HWND window);

 protected:
  virtual HWND createNative(const NativeStart& start) = 0;
  // A system control of `windowClass` made as `start` says, with its text.
  static HWND createChild(const wchar_t* windowClass, const std::wstring& text, DWORD style,
                          DWORD exStyle, const NativeStart& start);
  // Whether the window was synced before: content set at creation needs no redraw.
  bool synced() const { return syncedRevision_.has_value(); }
  // Captions, values and items. Compares with what the window shows and touches only that.
  virtual void syncContent(const ViewStyle& style) = 0;
  virtual void applyGeometry(const forms::Rect& rect);
  virtual void applyFont(HFONT font);
  virtual void applyEnabled(bool enabled);
  // The background of a control of inherited colour: the parent's, unless the native control
  // has its own (edit fields are white, buttons have the button face).
  virtual COLORREF inheritedBackground(COLORREF parentBackground) const { return parentBackground; }
  // Keys: the model hears every key pressed in a focusable control; these adjust what the
  // dialog navigation and the native control do with them.
  virtual LRESULT dialogCode(LRESULT nativeCode, const MSG* /*message*/) { return nativeCode; }
  virtual bool swallowsCharacter(WPARAM /*character*/) const { return false; }
  // The native focus arrived or left; a control that draws its own focus shows it.
  virtual void focusChanged() {}
  // Keys the widget handles for the control after the model's key event (radio arrows); true
  // when the key goes no further.
  virtual bool keyPressed(forms::Key /*key*/) { return false; }

  // Binds a native window to this control: lookups by name, notifications to this widget,
  // and for focusable controls the presses, focus changes and keys.
  void adopt(HWND native, int item = -1);
  // Repaints after a colour change.
  virtual void repaint();

  InputSink& input() const { return input_; }
  // The scale of the last sync.
  Scale scale() const { return scale_.value_or(Scale{}); }
  GdiCache& gdi() const { return gdi_; }
  const forms::Rect& appliedRect() const { return rect_; }
  // The caption as the model lets it show: whole, or shortened with "…".
  const std::string& shownCaption() const { return room_.text; }

 private:
  static LRESULT CALLBACK watchProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR self);

  forms::Control& control_;
  InputSink& input_;
  GdiCache& gdi_;
  HWND hwnd_ = nullptr;
  std::optional<std::uint64_t> syncedRevision_;
  forms::CaptionRoom room_;
  std::optional<Scale> scale_;
  forms::Rect rect_{-1, -1, -1, -1};
  bool shown_ = false;
  bool enabled_ = true;
  HFONT font_ = nullptr;
  COLORREF background_ = CLR_INVALID;
  COLORREF parentBackground_ = CLR_INVALID;
  COLORREF textColor_ = CLR_INVALID;
};

}  // namespace tavi::frontends::win32
