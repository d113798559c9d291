#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "forms/color.h"
#include "forms/font.h"
#include "forms/geometry.h"

namespace tavi::forms {

class Form;
class Panel;

enum class ControlKind : std::uint8_t {
  Button,
  CheckBox,
  RadioGroup,
  Edit,
  Memo,
  ScrollBar,
  Label,
  Picture,
  Panel,
  ProgressBar,
};

// Keys that handlers look at; any other key arrives as its Windows virtual-key code.
enum class Key : int {
  Tab = 9,
  Enter = 13,
  Escape = 27,
  Space = 32,
  Left = 37,
  Up = 38,
  Right = 39,
  Down = 40,
  Delete = 46,
};

// A control of a window: a plain object holding the properties that the logic reads and writes.
// It never draws. Every change of a property raises its revision, so a front end touches a
// native widget only when the model really changed.
class Control {
 public:
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  virtual ~Control() = default;

  ControlKind kind() const { return kind_; }
  const std::string& name() const { return name_; }
  Form& form() const { return form_; }
  // The panel that holds the control; nullptr when it lies directly on the window.
  Panel* parent() const { return parent_; }

  const Rect& rect() const { return rect_; }
  void setRect(const Rect& rect);
  void setLeft(int left) { setRect({left, rect_.top, rect_.width, rect_.height}); }
  void setTop(int top) { setRect({rect_.left, top, rect_.width, rect_.height}); }

  bool visible() const { return visible_; }
  void setVisible(bool visible);
  // Visible itself and in every panel that holds it.
  bool showing() const;
  bool enabled() const { return enabled_; }
  void setEnabled(bool enabled);

  // Background colour; Inherit takes the parent's.
  const Color& color() const { return color_; }
  void setColor(const Color& color);
  // The control's own font; unset takes the window's.
  const std::optional<Font>& ownFont() const { return font_; }
  Font font() const;
  void setFontSize(int pointSize);
  void setFontBold(bool bold);
  void setFontColor(const Color& color);

  // Whether a click or a key can put the input focus on this kind of control.
  bool canFocus() const;
  // Whether Tab can put the focus here: every control that a click focuses, and a picture that
  // stands for an action, which a click leaves the focus untouched on, as it always did.
  bool takesKeyboardFocus() const { return canFocus() || keyboardOnlyFocus_; }
  void setKeyboardOnlyFocus(bool takes);

  // The control whose text names this one for a screen reader: the label that the design puts
  // beside a field or bar that has no caption of its own.
  const Control* label() const { return label_; }
  void setLabel(const Control& label);
  // The design's own name for a control that has neither a caption nor a label beside it.
  const std::string& spokenName() const { return spokenName_; }
  void setSpokenName(std::string name);

  std::uint64_t revision() const { return revision_; }

  // Handlers, bound by the window to its member functions.
  std::function<void()> onExit;        // the focus leaves the control
  std::function<void(Key)> onKeyDown;  // a key is pressed while it has the focus

 protected:
  Control(Form& form, ControlKind kind, std::string name, Rect rect, Panel* parent);
  void changed();
  // Stores a property's new value and counts the change; false when it had that value already,
  // so that a setter raises nothing for what did not change.
  template <typename T, typename V>
  bool change(T& property, V&& value) {
    if (property == value) return false;
    property = std::forward<V>(value);
    changed();
    return true;
  }

 private:
  Form& form_;
  ControlKind kind_;
  std::string name_;
  Panel* parent_;
  Rect rect_;
  bool visible_ = true;
  bool enabled_ = true;
  Color color_;
  std::optional<Font> font_;
  const Control* label_ = nullptr;
  std::string spokenName_;
  bool keyboardOnlyFocus_ = false;
  std::uint64_t revision_ = 1;
};

// A control with a caption (buttons, check boxes, labels, panels, radio groups).
class CaptionedControl : public Control {
 public:
  const std::string& caption() const { return caption_; }
  void setCaption(std::string caption);

 protected:
  CaptionedControl(Form& form, ControlKind kind, std::string name, Rect rect, std::string caption,
                   Panel* parent);

 private:
  std::string caption_;
};

}  // namespace tavi::forms
