#include <gtest/gtest.h>

#include <QAccessible>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include "renderer_fixture.h"

namespace tavi::frontends::qt::testing {
namespace {

using Log = std::vector<std::string>;

class RendererInputTest : public RendererTest {
 protected:
  RendererInputTest() {
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&nativeWindow()));
    window.log.clear();
  }
  QRadioButton& item(int index) {
    return *native<QGroupBox>(window.Method).findChildren<QRadioButton*>()[index];
  }
};

TEST_F(RendererInputTest, APersonsActionsOnTheWidgetsBecomeTheModelsEvents) {
  QTest::mouseClick(&native<QPushButton>(window.Save), Qt::LeftButton);
  QTest::mouseClick(&native<QCheckBox>(window.Option), Qt::LeftButton);
  QTest::mouseClick(&item(1), Qt::LeftButton);
  QTest::mouseClick(renderer.widget(window.Flag), Qt::LeftButton);
  EXPECT_EQ(window.log, (Log{"SaveClick", "OptionClick 1", "MethodClick 1", "FlagClick"}));
  EXPECT_TRUE(window.Option.checked());
  EXPECT_EQ(window.Method.itemIndex(), 1);
}

TEST_F(RendererInputTest, TypingMovingAndKeysReachTheModel) {
  auto& port = native<QLineEdit>(window.Port);
  QTest::mouseClick(&port, Qt::LeftButton);
  QTest::keyClicks(&port, "C7");
  QTest::keyClick(&port, Qt::Key_Return);
  EXPECT_EQ(window.Port.text(), "C7");
  EXPECT_EQ(window.log, (Log{"PortClick", "PortKeyDown 67", "PortChange C", "PortKeyDown 55",
                             "PortChange C7", "PortKeyDown 13"}));

  window.log.clear();
  auto& limit = native<QScrollBar>(window.Limit);
  QTest::mouseClick(&limit, Qt::LeftButton, {}, QPoint(limit.width() - 3, limit.height() / 2));
  EXPECT_EQ(window.Limit.position(), 81);  // the arrow at the right end: one small step
  EXPECT_EQ(window.log, (Log{"PortExit", "LimitChange 81"}));

  QTest::mouseClick(native<QPlainTextEdit>(window.Notes).viewport(), Qt::LeftButton);
  // A line break typed at the end stays where the person put it, and typing goes on after it.
  auto& notes = native<QPlainTextEdit>(window.Notes);
  QTest::keyClicks(&notes, "ab");
  QTest::keyClick(&notes, Qt::Key_Return);
  EXPECT_EQ(window.Notes.lines(), (std::vector<std::string>{"ab", ""}));
  QTest::keyClicks(&notes, "c");
  EXPECT_EQ(window.Notes.lines(), (std::vector<std::string>{"ab", "c"}));
  EXPECT_EQ(window.Notes.text(), "ab\r\nc");
}

TEST_F(RendererInputTest, ValuesSetByTheModelDoNotComeBackAsEvents) {
  app.dispatch([&] {
    window.Limit.setPosition(90);
    window.Option.setChecked(true);
    window.Port.setText("COM4");
    window.Method.setItemIndex(0);
    window.Notes.setLines({"x"});
  });
  renderer.sync();
  EXPECT_EQ(window.log, (Log{"LimitChange 90", "OptionClick 1", "PortChange COM4", "MethodClick 0",
                             "NotesChange x"}));
  EXPECT_EQ(native<QScrollBar>(window.Limit).value(), 90);
}

TEST_F(RendererInputTest, AWidgetTheModelRefusedShowsTheModelsStateAgain) {
  window.Option.onClick = [this] {
    if (window.Option.checked()) window.Option.setChecked(false);
  };
  QTest::mouseClick(&native<QCheckBox>(window.Option), Qt::LeftButton);
  EXPECT_FALSE(window.Option.checked());
  EXPECT_FALSE(native<QCheckBox>(window.Option).isChecked());
}

