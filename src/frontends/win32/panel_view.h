#pragma once

#include "forms/controls.h"
#include "frontends/win32/control_view.h"
#include "frontends/win32/native_host.h"

namespace tavi::frontends::win32 {

// A panel: a window of its own that holds its controls, with a raised bevel and a centred
// caption.
class PanelView : public ControlView, private NativeHost {
 public:
  PanelView(forms::Panel& panel, InputSink& input, GdiCache& gdi);

 protected:
  HWND createNative(const NativeStart& start) override;
  void syncContent(const ViewStyle& style) override;

 private:
  bool handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                     LRESULT& result) override;
  void paint(HDC dc) const;

  forms::Panel& panel_;
};

}  // namespace tavi::frontends::win32
