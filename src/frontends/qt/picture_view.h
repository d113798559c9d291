#pragma once

#include <QImage>
#include <QWidget>
#include <functional>
#include <memory>

#include "forms/controls.h"
#include "frontends/qt/control_view.h"

namespace tavi::frontends::qt {

// Shows the pixels that the program drew, stretched to the widget; a click is a press and a
// release of the left button inside it. One that stands for an action takes the focus from
// the keyboard only, shows it, and is announced as a button.
class PictureWidget : public QWidget {
 public:
  explicit PictureWidget(QWidget& parent);
  void setImage(QImage image);
  const QImage& image() const { return image_; }
  void setKeyboardAction(bool action);
  std::function<void()> onClick;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  QImage image_;
  bool pressed_ = false;
};

QImage toQImage(const forms::Image& image);

class PictureView : public ControlView {
 public:
  PictureView(forms::Picture& picture, QWidget& parent, InputSink& input);
  QWidget& widget() override { return *widget_; }

 private:
  void syncContent(const ViewStyle& style) override;
  bool fillsOwnBackground() const override { return false; }
  bool keyPressed(QKeyEvent& event) override;

  forms::Picture& picture_;
  std::unique_ptr<PictureWidget> widget_;
};

}  // namespace tavi::frontends::qt