TEST_F(RendererInputTest, AClickIsLostWhenAnExitHandlerKeepsTheFocus) {
  window.Port.onExit = [this] {
    window.log.push_back("PortExit");
    window.setFocus(window.Port);
  };
  QTest::mouseClick(&native<QLineEdit>(window.Port), Qt::LeftButton);
  EXPECT_EQ(window.focused(), &window.Port);
  EXPECT_TRUE(native<QLineEdit>(window.Port).hasFocus());

  QTest::mouseClick(&native<QPushButton>(window.Save), Qt::LeftButton);
  QTest::mouseClick(&native<QCheckBox>(window.Option), Qt::LeftButton);
  EXPECT_EQ(window.log, (Log{"PortClick", "PortExit", "PortExit"}));
  EXPECT_FALSE(window.Option.checked());
  EXPECT_FALSE(native<QCheckBox>(window.Option).isChecked());
  EXPECT_TRUE(native<QLineEdit>(window.Port).hasFocus());
}

TEST_F(RendererInputTest, TabMovesTheFocusThroughTheModelAndTheNativeFocusFollowsIt) {
  QTest::mouseClick(&native<QLineEdit>(window.Port), Qt::LeftButton);
  QTest::keyClick(&native<QLineEdit>(window.Port), Qt::Key_Tab);
  EXPECT_EQ(window.focused(), &window.Option);
  EXPECT_EQ(window.log, (Log{"PortClick", "PortExit"}));
  EXPECT_TRUE(native<QCheckBox>(window.Option).hasFocus());

  // A handler that places the focus itself moves the native focus too.
  window.Save.onClick = [this] { window.setFocus(window.Limit); };
  QTest::mouseClick(&native<QPushButton>(window.Save), Qt::LeftButton);
  EXPECT_TRUE(native<QScrollBar>(window.Limit).hasFocus());
}

TEST_F(RendererInputTest, EnterAndSpacePressTheFocusedButtonAndSpaceTicksTheFocusedBox) {
  QTest::mouseClick(&native<QPushButton>(window.Save), Qt::LeftButton);
  QTest::keyClick(&native<QPushButton>(window.Save), Qt::Key_Return);
  QTest::keyClick(&native<QPushButton>(window.Save), Qt::Key_Enter);
  QTest::keyClick(&native<QPushButton>(window.Save), Qt::Key_Space);
  EXPECT_EQ(window.log, (Log{"SaveClick", "SaveClick", "SaveClick", "SaveClick"}));
  QTest::keyClick(&native<QPushButton>(window.Save), Qt::Key_Tab);
  QTest::keyClick(&native<QLineEdit>(window.Port), Qt::Key_Tab);
  QTest::keyClick(&native<QCheckBox>(window.Option), Qt::Key_Space);
  EXPECT_TRUE(window.Option.checked());
}

TEST_F(RendererInputTest, TheRadioGroupIsOneTabStopAndItsArrowsChooseItems) {
  QTest::mouseClick(&item(0), Qt::LeftButton);
  EXPECT_EQ(window.Method.itemIndex(), 0);
  QTest::keyClick(&item(0), Qt::Key_Down);
  EXPECT_EQ(window.Method.itemIndex(), 1);
  EXPECT_TRUE(item(1).hasFocus());
  EXPECT_EQ(item(0).focusPolicy(), Qt::NoFocus);
  EXPECT_EQ(item(1).focusPolicy(), Qt::TabFocus);
}

TEST_F(RendererInputTest, ClosingByTheFrameLetsTheModelDecide) {
  auto& second = app.create<DemoWindow>("Form2");
  app.dispatch([&] { second.show(); });
  renderer.sync();
  QWidget& secondWindow = *renderer.window(second);
  ASSERT_TRUE(secondWindow.isVisible());
  EXPECT_FALSE(secondWindow.close());  // the native close is refused...
  EXPECT_FALSE(second.visible());      // ...and the model hid the window
  EXPECT_FALSE(secondWindow.isVisible());
  EXPECT_FALSE(app.terminated());

  EXPECT_FALSE(nativeWindow().close());
  EXPECT_TRUE(app.terminated());  // the main window ends the program
}

