#pragma once

#include <QPlainTextEdit>
#include <memory>

#include "forms/controls.h"
#include "frontends/qt/control_view.h"

namespace tavi::frontends::qt {

class MemoView : public ControlView {
 public:
  MemoView(forms::Memo& memo, QWidget& parent, InputSink& input);
  QWidget& widget() override { return *widget_; }

 private:
  void syncContent(const ViewStyle& style) override;

  forms::Memo& memo_;
  std::unique_ptr<QPlainTextEdit> widget_;
};

}  // namespace tavi::frontends::qt
