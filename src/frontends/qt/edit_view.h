#pragma once

#include <QLineEdit>
#include <memory>

#include "forms/controls.h"
#include "frontends/qt/control_view.h"

namespace tavi::frontends::qt {

class EditView : public ControlView {
 public:
  EditView(forms::Edit& edit, QWidget& parent, InputSink& input);
  QWidget& widget() override { return *widget_; }

 private:
  void syncContent(const ViewStyle& style) override;

  forms::Edit& edit_;
  std::unique_ptr<QLineEdit> widget_;
};

}  // namespace tavi::frontends::qt
