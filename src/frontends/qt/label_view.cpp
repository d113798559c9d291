#include "frontends/qt/label_view.h"

#include <QFontMetrics>
#include <climits>

namespace tavi::frontends::qt {

namespace {

Qt::Alignment alignmentOf(forms::Alignment alignment) {
  switch (alignment) {
    case forms::Alignment::Left:
      return Qt::AlignLeft | Qt::AlignTop;
    case forms::Alignment::Center:
      return Qt::AlignHCenter | Qt::AlignTop;
    case forms::Alignment::Right:
      return Qt::AlignRight | Qt::AlignTop;
  }
  return Qt::AlignLeft | Qt::AlignTop;
}

}  // namespace

LabelView::LabelView(forms::Label& label, QWidget& parent, InputSink& input)
    : ControlView(label, input), label_(label), widget_(std::make_unique<QLabel>(&parent)) {
  widget_->setTextFormat(Qt::PlainText);
  widget_->setFocusPolicy(Qt::NoFocus);
  widget_->setMargin(0);
  widget_->setIndent(0);
}

void LabelView::syncContent(const ViewStyle& /*style*/) {
  const QString caption = shownCaption();
  if (widget_->text() != caption) widget_->setText(caption);
  if (widget_->wordWrap() != label_.wordWrap()) widget_->setWordWrap(label_.wordWrap());
  const Qt::Alignment alignment = alignmentOf(label_.alignment());
  if (widget_->alignment() != alignment) widget_->setAlignment(alignment);
}

QSize LabelView::captionSize(const QFont& font, const QString& text, int width) const {
  const QFontMetrics metrics(font);
  // QLabel needs a pixel beyond the text's advance to draw its last character whole.
  return label_.wordWrap()
             ? metrics.boundingRect(QRect(0, 0, width, INT_MAX), Qt::TextWordWrap, text).size()
             : metrics.size(0, text) + QSize(1, 0);
}

}  // namespace tavi::frontends::qt
