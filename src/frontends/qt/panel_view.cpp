#include "frontends/qt/panel_view.h"

#include <QPainter>

#include "frontends/qt/label_view.h"

namespace tavi::frontends::qt {

PanelWidget::PanelWidget(QWidget& parent) : QFrame(&parent) {
  setFocusPolicy(Qt::NoFocus);
}

void PanelWidget::setCaption(const QString& caption) {
  caption_ = caption;
  update();
}

void PanelWidget::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  if (caption_.isEmpty()) return;
  QPainter painter(this);
  painter.setPen(
      palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
  painter.drawText(contentsRect(), Qt::AlignCenter, caption_);
}

PanelView::PanelView(forms::Panel& panel, QWidget& parent, InputSink& input)
    : ControlView(panel, input), panel_(panel), widget_(std::make_unique<PanelWidget>(parent)) {}

void PanelView::syncContent(const ViewStyle& /*style*/) {
  const QString caption = QString::fromStdString(panel_.caption());
  if (widget_->caption() != caption) widget_->setCaption(caption);
  const QFrame::Shape shape = panel_.bevel() ? QFrame::Panel : QFrame::NoFrame;
  if (widget_->frameShape() != shape) {
    widget_->setFrameShape(shape);
    widget_->setFrameShadow(QFrame::Raised);
    widget_->setLineWidth(1);
  }
}

}  // namespace tavi::frontends::qt
