#pragma once

#include <memory>

#include "forms/controls.h"
#include "frontends/qt/control_view.h"
#include "frontends/qt/whole_area_buttons.h"

namespace tavi::frontends::qt {

class CheckBoxView : public ControlView {
 public:
  CheckBoxView(forms::CheckBox& box, QWidget& parent, InputSink& input);
  QWidget& widget() override { return *widget_; }

 private:
  void syncContent(const ViewStyle& style) override;
  QSize captionSize(const QFont& font, const QString& text, int width) const override;

  forms::CheckBox& box_;
  std::unique_ptr<WholeAreaCheckBox> widget_;
};

}  // namespace tavi::frontends::qt
