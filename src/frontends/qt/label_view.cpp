#include "frontends/qt/label_view.h"

#include "forms/label_fit.h"

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

void LabelView::syncContent(const ViewStyle& style) {
  scale_ = style.scale;
  const QString caption = QString::fromStdString(label_.caption());
  if (widget_->text() != caption) widget_->setText(caption);
  if (widget_->wordWrap() != label_.wordWrap()) widget_->setWordWrap(label_.wordWrap());
  const Qt::Alignment alignment = alignmentOf(label_.alignment());
  if (widget_->alignment() != alignment) widget_->setAlignment(alignment);
}

QRect LabelView::placement(const QRect& scaled, const QFont& font) {
  const QString text = widget_->text();
  if (text.isEmpty()) return scaled;
  const QFontMetrics metrics(font);
  // QLabel needs a pixel beyond the text's advance to draw its last character whole.
  const QSize needed =
      label_.wordWrap()
          ? metrics.boundingRect(QRect(0, 0, scaled.width(), INT_MAX), Qt::TextWordWrap, text)
                .size()
          : metrics.size(0, text) + QSize(1, 0);
  const forms::Rect fitted =
      forms::fittedLabelRect(label_, scale_.design(needed.width()), scale_.design(needed.height()));
  return scale_.rect(fitted);
}

}  // namespace tavi::frontends::qt
