#pragma once

#include <QLabel>
#include <memory>

#include "forms/controls.h"
#include "frontends/qt/control_view.h"

namespace tavi::frontends::qt {

// A label, where the model places it and with the caption it lets it show.
class LabelView : public ControlView {
 public:
  LabelView(forms::Label& label, QWidget& parent, InputSink& input);
  QWidget& widget() override { return *widget_; }
  QSize captionSize(const QFont& font, const QString& text, int width) const override;

 private:
  void syncContent(const ViewStyle& style) override;
  bool fillsOwnBackground() const override { return false; }

  forms::Label& label_;
  std::unique_ptr<QLabel> widget_;
};

}  // namespace tavi::frontends::qt
