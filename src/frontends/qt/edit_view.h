#pragma once

#include <QLineEdit>
#include <functional>
#include <memory>

#include "forms/controls.h"
#include "frontends/qt/control_view.h"

namespace tavi::frontends::qt {

// A one-line field that reports a click: a press and a release of the left button inside it.
class ClickableLineEdit : public QLineEdit {
 public:
  explicit ClickableLineEdit(QWidget& parent) : QLineEdit(&parent) {}
  std::function<void()> onClick;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool pressed_ = false;
};

class EditView : public ControlView {
 public:
  EditView(forms::Edit& edit, QWidget& parent, InputSink& input);
  QWidget& widget() override { return *widget_; }

 private:
  void syncContent(const ViewStyle& style) override;
  QSize captionSize(const QFont& font, const QString& text, int width) const override;

  forms::Edit& edit_;
  std::unique_ptr<ClickableLineEdit> widget_;
};

}  // namespace tavi::frontends::qt
