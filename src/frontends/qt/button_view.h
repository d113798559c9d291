#pragma once

#include <QPushButton>
#include <memory>

#include "forms/controls.h"
#include "frontends/qt/control_view.h"

namespace tavi::frontends::qt {

class ButtonView : public ControlView {
 public:
  ButtonView(forms::Button& button, QWidget& parent, InputSink& input);
  QWidget& widget() override { return *widget_; }

 private:
  void syncContent(const ViewStyle& style) override;
  QSize captionSize(const QFont& font, const QString& text, int width) const override;
  // The button paints its whole face; only its rounded corners would change.
  bool fillsOwnBackground() const override { return false; }

  forms::Button& button_;
  std::unique_ptr<QPushButton> widget_;
};

}  // namespace tavi::frontends::qt
