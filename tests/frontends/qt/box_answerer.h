#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace tavi::frontends::qt::testing {

// Stands in for the person at the modal boxes: notes each box's text and presses the button
// that `decide` picks (by default the box's default button), so that a test never waits.
class BoxAnswerer {
 public:
  using Decision = std::function<QMessageBox::StandardButton(QMessageBox&)>;

  explicit BoxAnswerer(Decision decide = {}) : decide_(std::move(decide)) {
    QObject::connect(&timer_, &QTimer::timeout, [this] { answer(); });
    timer_.start(10);
  }

  void setDecision(Decision decide) { decide_ = std::move(decide); }
  const std::vector<std::string>& texts() const { return texts_; }

 private:
  void answer() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible()) return;
    texts_.push_back(box->text().toStdString());
    QAbstractButton* button = decide_ ? box->button(decide_(*box)) : box->defaultButton();
    if (button != nullptr) button->click();
  }

  QTimer timer_;
  Decision decide_;
  std::vector<std::string> texts_;
};

}  // namespace tavi::frontends::qt::testing
