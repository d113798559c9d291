#include "frontends/qt/radio_group_view.h"

#include "forms/literal_caption.h"
#include "forms/radio_keys.h"
#include "forms/radio_layout.h"
#include "frontends/qt/key_codes.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QSignalBlocker>

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
  const QFontMetrics metrics(style.fonts.font(group_.font(), style.scale));
  const auto places = forms::radioItemRects(group_, style.scale.design(metrics.height()));
  for (std::size_t i = 0; i < items_.size() && i < places.size(); ++i) {
    const QRect place = style.scale.rect(places[i]);
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
