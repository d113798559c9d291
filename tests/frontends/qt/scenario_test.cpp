#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QRadioButton>
#include <QTest>
#include <deque>
#include <memory>

#include "box_answerer.h"
#include "forms/application.h"
#include "frontends/qt/qt_desktop.h"
#include "frontends/qt/renderer.h"
#include "frontends/scenarios/scenarios.h"
#include "qt_session.h"
#include "support/test_drive.h"

namespace tavi::frontends::qt::testing {
namespace {

using scenarios::Scenario;
using scenarios::ScenarioWindow;

Qt::Key qtKey(forms::Key key) {
  switch (key) {
    case forms::Key::Tab:
      return Qt::Key_Tab;
    case forms::Key::Enter:
      return Qt::Key_Return;
    case forms::Key::Escape:
      return Qt::Key_Escape;
    case forms::Key::Space:
      return Qt::Key_Space;
    case forms::Key::Left:
      return Qt::Key_Left;
    case forms::Key::Up:
      return Qt::Key_Up;
    case forms::Key::Right:
      return Qt::Key_Right;
    case forms::Key::Down:
      return Qt::Key_Down;
    case forms::Key::Delete:
      return Qt::Key_Delete;
  }
  return Qt::Key_unknown;
}

// A button's text with its doubled "&" drawn as one, as the person reads it.
std::string asRead(QString text) {
  return text.replace("&&", "&").toStdString();
}

// The person at the Qt widgets: QTest's mouse and key events on the real widgets, and the
// real message boxes answered by their buttons.
class QtDriver : public scenarios::Driver {
 public:
  explicit QtDriver(Renderer& renderer) : renderer_(renderer) {}

  void click(const forms::Control& control, int item) override {
    QWidget* target = widget(control);
    if (item >= 0) target = target->findChildren<QRadioButton*>()[item];
    QTest::mouseClick(target, Qt::LeftButton);
  }
  void press(forms::Key key) override { QTest::keyClick(keyboardTarget(), qtKey(key)); }
  void type(std::string_view text) override {
    QTest::keyClicks(keyboardTarget(), QString::fromUtf8(text.data(), std::ssize(text)));
  }
  void closeByFrame(const forms::Form& form) override { renderer_.window(form)->close(); }
  void answerBoxes(std::vector<scenarios::Answer> answers) override {
    answers_.assign(answers.begin(), answers.end());
    person_ = std::make_unique<BoxAnswerer>([this](QMessageBox& /*box*/) {
      const scenarios::Answer answer = answers_.empty() ? scenarios::Answer::Ok : answers_.front();
      if (!answers_.empty()) answers_.pop_front();
      switch (answer) {
        case scenarios::Answer::Yes:
          return QMessageBox::Yes;
        case scenarios::Answer::No:
          return QMessageBox::No;
        case scenarios::Answer::Ok:
          break;
      }
      return QMessageBox::Ok;
    });
  }
  std::vector<std::string> boxTexts() override {
    return person_ ? person_->texts() : std::vector<std::string>{};
  }
  void settle() override {
    // A window that a closed box gives back its activation to gets it from the event queue.
    QCoreApplication::processEvents();
    renderer_.sync();
  }

  std::string shownCaption(const forms::Control& control) override {
    QWidget* shown = widget(control);
    if (auto* label = qobject_cast<QLabel*>(shown)) return label->text().toStdString();
    if (auto* button = qobject_cast<QAbstractButton*>(shown)) return asRead(button->text());
    if (auto* group = qobject_cast<QGroupBox*>(shown)) return asRead(group->title());
    return {};
  }
  bool shownVisible(const forms::Control& control) override { return widget(control)->isVisible(); }
  bool shownEnabled(const forms::Control& control) override { return widget(control)->isEnabled(); }
  forms::Rect shownRect(const forms::Control& control) override {
    const QRect place = widget(control)->geometry();
    return {place.x(), place.y(), place.width(), place.height()};
  }
  const forms::Control* nativeFocus(const forms::Form& form) override {
    // The window's own focus: without a window manager a window that a box or another window
    // gave the activation back to may not be active again.
    const QWidget* focused = renderer_.window(form)->focusWidget();
    for (const forms::Control* control : form.controls()) {
      const QWidget* shown = renderer_.widget(*control);
      if (shown != nullptr && (shown == focused || shown->isAncestorOf(focused))) return control;
    }
    return nullptr;
  }

 private:
  QWidget* widget(const forms::Control& control) const {
    QWidget* shown = renderer_.widget(control);
    if (shown == nullptr) throw std::logic_error("no widget for " + control.name());
    return shown;
  }
  QWidget* keyboardTarget() const {
    QWidget* focused = QApplication::focusWidget();
    return focused != nullptr ? focused : QApplication::activeWindow();
  }

  Renderer& renderer_;
  std::deque<scenarios::Answer> answers_;
  std::unique_ptr<BoxAnswerer> person_;
};

class QtScenario : public ::testing::TestWithParam<Scenario> {
 protected:
  QtScenario() {
    desktop.attach(&renderer);
    app.start();
    renderer.sync();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(renderer.window(main)));
  }
  ~QtScenario() override { desktop.attach(nullptr); }

  QtSession session;
  tavi::testing::TestDrive drive;
  QtDesktop desktop{drive.platform()};
  forms::Application app{desktop};
  ScenarioWindow& main = app.create<ScenarioWindow>("Form1");
  ScenarioWindow& second = app.create<ScenarioWindow>("Form2");
  Renderer renderer{app, drive.platform()};
  QtDriver driver{renderer};
  scenarios::Stage stage{app, main, second, driver};
};

TEST_P(QtScenario, GivesTheModelsAnswers) {
  scenarios::play(GetParam(), stage);
}

INSTANTIATE_TEST_SUITE_P(Table, QtScenario, ::testing::ValuesIn(scenarios::table()),
                         [](const ::testing::TestParamInfo<Scenario>& scenario) {
                           return scenario.param.name;
                         });

}  // namespace
}  // namespace tavi::frontends::qt::testing