TEST_F(RendererInputTest, AWindowClosedWhileAHandlerRunsStillReachesTheModel) {
  auto& second = app.create<DemoWindow>("Form2");
  app.dispatch([&] { second.show(); });
  renderer.sync();
  window.Save.onClick = [&] {
    renderer.window(second)->close();  // as when pending messages run inside a long handler
    window.log.push_back(second.visible() ? "open" : "hidden");
  };
  QTest::mouseClick(&native<QPushButton>(window.Save), Qt::LeftButton);
  EXPECT_EQ(window.log, Log{"hidden"});
  EXPECT_FALSE(renderer.window(second)->isVisible());
}

TEST_F(RendererInputTest, AWindowThatIgnoresItsCloseBoxStaysOpen) {
  struct Stubborn : DemoWindow {
    using DemoWindow::DemoWindow;
    void closedByFrame() override { log.push_back("closed"); }
  };
  auto& stubborn = app.create<Stubborn>("Form2");
  app.dispatch([&] { stubborn.show(); });
  renderer.sync();
  EXPECT_FALSE(renderer.window(stubborn)->close());
  EXPECT_EQ(stubborn.log, Log{"closed"});
  EXPECT_TRUE(renderer.window(stubborn)->isVisible());
}

TEST_F(RendererInputTest, ActionsOnUnreachableControlsChangeNothing) {
  app.dispatch([&] { window.Option.setEnabled(false); });
  renderer.sync();
  QTest::mouseClick(&native<QCheckBox>(window.Option), Qt::LeftButton);
  EXPECT_FALSE(window.Option.checked());
  EXPECT_TRUE(window.log.empty());
}

// The flag strip's rule: Tab reaches a picture that stands for an action and shows the focus
// on it, Space and Enter do its action, and a click does it without taking the focus.
TEST_F(RendererInputTest, APictureStandingForAnActionIsATabStopThatAClickDoesNotFocus) {
  DemoWindow& strip = app.create<DemoWindow>("Strip");
  strip.Flag.setKeyboardOnlyFocus(true);
  strip.show();
  renderer.sync();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(renderer.window(strip)));
  QWidget& flag = *renderer.widget(strip.Flag);
  QTest::mouseClick(&native<QLineEdit>(strip.Port), Qt::LeftButton);
  strip.log.clear();
  QTest::mouseClick(&flag, Qt::LeftButton);
  EXPECT_EQ(strip.log, Log{"FlagClick"});
  EXPECT_EQ(strip.focused(), &strip.Port);
  EXPECT_TRUE(native<QLineEdit>(strip.Port).hasFocus());

  const QImage unfocused = flag.grab().toImage();
  strip.setFocus(strip.Inner);
  renderer.sync();
  QTest::keyClick(&native<QPushButton>(strip.Inner), Qt::Key_Tab);
  EXPECT_EQ(strip.focused(), &strip.Flag);
  EXPECT_TRUE(flag.hasFocus());
  EXPECT_NE(flag.grab().toImage(), unfocused);

  strip.log.clear();
  QTest::keyClick(&flag, Qt::Key_Space);
  QTest::keyClick(&flag, Qt::Key_Return);
  QTest::keyClick(&flag, Qt::Key_A);
  EXPECT_EQ(strip.log, (Log{"FlagClick", "FlagClick"}));
  EXPECT_EQ(QAccessible::queryAccessibleInterface(&flag)->role(), QAccessible::Button);
  QTest::keyClick(&flag, Qt::Key_Tab);
  EXPECT_EQ(strip.focused(), &strip.Notes);
  EXPECT_EQ(flag.grab().toImage(), unfocused);
}

}  // namespace
}  // namespace tavi::frontends::qt::testing
