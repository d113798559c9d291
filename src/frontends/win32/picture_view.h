#pragma once

#include <cstdint>
#include <vector>

#include "forms/controls.h"
#include "frontends/win32/control_view.h"

namespace tavi::frontends::win32 {

// A picture: the model's pixels stretched to the control's rectangle; a click is the model's.
// One that stands for an action is a tab stop that shows the focus; Space and Enter on it are
// the model's.
class PictureView : public ControlView {
 public:
  PictureView(forms::Picture& picture, InputSink& input, GdiCache& gdi);
  void command(HWND child, UINT code) override;
  bool draw(const DRAWITEMSTRUCT& item) override;

 protected:
  HWND createNative(const NativeStart& start) override;
  void syncContent(const ViewStyle& style) override;
  void repaint() override;
  LRESULT dialogCode(LRESULT nativeCode, const MSG* message) override;
  void focusChanged() override;

 private:
  void compose();

  forms::Picture& picture_;
  // The image laid over the background, as 32-bit device-independent pixels.
  std::vector<std::uint32_t> pixels_;
  forms::Image shown_;
  COLORREF shownBackground_ = CLR_INVALID;
};

}  // namespace tavi::frontends::win32
