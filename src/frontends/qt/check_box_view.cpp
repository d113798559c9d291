#include "frontends/qt/check_box_view.h"

#include <QFontMetrics>
#include <QSignalBlocker>
#include <QStyle>

#include "forms/literal_caption.h"

namespace tavi::frontends::qt {

CheckBoxView::CheckBoxView(forms::CheckBox& box, QWidget& parent, InputSink& input)
    : ControlView(box, input), box_(box), widget_(std::make_unique<WholeAreaCheckBox>(&parent)) {
  widget_->setFocusPolicy(Qt::TabFocus);
  // A check box shows the window's colour behind it, not a button's.
  widget_->setBackgroundRole(QPalette::Window);
  watch(*widget_);
  // `clicked` comes from a person only; a tick set by the sync does not raise it. The model
  // toggles its own state, as for a click on Windows.
  QObject::connect(widget_.get(), &QCheckBox::clicked, this, [this] {
    this->input().deliver(box_, [this](forms::Application& app) { app.click(box_); });
  });
}

void CheckBoxView::syncContent(const ViewStyle& /*style*/) {
  const QSignalBlocker quiet(widget_.get());
  const QString caption =
      QString::fromStdString(forms::withLiteralAmpersands(shownCaption().toStdString()));
  if (widget_->text() != caption) widget_->setText(caption);
  if (widget_->isChecked() != box_.checked()) widget_->setChecked(box_.checked());
}

QSize CheckBoxView::captionSize(const QFont& font, const QString& text, int /*width*/) const {
  const QStyle& style = *widget_->style();
  const int mark = style.pixelMetric(QStyle::PM_IndicatorWidth, nullptr, widget_.get()) +
                   style.pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, widget_.get());
  return {QFontMetrics(font).horizontalAdvance(text) + mark, 0};
}

}  // namespace tavi::frontends::qt
