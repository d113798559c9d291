#pragma once

#include <QScrollBar>
#include <memory>

#include "forms/controls.h"
#include "frontends/qt/control_view.h"

namespace tavi::frontends::qt {

class ScrollBarView : public ControlView {
 public:
  ScrollBarView(forms::ScrollBar& bar, QWidget& parent, InputSink& input);
  QWidget& widget() override { return *widget_; }

 private:
  void syncContent(const ViewStyle& style) override;

  forms::ScrollBar& bar_;
  std::unique_ptr<QScrollBar> widget_;
};

}  // namespace tavi::frontends::qt
