#include "forms/control.h"

#include <utility>

#include "forms/controls.h"
#include "forms/form.h"

namespace tavi::forms {

Control::Control(Form& form, ControlKind kind, std::string name, Rect rect, Panel* parent)
    : form_(form), kind_(kind), name_(std::move(name)), parent_(parent), rect_(rect) {
  form_.adopt(*this);
}

void Control::changed() {
  ++revision_;
  form_.changed();
}

void Control::setRect(const Rect& rect) {
  if (rect_ == rect) return;
  rect_ = rect;
  changed();
}

void Control::setVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  changed();
}

bool Control::showing() const {
  for (const Control* c = this; c != nullptr; c = c->parent_) {
    if (!c->visible_) return false;
  }
  return true;
}

void Control::setEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  changed();
}

void Control::setColor(const Color& color) {
  if (color_ == color) return;
  color_ = color;
  changed();
}

Font Control::font() const {
  return font_ ? *font_ : form_.font();
}

void Control::setFontSize(int pointSize) {
  Font f = font();
  f.pointSize = pointSize;
  font_ = f;
  changed();
}

void Control::setFontBold(bool bold) {
  Font f = font();
  f.bold = bold;
  font_ = f;
  changed();
}

void Control::setFontColor(const Color& color) {
  Font f = font();
  f.color = color;
  font_ = f;
  changed();
}

bool Control::canFocus() const {
  switch (kind_) {
    case ControlKind::Button:
    case ControlKind::CheckBox:
    case ControlKind::RadioGroup:
    case ControlKind::Edit:
    case ControlKind::Memo:
    case ControlKind::ScrollBar:
      return true;
    case ControlKind::Label:
    case ControlKind::Picture:
    case ControlKind::Panel:
    case ControlKind::ProgressBar:
      return false;
  }
  return false;
}

void Control::setKeyboardOnlyFocus(bool takes) {
  if (keyboardOnlyFocus_ == takes) return;
  keyboardOnlyFocus_ = takes;
  changed();
}

void Control::setLabel(const Control& label) {
  if (label_ == &label) return;
  label_ = &label;
  changed();
}

void Control::setSpokenName(std::string name) {
  if (spokenName_ == name) return;
  spokenName_ = std::move(name);
  changed();
}

CaptionedControl::CaptionedControl(Form& form, ControlKind kind, std::string name, Rect rect,
                                   std::string caption, Panel* parent)
    : Control(form, kind, std::move(name), rect, parent), caption_(std::move(caption)) {}

void CaptionedControl::setCaption(std::string caption) {
  if (caption_ == caption) return;
  caption_ = std::move(caption);
  changed();
}

}  // namespace tavi::forms
