#pragma once

#include <QLabel>
#include <memory>

#include "forms/controls.h"
#include "frontends/qt/control_view.h"

namespace tavi::frontends::qt {

// A label grows to show its whole caption, as the design system's self-sizing labels do: to
// the right, to the left when right-aligned, to both sides when centred, down when wrapped.
class LabelView : public ControlView {
 public:
  LabelView(forms::Label& label, QWidget& parent, InputSink& input);
  QWidget& widget() override { return *widget_; }

 private:
  void syncContent(const ViewStyle& style) override;
  QRect placement(const QRect& scaled, const QFont& font) override;
  bool fillsOwnBackground() const override { return false; }

  forms::Label& label_;
  std::unique_ptr<QLabel> widget_;
};

}  // namespace tavi::frontends::qt
