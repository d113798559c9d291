#include "frontends/win32/widget_factory.h"

#include "forms/controls.h"
#include "frontends/win32/button_widgets.h"
#include "frontends/win32/edit_widgets.h"
#include "frontends/win32/label_widget.h"
#include "frontends/win32/panel_widget.h"
#include "frontends/win32/picture_widget.h"
#include "frontends/win32/progress_bar_widget.h"
#include "frontends/win32/radio_group_widget.h"
#include "frontends/win32/scroll_bar_widget.h"

namespace tavi::frontends::win32 {

std::unique_ptr<ControlWidget> makeWidget(forms::Control& control, InputSink& input,
                                          GdiCache& gdi) {
  using forms::ControlKind;
  switch (control.kind()) {
    case ControlKind::Button:
      return std::make_unique<ButtonWidget>(static_cast<forms::Button&>(control), input, gdi);
    case ControlKind::CheckBox:
      return std::make_unique<CheckBoxWidget>(static_cast<forms::CheckBox&>(control), input, gdi);
    case ControlKind::RadioGroup:
      return std::make_unique<RadioGroupWidget>(static_cast<forms::RadioGroup&>(control), input,
                                                gdi);
    case ControlKind::Edit:
      return std::make_unique<EditWidget>(static_cast<forms::Edit&>(control), input, gdi);
    case ControlKind::Memo:
      return std::make_unique<MemoWidget>(static_cast<forms::Memo&>(control), input, gdi);
    case ControlKind::ScrollBar:
      return std::make_unique<ScrollBarWidget>(static_cast<forms::ScrollBar&>(control), input, gdi);
    case ControlKind::Label:
      return std::make_unique<LabelWidget>(static_cast<forms::Label&>(control), input, gdi);
    case ControlKind::Picture:
      return std::make_unique<PictureWidget>(static_cast<forms::Picture&>(control), input, gdi);
    case ControlKind::Panel:
      return std::make_unique<PanelWidget>(static_cast<forms::Panel&>(control), input, gdi);
    case ControlKind::ProgressBar:
      return std::make_unique<ProgressBarWidget>(static_cast<forms::ProgressBar&>(control), input,
                                                 gdi);
  }
  return nullptr;
}

}  // namespace tavi::frontends::win32
