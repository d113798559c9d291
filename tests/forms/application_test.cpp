#include <gtest/gtest.h>

#include <stdexcept>

#include "forms/application.h"
#include "forms/scripted_desktop.h"
#include "platform/io_error.h"
#include "test_window.h"

namespace tavi::forms {
namespace {

using testing::TestWindow;
using Log = std::vector<std::string>;

class ApplicationTest : public ::testing::Test {
 protected:
  ApplicationTest() {
    main.show();
    second.show();
    main.log.clear();
    second.log.clear();
  }
  ScriptedDesktop desktop;
  Application app{desktop};
  TestWindow& main = app.create<TestWindow>("Form8");
  TestWindow& second = app.create<TestWindow>("Form9");
};

TEST_F(ApplicationTest, WindowsAreKeptInCreationOrderAndTheirCreationHandlersRun) {
  ASSERT_EQ(app.forms().size(), 2u);
  EXPECT_EQ(app.forms()[0].get(), &main);
  EXPECT_EQ(app.forms()[1].get(), &second);
  EXPECT_EQ(app.mainForm(), &main);
}

TEST_F(ApplicationTest, ErrorInACreationHandlerIsShownAndCreationGoesOn) {
  struct Failing : TestWindow {
    using TestWindow::TestWindow;
    void created() override {
      Save.setCaption("half");
      throw platform::IoError(platform::IoAction::kRead, R"(C:\KivTanOr5\datLimit.dat)",
                              platform::IoCause::kFileEmpty);
    }
  };
  auto& failing = app.create<Failing>("Form10");
  EXPECT_EQ(failing.Save.caption(), "half");
  EXPECT_EQ(desktop.errors(), Log{R"(Cannot read C:\KivTanOr5\datLimit.dat: the file is empty)"});
  EXPECT_EQ(app.forms().size(), 3u);
}

TEST_F(ApplicationTest, AnErrorEndsOnlyTheRunningHandler) {
  int after = 0;
  main.Save.onClick = [&] {
    main.Save.setCaption("step 1");
    throw platform::IoError(platform::IoAction::kWrite, R"(C:\KivTanOr5\datC.dat)",
                            platform::IoCause::kFolderMissing);
    ++after;
  };
  EXPECT_TRUE(app.click(main.Save));
  EXPECT_EQ(after, 0);
  EXPECT_EQ(main.Save.caption(), "step 1");
  ASSERT_EQ(desktop.errors().size(), 1u);
  EXPECT_NE(desktop.errors()[0].find(R"(C:\KivTanOr5\datC.dat)"), std::string::npos);

  // The program goes on: the next event is handled.
  EXPECT_TRUE(app.tick(main.Option, true));
  EXPECT_TRUE(main.Option.checked());
}

TEST_F(ApplicationTest, AnyOtherExceptionIsReportedInsteadOfEndingTheProgram) {
  main.Save.onClick = [] { throw std::out_of_range("index 400"); };
  EXPECT_TRUE(app.click(main.Save));
  ASSERT_EQ(desktop.errors().size(), 1u);
  EXPECT_NE(desktop.errors()[0].find("index 400"), std::string::npos);
}

// The error box asks the program's language anew for each error, as a window looks up its texts.
TEST_F(ApplicationTest, TheErrorBoxSpeaksTheProgramsCurrentLanguage) {
  texts::LanguageIndex language = texts::kGerman;
  app.setLanguage([&language] { return language; });
  main.Save.onClick = [] {
    throw platform::IoError(platform::IoAction::kWrite, R"(C:\KivTanOr5\datC.dat)",
                            platform::IoCause::kDiskFull);
  };
  app.click(main.Save);
  language = texts::kRussian;
  app.click(main.Save);
  main.Save.onClick = [] { throw std::out_of_range("index 400"); };
  app.click(main.Save);
  EXPECT_EQ(desktop.errors(),
            (Log{R"(C:\KivTanOr5\datC.dat kann nicht geschrieben werden: der Datenträger ist voll)",
                 R"(Не удаётся записать C:\KivTanOr5\datC.dat: диск заполнен)",
                 "Непредвиденная ошибка: index 400"}));
}

TEST_F(ApplicationTest, ClickingMovesTheFocusFirstSoTheFieldsExitHandlerRunsBeforeTheClick) {
  EXPECT_TRUE(app.changeText(main.Port, "5"));
  EXPECT_EQ(main.focused(), &main.Port);
  EXPECT_TRUE(app.click(main.Save));
  EXPECT_EQ(main.log, (Log{"PortChange 5", "PortExit", "SaveClick"}));
  EXPECT_EQ(main.focused(), &main.Save);
}

TEST_F(ApplicationTest, AnExitHandlerThatTakesTheFocusBackCancelsTheClick) {
  main.Port.onExit = [this] {
    main.log.push_back("PortExit");
    main.Port.setText("");
    main.setFocus(main.Port);
  };
  app.changeText(main.Port, "x");
  main.log.clear();
  app.click(main.Save);
  EXPECT_EQ(main.log, (Log{"PortExit", "PortChange "}));
  EXPECT_EQ(main.focused(), &main.Port);
}

TEST_F(ApplicationTest, AClickIntoAFieldFocusesItThenRunsItsClickHandler) {
  main.Port.onClick = [this] { main.log.push_back(main.focused() == &main.Port ? "in" : "out"); };
  app.focus(main.Save);
  main.log.clear();
  EXPECT_TRUE(app.click(main.Port));
  EXPECT_EQ(main.log, Log{"in"});
}

TEST_F(ApplicationTest, PicturesAndLabelsDoNotTakeTheFocus) {
  app.focus(main.Port);
  main.log.clear();
  app.click(main.Flag);
  EXPECT_EQ(main.log, Log{"FlagClick"});
  EXPECT_EQ(main.focused(), &main.Port);
  EXPECT_FALSE(app.focus(main.Caption));
}

// The flag strip: Tab reaches it and Space or Enter opens what it opens, while a click on it
// leaves the focus, and so the field's exit check, alone.
TEST_F(ApplicationTest, APictureStandingForAnActionTakesTheFocusFromTheKeyboardOnly) {
  main.Flag.setKeyboardOnlyFocus(true);
  EXPECT_TRUE(main.Flag.takesKeyboardFocus());
  EXPECT_FALSE(main.Flag.canFocus());
  app.focus(main.Port);
  main.log.clear();

  app.click(main.Flag);
  EXPECT_EQ(main.log, Log{"FlagClick"});
  EXPECT_EQ(main.focused(), &main.Port);

  EXPECT_TRUE(app.focus(main.Flag));
  EXPECT_EQ(main.focused(), &main.Flag);
  app.keyDown(main.Flag, Key::Space);
  app.keyDown(main.Flag, Key::Enter);
  app.keyDown(main.Flag, Key::Tab);
  app.keyDown(main.Flag, static_cast<Key>('A'));
  EXPECT_EQ(main.log, (Log{"FlagClick", "PortExit", "FlagClick", "FlagClick"}));

  // A plain picture stays out of the keyboard's way.
  main.Flag.setKeyboardOnlyFocus(false);
  app.focus(main.Port);
  EXPECT_FALSE(app.focus(main.Flag));
  EXPECT_EQ(main.focused(), &main.Port);
}

TEST_F(ApplicationTest, EventsReachTheirHandlers) {
  app.tick(main.Option, true);
  app.click(main.Option);  // a click on a box toggles it
  app.choose(main.Method, 1);
  app.scroll(main.Limit, 90);
  app.keyDown(main.Port, Key::Enter);
  app.keyDown(main.Port, Key::Tab);  // the window's navigation key: no handler sees it
  EXPECT_EQ(main.log, (Log{"OptionClick 1", "OptionClick 0", "MethodClick 1", "LimitChange 90",
                           "PortKeyDown 13"}));
  EXPECT_FALSE(app.choose(main.Method, 2));  // no such item
}

TEST_F(ApplicationTest, EnterPressesTheFocusedButtonAndNothingElse) {
  app.keyDown(main.Save, Key::Enter);
  app.keyDown(main.Save, Key::Escape);
  app.keyDown(main.Option, Key::Enter);
  EXPECT_EQ(main.log, Log{"SaveClick"});
  EXPECT_FALSE(main.Option.checked());
}

TEST_F(ApplicationTest, WhatAPersonCannotReachIsNotDelivered) {
  main.Save.setVisible(false);
  main.Option.setEnabled(false);
  main.Box.setVisible(false);
  main.Port.setReadOnly(true);
  EXPECT_FALSE(app.click(main.Save));
  EXPECT_FALSE(app.tick(main.Option, true));
  EXPECT_FALSE(app.click(main.Inner));
  EXPECT_FALSE(app.changeText(main.Port, "1"));
  second.hide();
  EXPECT_FALSE(app.click(second.Save));
  EXPECT_TRUE(main.log.empty());
  EXPECT_TRUE(second.log.empty());
  EXPECT_FALSE(main.Option.checked());
}

TEST_F(ApplicationTest, ClosingASecondaryWindowHidesTheSameInstance) {
  EXPECT_TRUE(app.closeWindow(second));
  EXPECT_FALSE(second.visible());
  EXPECT_FALSE(app.terminated());
  second.show();
  EXPECT_EQ(app.forms()[1].get(), &second);
  EXPECT_TRUE(second.visible());
}

TEST_F(ApplicationTest, EndingLetsTheRunningHandlerFinishThenRefusesInput) {
  main.Save.onClick = [this] {
    app.terminate();
    main.log.push_back("after terminate");
  };
  app.click(main.Save);
  EXPECT_TRUE(app.terminated());
  EXPECT_EQ(main.log, Log{"after terminate"});
  EXPECT_FALSE(app.click(main.Save));
  EXPECT_FALSE(app.closeWindow(second));
}

TEST_F(ApplicationTest, ClosingTheMainWindowByItsFrameEndsTheProgram) {
  EXPECT_TRUE(app.closeWindow(main));
  EXPECT_TRUE(app.terminated());
}

TEST(ScriptedDesktopTest, AnswersConfirmationsFromTheScriptAndCountsUnexpectedOnes) {
  ScriptedDesktop desktop;
  desktop.answer({true, false});
  EXPECT_TRUE(desktop.confirm("807"));
  EXPECT_FALSE(desktop.confirm("808"));
  EXPECT_FALSE(desktop.confirm("unforeseen"));
  EXPECT_EQ(desktop.unexpectedConfirmations(), 1);
  desktop.showMessage("122");
  desktop.shellOpen(R"(c:\KivTanOr5\HealthDetox1.pdf)");
  EXPECT_EQ(desktop.confirmations(), (Log{"807", "808", "unforeseen"}));
  EXPECT_EQ(desktop.messages(), Log{"122"});
  EXPECT_EQ(desktop.shellOpens(), Log{R"(c:\KivTanOr5\HealthDetox1.pdf)"});
}

}  // namespace
}  // namespace tavi::forms
