#include "frontends/qt/edit_view.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QStyle>

#include "forms/caption_room.h"

namespace tavi::frontends::qt {

void ClickableLineEdit::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton;
  QLineEdit::mousePressEvent(event);
}

void ClickableLineEdit::mouseReleaseEvent(QMouseEvent* event) {
  QLineEdit::mouseReleaseEvent(event);
  const bool click =
      pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  pressed_ = false;
  if (click && onClick) onClick();
}

EditView::EditView(forms::Edit& edit, QWidget& parent, InputSink& input)
    : ControlView(edit, input), edit_(edit), widget_(std::make_unique<ClickableLineEdit>(parent)) {
  widget_->setFocusPolicy(Qt::TabFocus);
  widget_->setContextMenuPolicy(Qt::NoContextMenu);
  watch(*widget_);
  // A press that an exit handler cancelled never reaches the field, so it makes no click.
  widget_->onClick = [this] {
    this->input().deliver(edit_, [this](forms::Application& app) { app.click(edit_); });
  };
  // `textEdited` comes from a person only, unlike `textChanged`.
  QObject::connect(widget_.get(), &QLineEdit::textEdited, this, [this](const QString& text) {
    this->input().deliver(edit_, [this, text](forms::Application& app) {
      app.changeText(edit_, text.toStdString());
    });
  });
}

void EditView::syncContent(const ViewStyle& /*style*/) {
  const QSignalBlocker quiet(widget_.get());
  if (widget_->isReadOnly() != edit_.readOnly()) widget_->setReadOnly(edit_.readOnly());
  if (widget_->hasFrame() != edit_.border()) widget_->setFrame(edit_.border());
  // Rewriting an unchanged text would move the cursor while the person types.
  // A field drawn as a caption shows what the model lets it, from its first character.
  const bool caption = forms::hasFittedCaption(edit_);
  const QString text = caption ? shownCaption() : QString::fromStdString(edit_.text());
  if (widget_->text() != text) {
    widget_->setText(text);
    if (caption) widget_->setCursorPosition(0);
  }
}

QSize EditView::captionSize(const QFont& font, const QString& text, int /*width*/) const {
  // The line edit keeps two pixels free on either side of its text, inside any frame.
  constexpr int kTextMargins = 4;
  const int frame = edit_.border() ? 2 * widget_->style()->pixelMetric(QStyle::PM_DefaultFrameWidth,
                                                                       nullptr, widget_.get())
                                   : 0;
  return {QFontMetrics(font).horizontalAdvance(text) + kTextMargins + frame, 0};
}

}  // namespace tavi::frontends::qt
