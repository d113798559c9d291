#pragma once

#include <QCheckBox>
#include <QRadioButton>

namespace tavi::frontends::qt {

// Check boxes and radio items that answer a click anywhere in their rectangle, as the native
// controls the windows were designed with do, not only on the mark and the text.
class WholeAreaCheckBox : public QCheckBox {
 public:
  using QCheckBox::QCheckBox;

 protected:
  bool hitButton(const QPoint& position) const override { return rect().contains(position); }
};

class WholeAreaRadioButton : public QRadioButton {
 public:
  using QRadioButton::QRadioButton;

 protected:
  bool hitButton(const QPoint& position) const override { return rect().contains(position); }
};

}  // namespace tavi::frontends::qt
