#include "frontends/qt/radio_group_view.h"

#include "forms/literal_caption.h"
#include "forms/radio_keys.h"
#include "frontends/qt/key_codes.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <algorithm>

namespace tavi::frontends::qt {

RadioGroupView::RadioGroupView(forms::RadioGroup& group, QWidget& parent, InputSink& input)
    : ControlView(group, input), group_(group), box_(std::make_unique<QGroupBox>(&parent)) {
  box_->setFocusPolicy(Qt::NoFocus);
}

QWidget& RadioGroupView::focusTarget() {
  if (items_.empty()) return *box_;
  const int chosen = group_.itemIndex();
  return chosen >= 0 && chosen < static_cast<int>(items_.size()) ? *items_[chosen] : *items_[0];
}

void RadioGroupView::rebuildItems() {
  items_.clear();
  for (std::size_t i = 0; i < group_.items().size(); ++i) {
    auto item = std::make_unique<WholeAreaRadioButton>(box_.get());
    // The group decides which item is chosen; the native buttons only show it.
    item->setAutoExclusive(false);
    watch(*item);
    const int index = static_cast<int>(i);
    QObject::connect(item.get(), &QRadioButton::clicked, this, [this, index] { choose(index); });
    item->show();
    items_.push_back(std::move(item));
  }
}

void RadioGroupView::syncContent(const ViewStyle& style) {
  const QString caption = QString::fromStdString(forms::withLiteralAmpersands(group_.caption()));
  if (box_->title() != caption) box_->setTitle(caption);
  if (items_.size() != group_.items().size()) rebuildItems();
  const int chosen = group_.itemIndex();
  for (std::size_t i = 0; i < items_.size(); ++i) {
    WholeAreaRadioButton& item = *items_[i];
    const QSignalBlocker quiet(&item);
    const QString text = QString::fromStdString(forms::withLiteralAmpersands(group_.items()[i]));
    if (item.text() != text) item.setText(text);
    const bool checked = static_cast<int>(i) == chosen;
    if (item.isChecked() != checked) item.setChecked(checked);
  }
  // One Tab stop: the chosen item, or the first when none is chosen.
  QWidget& target = focusTarget();
  for (const auto& item : items_) {
    item->setFocusPolicy(item.get() == &target ? Qt::TabFocus : Qt::NoFocus);
  }
  layOutItems(style);
}

void RadioGroupView::layOutItems(const ViewStyle& style) {
  if (items_.empty()) return;
  const QRect area = style.scale.rect(group_.rect());
  const QFontMetrics metrics(style.fonts.font(group_.font(), style.scale));
  const int count = static_cast<int>(items_.size());
  const int columns = std::clamp(group_.columns(), 1, count);
  const int perColumn = (count + columns - 1) / columns;
  // Below the caption's line, rows share the height; the columns share the width inside the
  // frame.
  const int inset = style.scale.px(8);
  const int columnWidth = std::max(1, (area.width() - inset - style.scale.px(2)) / columns);
  const int free = std::max(0, area.height() - metrics.height() - style.scale.px(5));
  const int rowHeight = std::max(1, free / perColumn);
  const int top = metrics.height() + 1 + (free % perColumn) / 2;
  for (int i = 0; i < count; ++i) {
    const QRect place(inset + (i / perColumn) * columnWidth, top + (i % perColumn) * rowHeight,
                      columnWidth, rowHeight);
    if (items_[i]->geometry() != place) items_[i]->setGeometry(place);
  }
}

void RadioGroupView::choose(int item) {
  input().deliver(group_, [this, item](forms::Application& app) { app.choose(group_, item); });
}

bool RadioGroupView::keyPressed(QKeyEvent& event) {
  const auto key = virtualKey(event);
  const auto next = key ? forms::itemForArrow(group_, *key) : std::nullopt;
  if (!next) return false;
  if (*next != group_.itemIndex()) choose(*next);
  return true;
}

}  // namespace tavi::frontends::qt
