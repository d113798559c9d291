#pragma once

#include <QWidget>
#include <functional>

namespace tavi::frontends::qt {

// The top-level widget of a window. Closing it by its frame is only reported: the model decides
// whether the window hides or the program ends.
class FormWindow : public QWidget {
 public:
  FormWindow(std::function<void()> closeRequested, QWidget* owner);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  std::function<void()> closeRequested_;
};

}  // namespace tavi::frontends::qt
