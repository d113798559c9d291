#pragma once

#include "forms/controls.h"
#include "frontends/win32/control_view.h"

namespace tavi::frontends::win32 {

// A label, where the model places it and with the caption it lets it show.
class LabelView : public ControlView {
 public:
  LabelView(forms::Label& label, InputSink& input, GdiCache& gdi);

 protected:
  HWND createNative(const NativeStart& start) override;
  void syncContent(const ViewStyle& style) override;

 public:
  SIZE captionSize(HFONT font, const std::wstring& text, int width) const override;

 private:
  forms::Label& label_;
};

}  // namespace tavi::frontends::win32
