#include "frontends/qt/control_views.h"

#include "forms/controls.h"
#include "frontends/qt/button_view.h"
#include "frontends/qt/check_box_view.h"
#include "frontends/qt/edit_view.h"
#include "frontends/qt/label_view.h"
#include "frontends/qt/memo_view.h"
#include "frontends/qt/panel_view.h"
#include "frontends/qt/picture_view.h"
#include "frontends/qt/progress_bar_view.h"
#include "frontends/qt/radio_group_view.h"
#include "frontends/qt/scroll_bar_view.h"

namespace tavi::frontends::qt {

std::unique_ptr<ControlView> makeView(forms::Control& control, QWidget& parent, InputSink& input) {
  using Kind = forms::ControlKind;
  switch (control.kind()) {
    case Kind::Button:
      return std::make_unique<ButtonView>(static_cast<forms::Button&>(control), parent, input);
    case Kind::CheckBox:
      return std::make_unique<CheckBoxView>(static_cast<forms::CheckBox&>(control), parent, input);
    case Kind::RadioGroup:
      return std::make_unique<RadioGroupView>(static_cast<forms::RadioGroup&>(control), parent,
                                              input);
    case Kind::Edit:
      return std::make_unique<EditView>(static_cast<forms::Edit&>(control), parent, input);
    case Kind::Memo:
      return std::make_unique<MemoView>(static_cast<forms::Memo&>(control), parent, input);
    case Kind::ScrollBar:
      return std::make_unique<ScrollBarView>(static_cast<forms::ScrollBar&>(control), parent,
                                             input);
    case Kind::Label:
      return std::make_unique<LabelView>(static_cast<forms::Label&>(control), parent, input);
    case Kind::Picture:
      return std::make_unique<PictureView>(static_cast<forms::Picture&>(control), parent, input);
    case Kind::Panel:
      return std::make_unique<PanelView>(static_cast<forms::Panel&>(control), parent, input);
    case Kind::ProgressBar:
      return std::make_unique<ProgressBarView>(static_cast<forms::ProgressBar&>(control), parent,
                                               input);
  }
  return nullptr;
}

}  // namespace tavi::frontends::qt
