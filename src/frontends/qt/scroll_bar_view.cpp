#include "frontends/qt/scroll_bar_view.h"

#include <QSignalBlocker>

namespace tavi::frontends::qt {

ScrollBarView::ScrollBarView(forms::ScrollBar& bar, QWidget& parent, InputSink& input)
    : ControlView(bar, input),
      bar_(bar),
      widget_(std::make_unique<QScrollBar>(Qt::Horizontal, &parent)) {
  widget_->setFocusPolicy(Qt::TabFocus);
  watch(*widget_);
  // The sync blocks the signals while it writes, so only a person's move gets here; dragging
  // the thumb reports every position on the way, as the native bar does.
  QObject::connect(widget_.get(), &QScrollBar::valueChanged, this, [this](int position) {
    this->input().deliver(
        bar_, [this, position](forms::Application& app) { app.scroll(bar_, position); });
  });
}

void ScrollBarView::syncContent(const ViewStyle& /*style*/) {
  const QSignalBlocker quiet(widget_.get());
  if (widget_->minimum() != bar_.min() || widget_->maximum() != bar_.max()) {
    widget_->setRange(bar_.min(), bar_.max());
  }
  if (widget_->singleStep() != bar_.smallChange()) widget_->setSingleStep(bar_.smallChange());
  if (widget_->pageStep() != bar_.largeChange()) widget_->setPageStep(bar_.largeChange());
  if (widget_->value() != bar_.position()) widget_->setValue(bar_.position());
}

}  // namespace tavi::frontends::qt
