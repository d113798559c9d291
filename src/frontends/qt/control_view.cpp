#include "frontends/qt/control_view.h"

#include <QApplication>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPalette>

#include "forms/accessibility.h"
#include "forms/form.h"
#include "frontends/qt/colors.h"
#include "frontends/qt/key_codes.h"

namespace tavi::frontends::qt {

ControlView::ControlView(forms::Control& control, InputSink& input)
    : control_(control), input_(input) {}

void ControlView::sync(const ViewStyle& style, const forms::CaptionRoom& room, bool force) {
  if (!force && syncedRevision_ == control_.revision()) return;
  syncedRevision_ = control_.revision();
  room_ = room;
  QWidget& native = widget();
  const QFont font = style.fonts.font(control_.font(), style.scale);
  if (native.font() != font) native.setFont(font);
  applyColors(native);
  syncContent(style);
  const QRect where = style.scale.rect(room.rect);
  if (native.geometry() != where) native.setGeometry(where);
  const QString tip = QString::fromStdString(forms::toolTip(control_, room.whole));
  if (native.toolTip() != tip) native.setToolTip(tip);
  if (native.testAttribute(Qt::WA_Disabled) == control_.enabled()) {
    native.setEnabled(control_.enabled());
  }
  if (native.isHidden() == control_.visible()) native.setVisible(control_.visible());
}

QSize ControlView::captionSize(const QFont& font, const QString& text, int /*width*/) const {
  return {QFontMetrics(font).horizontalAdvance(text), 0};
}

void ControlView::syncAccessibleName() {
  const QString name = QString::fromStdString(forms::accessibleName(control_));
  if (widget().accessibleName() != name) widget().setAccessibleName(name);
}

void ControlView::applyColors(QWidget& native) {
  const QPalette& system = QApplication::palette();
  const QColor background = toQColor(control_.color(), system);
  const forms::Color& textColor = control_.font().color;
  // The default text colour is left to the palette, so that disabled text still greys out.
  const QColor text =
      textColor == forms::Color::windowText() ? QColor() : toQColor(textColor, system);
  if (background == background_ && text == text_ && native.testAttribute(Qt::WA_SetPalette)) {
    return;
  }
  background_ = background;
  text_ = text;
  QPalette palette;
  if (background.isValid()) palette.setColor(native.backgroundRole(), background);
  if (text.isValid()) {
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
      for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(group, role, text);
      }
    }
  }
  native.setPalette(palette);
  native.setAutoFillBackground(background.isValid() || fillsOwnBackground());
}

void ControlView::watch(QWidget& native) {
  native.installEventFilter(this);
}

bool ControlView::eventFilter(QObject* /*watched*/, QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
      const auto& mouse = static_cast<const QMouseEvent&>(*event);
      if (mouse.button() != Qt::LeftButton || !control_.canFocus()) return false;
      return !input_.focusForPress(control_);
    }
    case QEvent::FocusIn: {
      const auto reason = static_cast<const QFocusEvent&>(*event).reason();
      if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) {
        input_.focusByKeyboard(control_);
      }
      return false;
    }
    case QEvent::KeyPress: {
      auto& key = static_cast<QKeyEvent&>(*event);
      // The key belonged to the control that had the focus: when a handler moved the focus
      // away or took the control away, the key goes no further.
      if (const auto code = virtualKey(key); code && !input_.keyPressed(control_, *code)) {
        return true;
      }
      return keyPressed(key);
    }
    default:
      return false;
  }
}

}  // namespace tavi::frontends::qt
