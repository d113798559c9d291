#include "forms/accessibility.h"

#include "forms/controls.h"
#include "forms/form.h"

namespace tavi::forms {

namespace {

bool isCaptionField(const Edit& edit) {
  return edit.readOnly() && !edit.border();
}

}  // namespace

std::string shownCaption(const Control& control) {
  switch (control.kind()) {
    case ControlKind::Button:
    case ControlKind::CheckBox:
    case ControlKind::RadioGroup:
    case ControlKind::Label:
    case ControlKind::Panel:
      return static_cast<const CaptionedControl&>(control).caption();
    case ControlKind::Edit: {
      const auto& edit = static_cast<const Edit&>(control);
      return isCaptionField(edit) ? edit.text() : std::string();
    }
    case ControlKind::Memo:
    case ControlKind::ScrollBar:
    case ControlKind::Picture:
    case ControlKind::ProgressBar:
      break;
  }
  return {};
}

std::string accessibleName(const Control& control) {
  if (!control.spokenName().empty()) return control.spokenName();
  if (control.label() != nullptr) return shownCaption(*control.label());
  std::string caption = shownCaption(control);
  if (!caption.empty()) return caption;
  // A field alone in its window, such as the own-preparations list, is what the window is for.
  if (control.kind() != ControlKind::Label) return control.form().caption();
  return {};
}

ControlKind accessibleKind(const Control& control) {
  if (control.kind() == ControlKind::Picture && control.takesKeyboardFocus()) {
    return ControlKind::Button;
  }
  return control.kind();
}

std::string toolTip(const Control& control, bool captionFits) {
  if (captionFits) return {};
  switch (control.kind()) {
    case ControlKind::Button:
    case ControlKind::CheckBox:
    case ControlKind::Edit:
      return shownCaption(control);
    default:
      return {};
  }
}

}  // namespace tavi::forms
