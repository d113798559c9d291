#pragma once

#include <QFrame>
#include <QString>
#include <memory>

#include "forms/controls.h"
#include "frontends/qt/control_view.h"

namespace tavi::frontends::qt {

// A panel: a raised bevel when it has one, its caption centred.
class PanelWidget : public QFrame {
 public:
  explicit PanelWidget(QWidget& parent);
  void setCaption(const QString& caption);
  const QString& caption() const { return caption_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString caption_;
};

class PanelView : public ControlView {
 public:
  PanelView(forms::Panel& panel, QWidget& parent, InputSink& input);
  QWidget& widget() override { return *widget_; }

 private:
  void syncContent(const ViewStyle& style) override;

  forms::Panel& panel_;
  std::unique_ptr<PanelWidget> widget_;
};

}  // namespace tavi::frontends::qt
