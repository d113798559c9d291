#pragma once

#include "forms/controls.h"
#include "frontends/win32/control_view.h"

namespace tavi::frontends::win32 {

// A label, grown to show its whole caption where the model places it, so that a longer
// translation is never cut off.
class LabelView : public ControlView {
 public:
  LabelView(forms::Label& label, InputSink& input, GdiCache& gdi);

 protected:
  HWND createNative(const NativeStart& start) override;
  void measure() override;
  void syncContent(const ViewStyle& style) override;
  forms::Rect placement(const forms::Rect& scaled) override;

 private:
  forms::Label& label_;
  // What the caption needs: on one line, or wrapped at the label's width.
  SIZE textSize_{0, 0};
};

}  // namespace tavi::frontends::win32
