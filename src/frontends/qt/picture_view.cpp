#include "frontends/qt/picture_view.h"

#include <QMouseEvent>
#include <QPainter>

namespace tavi::frontends::qt {

QImage toQImage(const forms::Image& image) {
  if (image.empty()) return {};
  // 0xAARRGGBB words are exactly Qt's ARGB32 layout; copy() lets the model's buffer go.
  return QImage(reinterpret_cast<const uchar*>(image.pixels.data()), image.width, image.height,
                image.width * 4, QImage::Format_ARGB32)
      .copy();
}

PictureWidget::PictureWidget(QWidget& parent) : QWidget(&parent) {
  setFocusPolicy(Qt::NoFocus);
}

void PictureWidget::setImage(QImage image) {
  image_ = std::move(image);
  update();
}

void PictureWidget::paintEvent(QPaintEvent* /*event*/) {
  if (image_.isNull()) return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, image_.size() != size());
  painter.drawImage(rect(), image_);
}

void PictureWidget::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton;
}

void PictureWidget::mouseReleaseEvent(QMouseEvent* event) {
  const bool click =
      pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  pressed_ = false;
  if (click && onClick) onClick();
}

PictureView::PictureView(forms::Picture& picture, QWidget& parent, InputSink& input)
    : ControlView(picture, input),
      picture_(picture),
      widget_(std::make_unique<PictureWidget>(parent)) {
  widget_->onClick = [this] {
    this->input().deliver(picture_, [this](forms::Application& app) { app.click(picture_); });
  };
}

void PictureView::syncContent(const ViewStyle& /*style*/) {
  QImage image = toQImage(picture_.image());
  if (image != widget_->image()) widget_->setImage(std::move(image));
}

}  // namespace tavi::frontends::qt
