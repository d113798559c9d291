#include "frontends/qt/button_view.h"

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
  const QString caption = QString::fromStdString(button_.caption());
  if (widget_->text() != caption) widget_->setText(caption);
}

}  // namespace tavi::frontends::qt
