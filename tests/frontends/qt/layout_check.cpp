#include "layout_check.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>
#include <cmath>

#include "forms/accessibility.h"
#include "forms/caption_room.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "frontends/qt/renderer.h"
#include "frontends/qt/scale.h"

namespace tavi::frontends::qt::testing {

namespace {

// The pixels a widget's text needs beside what the widget itself draws around it.
struct ShownText {
  QString text;
  int room = 0;    // pixels the widget leaves for its text
  int needed = 0;  // pixels the text takes
  bool isText = false;
};

// A button's text as the person reads it: "&&" draws one "&".
QString drawnButtonText(const QAbstractButton& button) {
  return QString(button.text()).replace(QStringLiteral("&&"), QStringLiteral("&"));
}

ShownText shownText(const QWidget& widget) {
  const QFontMetrics metrics(widget.font());
  if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
    if (label->wordWrap()) return {};
    return {label->text(), widget.width(), metrics.horizontalAdvance(label->text()), true};
  }
  if (const auto* box = qobject_cast<const QCheckBox*>(&widget)) {
    const int mark = box->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, box) +
                     box->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, box);
    const QString text = drawnButtonText(*box);
    return {text, widget.width() - mark, metrics.horizontalAdvance(text), true};
  }
  if (const auto* button = qobject_cast<const QPushButton*>(&widget)) {
    QStyleOptionButton option;
    option.initFrom(button);
    const int room =
        button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
    const QString text = drawnButtonText(*button);
    return {text, room, metrics.horizontalAdvance(text), true};
  }
  if (const auto* field = qobject_cast<const QLineEdit*>(&widget)) {
    const int frame = field->hasFrame() ? 2 * field->style()->pixelMetric(
                                                  QStyle::PM_DefaultFrameWidth, nullptr, field)
                                        : 0;
    return {field->text(), widget.width() - 4 - frame, metrics.horizontalAdvance(field->text()),
            true};
  }
  return {};
}

// What a control covers: a label only its text, aligned in its rectangle; anything else all of
// its widget.
QRect covered(const forms::Control& control, const QWidget& widget) {
  const QRect whole = widget.geometry();
  const auto* label = qobject_cast<const QLabel*>(&widget);
  if (label == nullptr) return whole;
  if (label->text().isEmpty()) return {};
  if (label->wordWrap()) return whole;
  const int width =
      std::min(whole.width(), QFontMetrics(widget.font()).horizontalAdvance(label->text()));
  switch (static_cast<const forms::Label&>(control).alignment()) {
    case forms::Alignment::Left:
      return {whole.left(), whole.top(), width, whole.height()};
    case forms::Alignment::Right:
      return {whole.right() + 1 - width, whole.top(), width, whole.height()};
    case forms::Alignment::Center:
      return {whole.left() + (whole.width() - width) / 2, whole.top(), width, whole.height()};
  }
  return whole;
}

QRect designRect(const forms::Control& control) {
  return Scale::of(control.form().pixelsPerInch()).rect(control.rect());
}

}  // namespace

std::vector<std::string> layoutFaults(const Renderer& renderer, const forms::Form& form) {
  std::vector<std::string> faults;
  struct Drawn {
    const forms::Control* control;
    const QWidget* widget;
    QRect covers;
  };
  std::vector<Drawn> drawn;
  for (const forms::Control* control : form.controls()) {
    if (!control->showing()) continue;
    const QWidget* widget = renderer.widget(*control);
    if (widget == nullptr) continue;
    drawn.push_back({control, widget, covered(*control, *widget)});
  }
  for (const Drawn& item : drawn) {
    const std::string name = item.control->name();
    const QWidget* parent = item.widget->parentWidget();
    if (parent != nullptr && !item.covers.isEmpty() && !parent->rect().contains(item.covers)) {
      faults.push_back(name + " reaches outside its " +
                       (item.control->parent() != nullptr ? "panel" : "window"));
    }
    if (forms::hasFittedCaption(*item.control)) {
      const ShownText text = shownText(*item.widget);
      const std::string whole = forms::shownCaption(*item.control);
      if (!text.isText || text.text.isEmpty()) continue;
      if (text.needed > text.room) {
        faults.push_back(name + " shows \"" + text.text.toStdString() + "\" cut off (" +
                         std::to_string(text.needed) + " of " + std::to_string(text.room) +
                         " pixels)");
      }
      if (text.text.toStdString() != whole && !text.text.endsWith(u'…')) {
        faults.push_back(name + " shows \"" + text.text.toStdString() + "\" for \"" + whole +
                         "\" without an ellipsis");
      }
    }
  }
  for (std::size_t a = 0; a < drawn.size(); ++a) {
    for (std::size_t b = a + 1; b < drawn.size(); ++b) {
      const Drawn& one = drawn[a];
      const Drawn& other = drawn[b];
      if (one.control->parent() != other.control->parent()) continue;
      if (!one.covers.intersects(other.covers)) continue;
      if (designRect(*one.control).intersects(designRect(*other.control))) continue;
      faults.push_back(one.control->name() + " covers " + other.control->name());
    }
  }
  return faults;
}

}  // namespace tavi::frontends::qt::testing
