#pragma once

#include "forms/controls.h"
#include "frontends/win32/control_widget.h"

namespace tavi::frontends::win32 {

// The system's progress bar; it only shows the model's position.
class ProgressBarWidget : public ControlWidget {
 public:
  ProgressBarWidget(forms::ProgressBar& bar, InputSink& input, GdiCache& gdi);
  HBRUSH colors(HDC /*dc*/) override { return nullptr; }

 protected:
  HWND createNative(const NativeStart& start) override;
  void syncContent(const WidgetStyle& style) override;

 private:
  forms::ProgressBar& bar_;
};

}  // namespace tavi::frontends::win32
