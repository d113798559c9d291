#pragma once

#include <vector>

#include "forms/controls.h"
#include "frontends/win32/control_view.h"
#include "frontends/win32/native_host.h"

namespace tavi::frontends::win32 {

// A radio group: a group box with one radio button per item, the items in columns, filled
// column by column. The model chooses the item; a click asks it to.
class RadioGroupView : public ControlView, private NativeHost {
 public:
  RadioGroupView(forms::RadioGroup& group, InputSink& input, GdiCache& gdi);
  HWND focusTarget() const override;
  void command(HWND child, UINT code) override;

 protected:
  HWND createNative(const NativeStart& start) override;
  void syncContent(const ViewStyle& style) override;
  void applyGeometry(const forms::Rect& rect) override;
  void applyFont(HFONT font) override;
  void applyEnabled(bool enabled) override;
  void repaint() override;
  LRESULT dialogCode(LRESULT nativeCode, const MSG* message) override;
  bool keyPressed(forms::Key key) override;

 private:
  bool handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                     LRESULT& result) override;
  // Where each item goes, left, top, width and height, as the model places them.
  std::vector<RECT> itemPlaces() const;
  void arrangeItems();
  void place(std::size_t index, const RECT& where);

  forms::RadioGroup& group_;
  HWND frame_ = nullptr;
  std::vector<HWND> items_;
  std::vector<RECT> placed_;  // where each item is: left, top, width, height
};

}  // namespace tavi::frontends::win32
