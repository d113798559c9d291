#pragma once

#include "forms/controls.h"
#include "frontends/win32/control_view.h"

namespace tavi::frontends::win32 {

// A horizontal scroll bar. Every move of the person, arrows, pages and the dragged thumb,
// asks the model for the new position; the model clamps it and decides whether it changed.
class ScrollBarView : public ControlView {
 public:
  ScrollBarView(forms::ScrollBar& bar, InputSink& input, GdiCache& gdi);
  void scrolled(UINT code, int thumbPosition) override;
  HBRUSH colors(HDC /*dc*/) override { return nullptr; }

 protected:
  HWND createNative(const NativeStart& start) override;
  void syncContent(const ViewStyle& style) override;

 private:
  forms::ScrollBar& bar_;
};

}  // namespace tavi::frontends::win32
