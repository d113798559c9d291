#include "forms/controls.h"

#include <algorithm>
#include <utility>

namespace tavi::forms {

Button::Button(Form& form, std::string name, Rect rect, std::string caption, Panel* parent)
    : CaptionedControl(form, ControlKind::Button, std::move(name), rect, std::move(caption),
                       parent) {}

CheckBox::CheckBox(Form& form, std::string name, Rect rect, std::string caption, Panel* parent)
    : CaptionedControl(form, ControlKind::CheckBox, std::move(name), rect, std::move(caption),
                       parent) {}

void CheckBox::setChecked(bool checked) {
  if (change(checked_, checked) && onClick) onClick();
}

RadioGroup::RadioGroup(Form& form, std::string name, Rect rect, std::string caption,
                       std::vector<std::string> items, Panel* parent)
    : CaptionedControl(form, ControlKind::RadioGroup, std::move(name), rect, std::move(caption),
                       parent),
      items_(std::move(items)) {}

void RadioGroup::clearItems() {
  items_.clear();
  itemIndex_ = -1;
  changed();
}

void RadioGroup::addItem(std::string item) {
  items_.push_back(std::move(item));
  changed();
}

void RadioGroup::setItemIndex(int index) {
  if (index < -1 || index >= static_cast<int>(items_.size())) index = -1;
  if (change(itemIndex_, index) && onClick) onClick();
}

void RadioGroup::setColumns(int columns) {
  columns = std::max(columns, 1);
  change(columns_, columns);
}

Edit::Edit(Form& form, std::string name, Rect rect, std::string text, Panel* parent)
    : Control(form, ControlKind::Edit, std::move(name), rect, parent), text_(std::move(text)) {}

void Edit::setText(std::string text) {
  if (change(text_, std::move(text)) && onChange) onChange();
}

void Edit::setReadOnly(bool readOnly) {
  change(readOnly_, readOnly);
}

void Edit::setBorder(bool border) {
  change(border_, border);
}

Memo::Memo(Form& form, std::string name, Rect rect, Panel* parent)
    : Control(form, ControlKind::Memo, std::move(name), rect, parent) {}

void Memo::setLines(std::vector<std::string> lines) {
  if (change(lines_, std::move(lines)) && onChange) onChange();
}

std::string Memo::text() const {
  std::string text;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (i > 0) text += "\r\n";
    text += lines_[i];
  }
  return text;
}

void Memo::setText(std::string_view text) {
  std::vector<std::string> lines;
  if (!text.empty()) {
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
      const char c = text[i];
      if (c == '\r' || c == '\n') {
        lines.push_back(std::move(line));
        line.clear();
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      } else {
        line += c;
      }
    }
    // A final line break is kept as an empty last line, so the text survives exactly.
    lines.push_back(std::move(line));
  }
  setLines(std::move(lines));
}

ScrollBar::ScrollBar(Form& form, std::string name, Rect rect, int min, int max, int position,
                     Panel* parent)
    : Control(form, ControlKind::ScrollBar, std::move(name), rect, parent),
      min_(min),
      max_(std::max(min, max)),
      position_(std::clamp(position, min_, max_)) {}

void ScrollBar::clampAndNotify(int previous) {
  position_ = std::clamp(position_, min_, max_);
  changed();
  if (position_ != previous && onChange) onChange();
}

void ScrollBar::setPosition(int position) {
  position = std::clamp(position, min_, max_);
  if (position == position_) return;
  const int previous = position_;
  position_ = position;
  clampAndNotify(previous);
}

void ScrollBar::setMin(int min) {
  if (min == min_) return;
  min_ = min;
  max_ = std::max(max_, min_);
  clampAndNotify(position_);
}

void ScrollBar::setMax(int max) {
  if (max == max_) return;
  max_ = max;
  min_ = std::min(min_, max_);
  clampAndNotify(position_);
}

void ScrollBar::setSteps(int smallChange, int largeChange) {
  smallChange_ = std::max(smallChange, 1);
  largeChange_ = std::max(largeChange, 1);
  changed();
}

Label::Label(Form& form, std::string name, Rect rect, std::string caption, Panel* parent)
    : CaptionedControl(form, ControlKind::Label, std::move(name), rect, std::move(caption),
                       parent) {}

void Label::setWordWrap(bool wordWrap) {
  change(wordWrap_, wordWrap);
}

void Label::setAlignment(Alignment alignment) {
  change(alignment_, alignment);
}

Picture::Picture(Form& form, std::string name, Rect rect, Panel* parent)
    : Control(form, ControlKind::Picture, std::move(name), rect, parent) {}

void Picture::setImage(Image image) {
  image_ = std::move(image);
  changed();
}

Panel::Panel(Form& form, std::string name, Rect rect, std::string caption, Panel* parent)
    : CaptionedControl(form, ControlKind::Panel, std::move(name), rect, std::move(caption),
                       parent) {}

void Panel::setBevel(bool bevel) {
  change(bevel_, bevel);
}

ProgressBar::ProgressBar(Form& form, std::string name, Rect rect, Panel* parent)
    : Control(form, ControlKind::ProgressBar, std::move(name), rect, parent) {}

void ProgressBar::setMax(int max) {
  max = std::max(max, 0);
  if (max_ == max) return;
  max_ = max;
  position_ = std::min(position_, max_);
  changed();
}

void ProgressBar::setPosition(int position) {
  position = std::clamp(position, 0, max_);
  change(position_, position);
}

}  // namespace tavi::forms
