#pragma once

#include "forms/controls.h"
#include "frontends/win32/control_widget.h"

namespace tavi::frontends::win32 {

// A label. One that does not wrap grows to the width of its text, as a label sized to its
// caption does, so that a longer translation is never cut off.
class LabelWidget : public ControlWidget {
 public:
  LabelWidget(forms::Label& label, InputSink& input, GdiCache& gdi);

 protected:
  HWND createNative(const NativeStart& start) override;
  void measure(HWND parent) override;
  void syncContent(const WidgetStyle& style) override;
  forms::Rect placement(const forms::Rect& scaled) override;

 private:
  forms::Label& label_;
  int textWidth_ = 0;
};

}  // namespace tavi::frontends::win32
