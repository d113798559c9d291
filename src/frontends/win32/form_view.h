#pragma once

#include <windows.h>

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <unordered_map>
#include <vector>

#include "forms/form.h"
#include "frontends/win32/control_view.h"
#include "frontends/win32/gdi_cache.h"
#include "frontends/win32/input_sink.h"
#include "frontends/win32/native_host.h"
#include "frontends/win32/scale.h"
#include "frontends/win32/tool_tips.h"
#include "frontends/win32/window_icon.h"

namespace tavi::platform {
class Platform;
}

namespace tavi::frontends::win32 {

// What a form's window asks of the renderer beyond delivering input.
class FormViewHost : public InputSink {
 public:
  // Brings the window in line with the model again now (its density or the colours of the
  // desktop changed), as a sync.
  virtual void resync(class FormView& window) = 0;
  // Puts the native focus where the model has it, without telling the model.
  virtual void restoreFocus(class FormView& window) = 0;
};

// The top-level window of one form, with a widget for each of its controls.
class FormView : private NativeHost {
 public:
  // `owner`: the main window, which secondary windows belong to; nullptr for the main window.
  FormView(forms::Form& form, FormViewHost& host, GdiCache& gdi, const platform::Platform& platform,
           HWND owner);
  ~FormView() override;
  FormView(const FormView&) = delete;
  FormView& operator=(const FormView&) = delete;

  forms::Form& form() const { return form_; }
  HWND hwnd() const { return hwnd_; }
  const Scale& scale() const { return scale_; }
  ControlView* widget(const forms::Control& control) const;
  // The tips of the controls whose captions the window cuts.
  const ToolTips& toolTips() const { return *toolTips_; }

  // Brings the window and every changed control in line with the model; `force` redraws every
  // control (the desktop's colours changed).
  void sync(bool force = false);
  // Puts the native focus on the model's focused control, or on the window when it has none.
  void focusModelControl();

 private:
  bool handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                     LRESULT& result) override;
  void ensureViews();
  // Where the model places each control and what its caption shows, measured in the fonts of
  // this window; and one control's room of the last fit.
  std::vector<forms::CaptionRoom> fitCaptions();
  const forms::CaptionRoom& room(const forms::Control& control) const;
  // Whether the control is stacked above its earlier siblings: a label, or what lies on one.
  bool raised(const forms::Control& control) const;
  static int depth(const forms::Control& control);
  void syncFrame(bool rescaled);
  void resizeClient(SIZE client);
  void syncIcon(bool rescaled);
  void syncVisibility();
  void centreOnDesktop();
  void dpiChanged(int dpi, const RECT& suggested);

  forms::Form& form_;
  FormViewHost& host_;
  GdiCache& gdi_;
  const platform::Platform& platform_;
  HWND owner_;
  // Declared before the window, so the window, and with it every child, goes first.
  std::vector<std::unique_ptr<ControlView>> widgets_;
  std::unordered_map<const forms::Control*, ControlView*> byControl_;
  std::vector<forms::CaptionRoom> rooms_;  // in the form's control order
  // What each control's texts need, at the current scale.
  std::map<std::tuple<const forms::Control*, HFONT, int, std::string>, SIZE> measured_;
  HWND hwnd_ = nullptr;
  std::unique_ptr<ToolTips> toolTips_;

  int dpi_;
  Scale scale_;
  std::optional<Scale> syncedScale_;
  COLORREF background_ = CLR_INVALID;
  SIZE clientSize_{-1, -1};
  std::optional<std::string> iconFile_;
  WindowIcons icons_;
  bool placed_ = false;
  std::uint64_t showRequests_ = 0;
  std::uint64_t centreRequests_ = 0;
};

}  // namespace tavi::frontends::win32
