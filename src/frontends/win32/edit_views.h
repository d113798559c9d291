#pragma once

#include "forms/controls.h"
#include "frontends/win32/control_view.h"

namespace tavi::frontends::win32 {

// A one-line edit field. Typing changes the model's text; Enter reaches the model as a key
// instead of the dialog navigation.
class EditView : public ControlView {
 public:
  EditView(forms::Edit& edit, InputSink& input, GdiCache& gdi);
  void command(HWND child, UINT code) override;

 protected:
  HWND createNative(const NativeStart& start) override;
  void syncContent(const ViewStyle& style) override;
  COLORREF inheritedBackground(COLORREF /*parent*/) const override {
    return GetSysColor(COLOR_WINDOW);
  }
  LRESULT dialogCode(LRESULT nativeCode, const MSG* message) override;
  SIZE captionSize(HFONT font, const std::wstring& text, int width) const override;
  // A one-line field would beep at Enter.
  bool swallowsCharacter(WPARAM character) const override {
    return character == L'\r' || character == L'\n';
  }

 private:
  forms::Edit& edit_;
};

// A multi-line edit field; Tab leaves it, as in the other windows of the suite.
class MemoView : public ControlView {
 public:
  MemoView(forms::Memo& memo, InputSink& input, GdiCache& gdi);
  void command(HWND child, UINT code) override;

 protected:
  HWND createNative(const NativeStart& start) override;
  void syncContent(const ViewStyle& style) override;
  COLORREF inheritedBackground(COLORREF /*parent*/) const override {
    return GetSysColor(COLOR_WINDOW);
  }
  LRESULT dialogCode(LRESULT nativeCode, const MSG* message) override;

 private:
  forms::Memo& memo_;
};

}  // namespace tavi::frontends::win32
