#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <functional>

#include "box_answerer.h"
#include "demo_window.h"
#include "forms/application.h"
#include "frontends/qt/qt_desktop.h"
#include "frontends/qt/renderer.h"
#include "qt_session.h"
#include "support/test_drive.h"

namespace tavi::frontends::qt::testing {
namespace {

using Log = std::vector<std::string>;

// The demo window with the real desktop services; each modal box is handled by `onBox`.
class QtDesktopTest : public ::testing::Test {
 protected:
  QtDesktopTest() {
    QApplication::setApplicationDisplayName("Tavi Setting");
    desktop.attach(&renderer);
    window.show();
    renderer.sync();
  }

  // Runs `inspect` on each modal box once it is open, then presses its button `answer`.
  void whenBoxOpens(std::function<void(QMessageBox&)> inspect, QMessageBox::StandardButton answer) {
    person.setDecision([inspect = std::move(inspect), answer](QMessageBox& box) {
      inspect(box);
      return answer;
    });
  }

  QtSession session;
  tavi::testing::TestDrive drive;
  QtDesktop desktop{drive.platform()};
  forms::Application app{desktop};
  DemoWindow& window = app.create<DemoWindow>();
  Renderer renderer{app, drive.platform()};
  BoxAnswerer person;
};

TEST_F(QtDesktopTest, ABoxIsCentredOnTheScreenOverWindowsThatShowTheHandlersWorkSoFar) {
  window.Save.onClick = [this] {
    window.Caption.setCaption("Working");
    window.log.push_back(desktop.confirm("Go on?") ? "Yes" : "No");
  };
  QString captionDuringBox;
  QRect boxGeometry;
  QString title;
  whenBoxOpens(
      [&](QMessageBox& box) {
        captionDuringBox = qobject_cast<QLabel*>(renderer.widget(window.Caption))->text();
        boxGeometry = box.frameGeometry();
        title = box.windowTitle();
        EXPECT_EQ(box.text(), "Go on?");
        EXPECT_TRUE(box.isModal());
      },
      QMessageBox::Yes);
  app.click(window.Save);
  EXPECT_EQ(window.log, Log{"Yes"});
  EXPECT_EQ(captionDuringBox, "Working");
  EXPECT_EQ(title, "Tavi Setting");
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_NEAR(boxGeometry.center().x(), screen.center().x(), 2);
  EXPECT_NEAR(boxGeometry.center().y(), screen.center().y(), 2);
}

TEST_F(QtDesktopTest, EachKindOfBoxShowsItsTextAndAnswers) {
  struct Case {
    std::function<bool()> show;
    QMessageBox::StandardButton press;
    bool expected;
    QMessageBox::Icon icon;
  };
  const Case cases[] = {
      {[this] { return desktop.confirm("Sure?"); }, QMessageBox::No, false, QMessageBox::Question},
      {[this] { return desktop.confirm("Sure?"); }, QMessageBox::Yes, true, QMessageBox::Question},
      {[this] { return desktop.showMessage("Done."), true; }, QMessageBox::Ok, true,
       QMessageBox::NoIcon},
      {[this] { return desktop.showError("Cannot write"), true; }, QMessageBox::Ok, true,
       QMessageBox::Critical},
  };
  for (const Case& c : cases) {
    QMessageBox::Icon icon{};
    whenBoxOpens([&icon](QMessageBox& box) { icon = box.icon(); }, c.press);
    EXPECT_EQ(c.show(), c.expected);
    EXPECT_EQ(icon, c.icon);
  }
}

TEST_F(QtDesktopTest, ProcessingPendingMessagesShowsTheModelSoFar) {
  window.Save.onClick = [this] {
    window.Progress.setPosition(50);
    desktop.processMessages();
    window.log.push_back(
        std::to_string(renderer.widget(window.Progress)->property("value").toInt()));
  };
  app.click(window.Save);
  EXPECT_EQ(window.log, Log{"50"});
}

}  // namespace
}  // namespace tavi::frontends::qt::testing
