#include "frontends/qt/progress_bar_view.h"

namespace tavi::frontends::qt {

ProgressBarView::ProgressBarView(forms::ProgressBar& bar, QWidget& parent, InputSink& input)
    : ControlView(bar, input), bar_(bar), widget_(std::make_unique<QProgressBar>(&parent)) {
  widget_->setFocusPolicy(Qt::NoFocus);
  widget_->setTextVisible(false);
  widget_->setMinimum(0);
}

void ProgressBarView::syncContent(const ViewStyle& /*style*/) {
  if (widget_->maximum() != bar_.max()) widget_->setMaximum(bar_.max());
  if (widget_->value() != bar_.position()) widget_->setValue(bar_.position());
}

}  // namespace tavi::frontends::qt
