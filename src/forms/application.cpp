#include "forms/application.h"

#include <exception>
#include <string>
#include <utility>

#include "texts/error_messages.h"

namespace tavi::forms {

Application::Application(DesktopServices& desktop, std::function<texts::LanguageIndex()> language)
    : desktop_(desktop), language_(std::move(language)) {}

bool Application::dispatch(const std::function<void()>& work) {
  ++dispatches_;
  try {
    work();
    return true;
  } catch (const std::exception& error) {
    // Never a crash: whatever went wrong ends only this handler.
    desktop_.showError(texts::errorMessage(error, language()));
  }
  return false;
}

bool Application::start() {
  if (terminated_) return false;
  if (Form* main = mainForm(); main != nullptr && !main->visible()) main->show();
  return true;
}

bool Application::reachable(const Control& control) const {
  return !terminated_ && control.form().visible() && control.showing() && control.enabled();
}

bool Application::moveFocus(Control& control, bool byKeyboard) {
  Form& form = control.form();
  Control* previous = form.focused();
  const bool takes = byKeyboard ? control.takesKeyboardFocus() : control.canFocus();
  if (!takes || previous == &control) return true;
  if (previous != nullptr && previous->onExit) {
    const auto requests = form.focusRequests();
    previous->onExit();
    // An exit handler that placed the focus itself keeps it there, and the click is lost, as on
    // Windows when the handler's message box takes the mouse away from the button.
    if (form.focusRequests() != requests || terminated_) return false;
  }
  form.setFocus(control);
  return true;
}

bool Application::click(Control& control) {
  if (!reachable(control)) return false;
  dispatch([&] {
    if (!moveFocus(control)) return;
    switch (control.kind()) {
      case ControlKind::Button: {
        auto& button = static_cast<Button&>(control);
        if (button.onClick) button.onClick();
        break;
      }
      case ControlKind::Picture: {
        auto& picture = static_cast<Picture&>(control);
        if (picture.onClick) picture.onClick();
        break;
      }
      case ControlKind::Edit: {
        auto& edit = static_cast<Edit&>(control);
        if (edit.onClick) edit.onClick();
        break;
      }
      case ControlKind::CheckBox: {
        auto& box = static_cast<CheckBox&>(control);
        box.setChecked(!box.checked());
        break;
      }
      default:
        break;
    }
  });
  return true;
}

bool Application::tick(CheckBox& box, bool checked) {
  if (!reachable(box)) return false;
  dispatch([&] {
    if (moveFocus(box)) box.setChecked(checked);
  });
  return true;
}

bool Application::choose(RadioGroup& group, int itemIndex) {
  if (!reachable(group) || itemIndex < 0 || itemIndex >= static_cast<int>(group.items().size())) {
    return false;
  }
  dispatch([&] {
    if (moveFocus(group)) group.setItemIndex(itemIndex);
  });
  return true;
}

bool Application::changeText(Edit& edit, std::string text) {
  if (!reachable(edit) || edit.readOnly()) return false;
  dispatch([&] {
    if (moveFocus(edit)) edit.setText(std::move(text));
  });
  return true;
}

bool Application::changeText(Memo& memo, std::string_view text) {
  if (!reachable(memo)) return false;
  dispatch([&] {
    if (moveFocus(memo)) memo.setText(text);
  });
  return true;
}

bool Application::keyDown(Control& control, Key key) {
  if (!reachable(control)) return false;
  dispatch([&] {
    if (!moveFocus(control, true)) return;
    // A picture that stands for an action does it on Space or Enter, as a button does.
    if (control.kind() == ControlKind::Picture && control.takesKeyboardFocus() &&
        (key == Key::Space || key == Key::Enter)) {
      auto& picture = static_cast<Picture&>(control);
      if (picture.onClick) picture.onClick();
      return;
    }
    // Tab belongs to the window's navigation, as in a dialog: no key handler sees it.
    if (control.onKeyDown && key != Key::Tab) control.onKeyDown(key);
  });
  // Enter presses the focused button, as in the system's dialogs.
  if (key == Key::Enter && control.kind() == ControlKind::Button &&
      control.form().focused() == &control) {
    click(control);
  }
  return true;
}

bool Application::focus(Control& control) {
  if (!reachable(control) || !control.takesKeyboardFocus()) return false;
  dispatch([&] { moveFocus(control, true); });
  return true;
}

bool Application::scroll(ScrollBar& bar, int position) {
  if (!reachable(bar)) return false;
  dispatch([&] {
    if (moveFocus(bar)) bar.setPosition(position);
  });
  return true;
}

bool Application::closeWindow(Form& form) {
  if (terminated_ || !form.visible()) return false;
  dispatch([&] { form.closedByFrame(); });
  return true;
}

}  // namespace tavi::forms
