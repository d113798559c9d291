#pragma once

#include <functional>
#include <string>
#include <vector>

#include "forms/control.h"
#include "forms/image.h"

namespace tavi::forms {

class Button : public CaptionedControl {
 public:
  Button(Form& form, std::string name, Rect rect, std::string caption, Panel* parent = nullptr);
  std::function<void()> onClick;
};

// Ticking from code behaves like the real box: the click handler runs when the state changes.
class CheckBox : public CaptionedControl {
 public:
  CheckBox(Form& form, std::string name, Rect rect, std::string caption, Panel* parent = nullptr);
  bool checked() const { return checked_; }
  void setChecked(bool checked);
  std::function<void()> onClick;

 private:
  bool checked_ = false;
};

// Choosing an item from code behaves like the real group: the click handler runs on a change.
class RadioGroup : public CaptionedControl {
 public:
  RadioGroup(Form& form, std::string name, Rect rect, std::string caption,
             std::vector<std::string> items, Panel* parent = nullptr);
  const std::vector<std::string>& items() const { return items_; }
  void clearItems();
  void addItem(std::string item);
  // -1 when no item is chosen; an index past the last item chooses nothing.
  int itemIndex() const { return itemIndex_; }
  void setItemIndex(int index);
  int columns() const { return columns_; }
  void setColumns(int columns);
  std::function<void()> onClick;

 private:
  std::vector<std::string> items_;
  int itemIndex_ = -1;
  int columns_ = 1;
};

// A one-line edit field. Setting the text from code runs the change handler on a change.
class Edit : public Control {
 public:
  Edit(Form& form, std::string name, Rect rect, std::string text, Panel* parent = nullptr);
  const std::string& text() const { return text_; }
  void setText(std::string text);
  bool readOnly() const { return readOnly_; }
  void setReadOnly(bool readOnly);
  // False for a field drawn without its frame, to read like a label.
  bool border() const { return border_; }
  void setBorder(bool border);
  std::function<void()> onChange;
  // A click into the field, after the focus has moved there.
  std::function<void()> onClick;

 private:
  std::string text_;
  bool readOnly_ = false;
  bool border_ = true;
};

// A multi-line edit field; its text is a list of lines split at every line break, so a text
// that ends with a line break has an empty last line and the text round-trips exactly.
class Memo : public Control {
 public:
  Memo(Form& form, std::string name, Rect rect, Panel* parent = nullptr);
  const std::vector<std::string>& lines() const { return lines_; }
  void setLines(std::vector<std::string> lines);
  // The whole text with CR LF between lines, as the native control holds it.
  std::string text() const;
  // Splits at CR LF, LF or CR; the breaks become CR LF.
  void setText(std::string_view text);
  std::function<void()> onChange;

 private:
  std::vector<std::string> lines_;
};

// A horizontal scroll bar. The position always lies in min..max; the change handler runs only
// when the position really changes, whether the user or the code moved it.
class ScrollBar : public Control {
 public:
  ScrollBar(Form& form, std::string name, Rect rect, int min, int max, int position,
            Panel* parent = nullptr);
  int min() const { return min_; }
  int max() const { return max_; }
  int position() const { return position_; }
  void setPosition(int position);
  void setMin(int min);
  void setMax(int max);
  int smallChange() const { return smallChange_; }
  int largeChange() const { return largeChange_; }
  void setSteps(int smallChange, int largeChange);
  std::function<void()> onChange;

 private:
  void clampAndNotify(int previous);
  int min_;
  int max_;
  int position_;
  int smallChange_ = 1;
  int largeChange_ = 1;
};

enum class Alignment : std::uint8_t { Left, Center, Right };

class Label : public CaptionedControl {
 public:
  Label(Form& form, std::string name, Rect rect, std::string caption, Panel* parent = nullptr);
  bool wordWrap() const { return wordWrap_; }
  void setWordWrap(bool wordWrap);
  Alignment alignment() const { return alignment_; }
  void setAlignment(Alignment alignment);

 private:
  bool wordWrap_ = false;
  Alignment alignment_ = Alignment::Left;
};

// A picture; the program draws its pixels. Stretched to the control's rectangle.
class Picture : public Control {
 public:
  Picture(Form& form, std::string name, Rect rect, Panel* parent = nullptr);
  const Image& image() const { return image_; }
  void setImage(Image image);
  std::function<void()> onClick;

 private:
  Image image_;
};

// A panel that holds other controls; their rectangles are relative to its client area.
class Panel : public CaptionedControl {
 public:
  Panel(Form& form, std::string name, Rect rect, std::string caption = {}, Panel* parent = nullptr);
  bool bevel() const { return bevel_; }
  void setBevel(bool bevel);

 private:
  bool bevel_ = true;
};

// Shows how far a long operation has come; the user cannot change it.
class ProgressBar : public Control {
 public:
  ProgressBar(Form& form, std::string name, Rect rect, Panel* parent = nullptr);
  int max() const { return max_; }
  int position() const { return position_; }
  void setMax(int max);
  // Clamped to 0..max.
  void setPosition(int position);

 private:
  int max_ = 100;
  int position_ = 0;
};

}  // namespace tavi::forms
