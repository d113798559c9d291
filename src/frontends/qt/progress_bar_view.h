#pragma once

#include <QProgressBar>
#include <memory>

#include "forms/controls.h"
#include "frontends/qt/control_view.h"

namespace tavi::frontends::qt {

class ProgressBarView : public ControlView {
 public:
  ProgressBarView(forms::ProgressBar& bar, QWidget& parent, InputSink& input);
  QWidget& widget() override { return *widget_; }

 private:
  void syncContent(const ViewStyle& style) override;

  forms::ProgressBar& bar_;
  std::unique_ptr<QProgressBar> widget_;
};

}  // namespace tavi::frontends::qt
