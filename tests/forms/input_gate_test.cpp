#include "forms/input_gate.h"

#include <gtest/gtest.h>

#include "forms/application.h"
#include "forms/scripted_desktop.h"
#include "test_window.h"

namespace tavi::forms {
namespace {

using testing::TestWindow;

class InputGateTest : public ::testing::Test {
 protected:
  InputGateTest() { window.show(); }
  ScriptedDesktop desktop;
  Application app{desktop};
  TestWindow& window = app.create<TestWindow>("Form8");
  InputGate gate{app};
  int actions = 0;
  std::function<void()> count = [this] { ++actions; };
};

TEST_F(InputGateTest, ActionsAreDroppedWhileSyncingWhileAnotherRunsAndAfterTheEnd) {
  EXPECT_TRUE(gate.act(count));
  {
    const auto syncing = gate.syncing();
    EXPECT_FALSE(gate.act(count));
    EXPECT_FALSE(gate.closeWindow(window));
  }
  // A message box inside a handler lets the toolkit deliver another action.
  bool nestedTaken = true;
  EXPECT_TRUE(gate.act([&] {
    EXPECT_TRUE(gate.busy());
    nestedTaken = gate.act(count);
  }));
  EXPECT_FALSE(nestedTaken);
  EXPECT_FALSE(gate.busy());
  EXPECT_EQ(actions, 1);

  app.terminate();
  EXPECT_FALSE(gate.act(count));
  EXPECT_FALSE(gate.closeWindow(window));
  EXPECT_EQ(actions, 1);
}

TEST_F(InputGateTest, TheCloseBoxIsHeardWhileAHandlerRuns) {
  // The main window's close box ends the program.
  EXPECT_TRUE(gate.act([&] { EXPECT_TRUE(gate.closeWindow(window)); }));
  EXPECT_TRUE(app.terminated());
}

TEST_F(InputGateTest, APressGoesOnOnlyWhereTheFocusIsAndWhileInputIsTaken) {
  app.focus(window.Save);
  EXPECT_TRUE(gate.pressGoesOn(window.Save));
  EXPECT_FALSE(gate.pressGoesOn(window.Port));
  {
    const auto syncing = gate.syncing();
    EXPECT_FALSE(gate.pressGoesOn(window.Save));
  }
  app.terminate();
  EXPECT_FALSE(gate.pressGoesOn(window.Save));
}

TEST_F(InputGateTest, AKeyGoesOnOnlyWhileItsControlKeepsTheFocusAndCanBeReached) {
  app.focus(window.Port);
  EXPECT_TRUE(gate.keyGoesOn(window.Port, true));
  EXPECT_TRUE(gate.keyGoesOn(window.Port, false));
  // The handler moved the focus: the key is spent, unless it never reached the model.
  app.focus(window.Save);
  EXPECT_FALSE(gate.keyGoesOn(window.Port, true));
  EXPECT_TRUE(gate.keyGoesOn(window.Port, false));
  // The handler disabled or hid its own control, or the window.
  app.focus(window.Port);
  window.Port.setEnabled(false);
  EXPECT_FALSE(gate.keyGoesOn(window.Port, true));
  window.Port.setEnabled(true);
  window.hide();
  EXPECT_FALSE(gate.keyGoesOn(window.Port, true));
}

TEST(ApplicationStart, ShowsTheMainWindowUnlessTheProgramEndedWhileStarting) {
  ScriptedDesktop desktop;
  Application app{desktop};
  TestWindow& main = app.create<TestWindow>("Form8");
  TestWindow& other = app.create<TestWindow>("Form9");
  EXPECT_TRUE(app.start());
  EXPECT_TRUE(main.visible());
  EXPECT_FALSE(other.visible());

  Application ended{desktop};
  TestWindow& endedMain = ended.create<TestWindow>("Form8");
  ended.terminate();
  EXPECT_FALSE(ended.start());
  EXPECT_FALSE(endedMain.visible());
}

}  // namespace
}  // namespace tavi::forms
