#pragma once

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "forms/controls.h"
#include "forms/desktop_services.h"
#include "forms/form.h"
#include "texts/language.h"

namespace tavi::forms {

// Owns the windows in their creation order and is the one entry for input. A front end turns
// each action of a person into one of the events below; each event is one dispatch, and a
// dispatch is the error boundary: an error ends the running handler, is shown in the general
// error box, and the program goes on.
//
// An event aimed at a control that a person could not reach (hidden, disabled, or in a hidden
// window) is not delivered and returns false.
class Application {
 public:
  explicit Application(DesktopServices& desktop,
                       std::function<texts::LanguageIndex()> language = {});
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  DesktopServices& desktop() const { return desktop_; }

  // Where the general error box finds the language it speaks: the program's current language
  // index, asked anew for each error. Without one it speaks English.
  void setLanguage(std::function<texts::LanguageIndex()> language) {
    language_ = std::move(language);
  }
  texts::LanguageIndex language() const { return language_ ? language_() : texts::kEnglish; }

  // Creates a window, keeps it, and runs its creation handler inside a dispatch.
  template <class F, class... Args>
  F& create(Args&&... args) {
    auto form = std::make_unique<F>(*this, std::forward<Args>(args)...);
    F& created = *form;
    forms_.push_back(std::move(form));
    dispatch([&created] { created.created(); });
    return created;
  }
  const std::vector<std::unique_ptr<Form>>& forms() const { return forms_; }
  // The first window created; it stands for the program.
  Form* mainForm() const { return forms_.empty() ? nullptr : forms_.front().get(); }
  // A front end's loop begins: the main window shows, as a program's does when it starts.
  // False when the program already ended while its windows were created: no loop then.
  bool start();

  // Events.
  bool click(Control& control);  // button, picture, edit field, check box (toggles)
  bool tick(CheckBox& box, bool checked);
  bool choose(RadioGroup& group, int itemIndex);
  bool changeText(Edit& edit, std::string text);
  bool changeText(Memo& memo, std::string_view text);
  bool keyDown(Control& control, Key key);  // Enter on a button clicks it
  bool focus(Control& control);
  bool scroll(ScrollBar& bar, int position);
  bool closeWindow(Form& form);

  // Runs work as one dispatch: the error boundary. False when it ended with an error.
  bool dispatch(const std::function<void()>& work);

  // Ends the program: the running handler finishes, then the front end's loop stops.
  void terminate() { terminated_ = true; }
  bool terminated() const { return terminated_; }

  // Every dispatch raises this; front ends bring their widgets in line after it changes.
  std::uint64_t dispatches() const { return dispatches_; }

 private:
  bool reachable(const Control& control) const;
  // Moves the focus to the control as a click (or, `byKeyboard`, a key) would; false when an
  // exit handler kept the focus elsewhere, which cancels the click.
  bool moveFocus(Control& control, bool byKeyboard = false);

  DesktopServices& desktop_;
  std::function<texts::LanguageIndex()> language_;
  std::vector<std::unique_ptr<Form>> forms_;
  bool terminated_ = false;
  std::uint64_t dispatches_ = 0;
};

}  // namespace tavi::forms
