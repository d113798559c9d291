#include "frontends/qt/edit_view.h"

#include <QSignalBlocker>

namespace tavi::frontends::qt {

EditView::EditView(forms::Edit& edit, QWidget& parent, InputSink& input)
    : ControlView(edit, input), edit_(edit), widget_(std::make_unique<QLineEdit>(&parent)) {
  widget_->setFocusPolicy(Qt::TabFocus);
  widget_->setContextMenuPolicy(Qt::NoContextMenu);
  watch(*widget_);
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
  // Rewriting an unchanged text would move the cursor while the person types.
  const QString text = QString::fromStdString(edit_.text());
  if (widget_->text() != text) widget_->setText(text);
}

}  // namespace tavi::frontends::qt
