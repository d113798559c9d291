#include "forms/form.h"

#include <utility>

#include "forms/application.h"
#include "forms/control.h"

namespace tavi::forms {

Form::Form(Application& app, std::string name, std::string caption, int clientWidth,
           int clientHeight)
    : app_(app),
      name_(std::move(name)),
      caption_(std::move(caption)),
      clientWidth_(clientWidth),
      clientHeight_(clientHeight) {}

void Form::setCaption(std::string caption) {
  if (caption_ == caption) return;
  caption_ = std::move(caption);
  changed();
}

void Form::setClientSize(int width, int height) {
  if (clientWidth_ == width && clientHeight_ == height) return;
  clientWidth_ = width;
  clientHeight_ = height;
  changed();
}

void Form::setColor(const Color& color) {
  if (color_ == color) return;
  color_ = color;
  changed();
}

void Form::setFont(const Font& font) {
  if (font_ == font) return;
  font_ = font;
  changed();
}

void Form::setIconFile(std::string path) {
  if (iconFile_ == path) return;
  iconFile_ = std::move(path);
  changed();
}

void Form::show() {
  visible_ = true;
  ++showRequests_;
  changed();
}

void Form::hide() {
  if (!visible_) return;
  visible_ = false;
  changed();
}

void Form::centre() {
  ++centreRequests_;
  changed();
}

void Form::scaleTo(int pixelsPerInch) {
  if (pixelsPerInch <= 0 || pixelsPerInch_ == pixelsPerInch) return;
  pixelsPerInch_ = pixelsPerInch;
  changed();
}

void Form::setFocus(Control& control) {
  if (&control.form() != this) return;
  ++focusRequests_;
  if (focused_ == &control) return;
  focused_ = &control;
  changed();
}

Control* Form::findControl(std::string_view name) const {
  for (Control* control : controls_) {
    if (control->name() == name) return control;
  }
  return nullptr;
}

void Form::closedByFrame() {
  if (app_.mainForm() == this) {
    app_.terminate();
  } else {
    hide();
  }
}

}  // namespace tavi::forms
