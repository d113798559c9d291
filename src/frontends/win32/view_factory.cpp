#include "frontends/win32/view_factory.h"

#include "forms/controls.h"
#include "frontends/win32/button_views.h"
#include "frontends/win32/edit_views.h"
#include "frontends/win32/label_view.h"
#include "frontends/win32/panel_view.h"
#include "frontends/win32/picture_view.h"
#include "frontends/win32/progress_bar_view.h"
#include "frontends/win32/radio_group_view.h"
#include "frontends/win32/scroll_bar_view.h"

namespace tavi::frontends::win32 {

std::unique_ptr<ControlView> makeView(forms::Control& control, InputSink& input, GdiCache& gdi) {
  using forms::ControlKind;
  switch (control.kind()) {
    case ControlKind::Button:
      return std::make_unique<ButtonView>(static_cast<forms::Button&>(control), input, gdi);
    case ControlKind::CheckBox:
      return std::make_unique<CheckBoxView>(static_cast<forms::CheckBox&>(control), input, gdi);
    case ControlKind::RadioGroup:
      return std::make_unique<RadioGroupView>(static_cast<forms::RadioGroup&>(control), input, gdi);
    case ControlKind::Edit:
      return std::make_unique<EditView>(static_cast<forms::Edit&>(control), input, gdi);
    case ControlKind::Memo:
      return std::make_unique<MemoView>(static_cast<forms::Memo&>(control), input, gdi);
    case ControlKind::ScrollBar:
      return std::make_unique<ScrollBarView>(static_cast<forms::ScrollBar&>(control), input, gdi);
    case ControlKind::Label:
      return std::make_unique<LabelView>(static_cast<forms::Label&>(control), input, gdi);
    case ControlKind::Picture:
      return std::make_unique<PictureView>(static_cast<forms::Picture&>(control), input, gdi);
    case ControlKind::Panel:
      return std::make_unique<PanelView>(static_cast<forms::Panel&>(control), input, gdi);
    case ControlKind::ProgressBar:
      return std::make_unique<ProgressBarView>(static_cast<forms::ProgressBar&>(control), input,
                                               gdi);
  }
  return nullptr;
}

}  // namespace tavi::frontends::win32
