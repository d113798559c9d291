#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <string>
#include <vector>

namespace tavi::frontends::qt::testing {

// Stands in for the person at the modal boxes of a real program: notes each box's text and
// presses its default button, so that a smoke test never waits for a box.
class BoxAnswerer {
 public:
  BoxAnswerer() {
    QObject::connect(&timer_, &QTimer::timeout, [this] { answer(); });
    timer_.start(10);
  }

  const std::vector<std::string>& texts() const { return texts_; }

 private:
  void answer() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || box->defaultButton() == nullptr) return;
    texts_.push_back(box->text().toStdString());
    box->defaultButton()->click();
  }

  QTimer timer_;
  std::vector<std::string> texts_;
};

}  // namespace tavi::frontends::qt::testing
