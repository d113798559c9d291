#pragma once

#include <QLabel>
#include <memory>

#include "forms/controls.h"
#include "frontends/qt/control_view.h"
#include "frontends/qt/scale.h"

namespace tavi::frontends::qt {

// A label, grown to show its whole caption where the model places it.
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
  // The window's scale at the last sync, which the placement measures with.
  Scale scale_;
};

}  // namespace tavi::frontends::qt
