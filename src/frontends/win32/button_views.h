#pragma once

#include "forms/controls.h"
#include "frontends/win32/control_view.h"

namespace tavi::frontends::win32 {

// A push button; a click is the model's click.
class ButtonView : public ControlView {
 public:
  ButtonView(forms::Button& button, InputSink& input, GdiCache& gdi);
  void command(HWND child, UINT code) override;
  HBRUSH colors(HDC dc) override;

 protected:
  HWND createNative(const NativeStart& start) override;
  void syncContent(const ViewStyle& style) override;
  COLORREF inheritedBackground(COLORREF /*parent*/) const override {
    return GetSysColor(COLOR_BTNFACE);
  }
  SIZE captionSize(HFONT font, const std::wstring& text, int width) const override;

 private:
  forms::Button& button_;
};

// A check box whose tick the model decides: a click asks the model to toggle it, and the
// sync shows the result.
class CheckBoxView : public ControlView {
 public:
  CheckBoxView(forms::CheckBox& box, InputSink& input, GdiCache& gdi);
  void command(HWND child, UINT code) override;

 protected:
  HWND createNative(const NativeStart& start) override;
  void syncContent(const ViewStyle& style) override;
  SIZE captionSize(HFONT font, const std::wstring& text, int width) const override;

 private:
  forms::CheckBox& box_;
};

}  // namespace tavi::frontends::win32
