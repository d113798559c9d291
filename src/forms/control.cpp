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
  change(rect_, rect);
}

void Control::setVisible(bool visible) {
  change(visible_, visible);
}

bool Control::showing() const {
  for (const Control* c = this; c != nullptr; c = c->parent_) {
    if (!c->visible_) return false;
  }
  return true;
}

void Control::setEnabled(bool enabled) {
  change(enabled_, enabled);
}

void Control::setColor(const Color& color) {
  change(color_, color);
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
  change(keyboardOnlyFocus_, takes);
}

void Control::setLabel(const Control& label) {
  if (label_ == &label) return;
  label_ = &label;
  changed();
}

void Control::setSpokenName(std::string name) {
  change(spokenName_, std::move(name));
}

CaptionedControl::CaptionedControl(Form& form, ControlKind kind, std::string name, Rect rect,
                                   std::string caption, Panel* parent)
    : Control(form, kind, std::move(name), rect, parent), caption_(std::move(caption)) {}

void CaptionedControl::setCaption(std::string caption) {
  change(caption_, std::move(caption));
}

}  // namespace tavi::forms
