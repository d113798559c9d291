#pragma once

#include <QGroupBox>
#include <memory>
#include <vector>

#include "forms/controls.h"
#include "frontends/qt/control_view.h"
#include "frontends/qt/whole_area_buttons.h"

namespace tavi::frontends::qt {

// A framed group of radio items laid out column by column below the caption. The group is one
// stop for Tab; the arrow keys choose the previous or next item, as in the native group.
class RadioGroupView : public ControlView {
 public:
  RadioGroupView(forms::RadioGroup& group, QWidget& parent, InputSink& input);
  QWidget& widget() override { return *box_; }
  QWidget& focusTarget() override;

 private:
  void syncContent(const ViewStyle& style) override;
  bool keyPressed(QKeyEvent& event) override;
  void rebuildItems();
  void layOutItems(const ViewStyle& style);
  void choose(int item);

  forms::RadioGroup& group_;
  std::unique_ptr<QGroupBox> box_;
  std::vector<std::unique_ptr<WholeAreaRadioButton>> items_;
};

}  // namespace tavi::frontends::qt
