#include "frontends/qt/picture_view.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace tavi::frontends::qt {

namespace {

constexpr const char* kKeyboardAction = "taviKeyboardAction";

QAccessibleInterface* actionPictureAccessible(const QString& /*className*/, QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  if (widget == nullptr || !widget->property(kKeyboardAction).toBool()) return nullptr;
  // What a factory makes belongs to Qt's accessibility cache, which deletes it with the widget.
  return new QAccessibleWidget(widget, QAccessible::Button);
}

}  // namespace

QImage toQImage(const forms::Image& image) {
  if (image.empty()) return {};
  // 0xAARRGGBB words are exactly Qt's ARGB32 layout; copy() lets the model's buffer go.
  return QImage(reinterpret_cast<const uchar*>(image.pixels.data()), image.width, image.height,
                image.width * 4, QImage::Format_ARGB32)
      .copy();
}

PictureWidget::PictureWidget(QWidget& parent) : QWidget(&parent) {
  static const bool factoryInstalled = [] {
    QAccessible::installFactory(actionPictureAccessible);
    return true;
  }();
  static_cast<void>(factoryInstalled);
  setFocusPolicy(Qt::NoFocus);
}

void PictureWidget::setKeyboardAction(bool action) {
  if (property(kKeyboardAction).toBool() == action) return;
  setProperty(kKeyboardAction, action);
  // Tab reaches it, a click does not: the model's focus stays where a click left it.
  setFocusPolicy(action ? Qt::TabFocus : Qt::NoFocus);
}

void PictureWidget::setImage(QImage image) {
  image_ = std::move(image);
  update();
}

void PictureWidget::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  if (!image_.isNull()) {
    painter.setRenderHint(QPainter::SmoothPixmapTransform, image_.size() != size());
    painter.drawImage(rect(), image_);
  }
  if (hasFocus()) {
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = rect();
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
  }
}

void PictureWidget::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  update();
}

void PictureWidget::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  update();
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
  widget_->setKeyboardAction(picture_.takesKeyboardFocus());
  watch(*widget_);
}

bool PictureView::keyPressed(QKeyEvent& event) {
  // Space and Enter were the model's action: the window hears no more of them.
  const int key = event.key();
  return picture_.takesKeyboardFocus() &&
         (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter);
}

void PictureView::syncContent(const ViewStyle& /*style*/) {
  widget_->setKeyboardAction(picture_.takesKeyboardFocus());
  QImage image = toQImage(picture_.image());
  if (image != widget_->image()) widget_->setImage(std::move(image));
}

}  // namespace tavi::frontends::qt
