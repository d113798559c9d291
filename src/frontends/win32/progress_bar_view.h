#pragma once

#include "forms/controls.h"
#include "frontends/win32/control_view.h"

namespace tavi::frontends::win32 {

// The system's progress bar; it only shows the model's position.
class ProgressBarView : public ControlView {
 public:
  ProgressBarView(forms::ProgressBar& bar, InputSink& input, GdiCache& gdi);
  HBRUSH colors(HDC /*dc*/) override { return nullptr; }

 protected:
  HWND createNative(const NativeStart& start) override;
  void syncContent(const ViewStyle& style) override;

 private:
  forms::ProgressBar& bar_;
};

}  // namespace tavi::frontends::win32
