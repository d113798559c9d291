#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "forms/control.h"
#include "forms/form.h"
#include "forms/geometry.h"

namespace tavi::frontends::scenarios {

// The button a person presses in a box.
enum class Answer { Ok, Yes, No };

// A person at one front end's real widgets. Each front end's tests implement it with real input
// on the real widgets; the scenarios use only this.
class Driver {
 public:
  virtual ~Driver() = default;

  // A left click on the control's widget; `item` picks a radio group's item.
  virtual void click(const forms::Control& control, int item = -1) = 0;
  // A key pressed and released where the keyboard focus is.
  virtual void press(forms::Key key) = 0;
  // Letters and digits typed where the keyboard focus is.
  virtual void type(std::string_view text) = 0;
  // The close box in the window's frame.
  virtual void closeByFrame(const forms::Form& form) = 0;
  // The person answers the next boxes with these buttons, in this order.
  virtual void answerBoxes(std::vector<Answer> answers) = 0;
  // The texts of the boxes answered so far.
  virtual std::vector<std::string> boxTexts() = 0;
  // Brings the widgets in line with the model after a change made by code.
  virtual void settle() = 0;

  // What the widgets show: the caption as it reads on the screen, whether it is on the screen
  // and takes input, its place in the window's pixels, and which control has the keyboard
  // focus (nullptr when none has).
  virtual std::string shownCaption(const forms::Control& control) = 0;
  virtual bool shownVisible(const forms::Control& control) = 0;
  virtual bool shownEnabled(const forms::Control& control) = 0;
  virtual forms::Rect shownRect(const forms::Control& control) = 0;
  virtual const forms::Control* nativeFocus(const forms::Form& form) = 0;
};

}  // namespace tavi::frontends::scenarios
