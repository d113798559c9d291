#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "forms/caption_room.h"
#include "forms/font.h"
#include "forms/form.h"
#include "frontends/qt/control_view.h"
#include "frontends/qt/font_resolver.h"
#include "frontends/qt/form_window.h"
#include "frontends/qt/input_sink.h"
#include "frontends/qt/scale.h"

namespace tavi::platform {
class Platform;
}

namespace tavi::frontends::qt {

// The native window of one form with a view for each of its controls.
class FormView {
 public:
  FormView(forms::Form& form, InputSink& input, const FontResolver& fonts,
           const platform::Platform& platform, QWidget* owner,
           std::function<void()> closeRequested);
  ~FormView();
  FormView(const FormView&) = delete;
  FormView& operator=(const FormView&) = delete;

  forms::Form& form() const { return form_; }
  FormWindow& window() const { return *window_; }
  ControlView* view(const forms::Control& control) const;

  // Brings the window and every changed control in line with the model.
  void sync();
  // A person changed the control's widget: the next sync rewrites it from the model.
  void invalidate(const forms::Control& control);

 private:
  // Where the model places each control and what its caption shows, measured in the fonts of
  // this window.
  std::vector<forms::CaptionRoom> fitCaptions() const;
  void syncWindow(bool restyle);
  void syncIcon();
  void stackAndChainWidgets();
  void syncVisibility();
  void centreOnScreen();
  void syncFocus();

  forms::Form& form_;
  const FontResolver& fonts_;
  const platform::Platform& platform_;
  std::unique_ptr<FormWindow> window_;
  std::vector<std::unique_ptr<ControlView>> views_;  // in the form's control order
  std::unordered_map<const forms::Control*, ControlView*> byControl_;
  std::vector<forms::CaptionRoom> rooms_;  // as last synced, in the form's control order

  std::optional<std::uint64_t> syncedRevision_;
  bool invalidated_ = false;
  Scale scale_;
  forms::Font font_;
  std::optional<std::string> iconFile_;
  std::uint64_t showRequests_ = 0;
  std::uint64_t centreRequests_ = 0;
  bool placed_ = false;
};

}  // namespace tavi::frontends::qt
