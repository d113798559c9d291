#include "frontends/qt/button_view.h"

#include <QFontMetrics>
#include <QStyle>
#include <QStyleOptionButton>

#include "forms/literal_caption.h"

namespace tavi::frontends::qt {

ButtonView::ButtonView(forms::Button& button, QWidget& parent, InputSink& input)
    : ControlView(button, input), button_(button), widget_(std::make_unique<QPushButton>(&parent)) {
  widget_->setFocusPolicy(Qt::TabFocus);
  widget_->setAutoDefault(false);
  watch(*widget_);
  QObject::connect(widget_.get(), &QPushButton::clicked, this, [this] {
    this->input().deliver(button_, [this](forms::Application& app) { app.click(button_); });
  });
}

void ButtonView::syncContent(const ViewStyle& /*style*/) {
  const QString caption =
      QString::fromStdString(forms::withLiteralAmpersands(shownCaption().toStdString()));
  if (widget_->text() != caption) widget_->setText(caption);
}

QSize ButtonView::captionSize(const QFont& font, const QString& text, int width) const {
  QStyleOptionButton option;
  option.initFrom(widget_.get());
  option.rect.setWidth(width);
  const int room = widget_->style()
                       ->subElementRect(QStyle::SE_PushButtonContents, &option, widget_.get())
                       .width();
  return {QFontMetrics(font).horizontalAdvance(text) + width - room, 0};
}

}  // namespace tavi::frontends::qt
