#include "frontends/scenarios/scenarios.h"

#include <gtest/gtest.h>

namespace tavi::frontends::scenarios {

namespace {

using forms::Key;

void showSecond(Stage& stage) {
  stage.app.dispatch([&stage] { stage.second.show(); });
  stage.driver.settle();
}

void checkShown(Stage& stage) {
  ScenarioWindow& main = stage.main;
  if (stage.app.terminated() || !main.visible()) return;
  for (const forms::Control* control : main.controls()) {
    SCOPED_TRACE(control->name());
    EXPECT_EQ(stage.driver.shownVisible(*control), control->showing());
    EXPECT_EQ(stage.driver.shownEnabled(*control), control->enabled());
    if (const auto* captioned = dynamic_cast<const forms::CaptionedControl*>(control)) {
      EXPECT_EQ(stage.driver.shownCaption(*control), captioned->caption());
    }
  }
  // The native focus follows the model's wherever the model has placed it.
  if (main.focused() != nullptr) {
    const forms::Control* shown = stage.driver.nativeFocus(main);
    EXPECT_EQ(shown != nullptr ? shown->name() : "none", main.focused()->name());
  }
}

std::vector<Scenario> build() {
  return {
      {"ClickAButton",
       [](Stage& s) { s.driver.click(s.main.Save); },
       {"SaveClick"},
       "focus=Save port= option=0 method=-1 second=hidden ended=0",
       {},
       {}},
      {"TickAndUntickACheckBox",
       [](Stage& s) {
         s.driver.click(s.main.Option);
         s.driver.click(s.main.Option);
         s.driver.click(s.main.Option);
       },
       {"OptionClick 1", "OptionClick 0", "OptionClick 1"},
       "focus=Option port= option=1 method=-1 second=hidden ended=0",
       {},
       {}},
      {"ChooseARadioItemByMouse",
       [](Stage& s) {
         s.driver.click(s.main.Method, 2);
         s.driver.click(s.main.Method, 1);
         s.driver.click(s.main.Method, 1);
       },
       {"MethodClick 2", "MethodClick 1"},
       "focus=Method port= option=0 method=1 second=hidden ended=0",
       {},
       {}},
      {"ChooseRadioItemsByArrowKeys",
       [](Stage& s) {
         s.driver.click(s.main.Method, 0);
         s.driver.press(Key::Down);
         s.driver.press(Key::Right);
         s.driver.press(Key::Down);  // the last item: the arrow stops there
         s.driver.press(Key::Up);
         s.driver.press(Key::Left);
         s.driver.press(Key::Up);
       },
       {"MethodClick 0", "MethodClick 1", "MethodClick 2", "MethodClick 1", "MethodClick 0"},
       "focus=Method port= option=0 method=0 second=hidden ended=0",
       {},
       {}},
      {"TypeIntoAField",
       [](Stage& s) {
         s.driver.click(s.main.Port);
         s.driver.type("42");
       },
       {"PortKeyDown 52", "PortChange 4", "PortKeyDown 50", "PortChange 42"},
       "focus=Port port=42 option=0 method=-1 second=hidden ended=0",
       {},
       {}},
      {"TabFollowsTheCreationOrderAndSkipsWhatCannotTakeIt",
       [](Stage& s) {
         s.driver.click(s.main.Port);
         s.driver.press(Key::Tab);
         s.driver.press(Key::Tab);
         s.driver.press(Key::Tab);
         s.driver.press(Key::Tab);
       },
       {"PortExit"},
       "focus=Save port= option=0 method=-1 second=hidden ended=0",
       {},
       {}},
      {"EnterAndEscapeReachTheFieldsHandler",
       [](Stage& s) {
         s.driver.click(s.main.Port);
         s.driver.press(Key::Enter);
         s.driver.press(Key::Escape);
       },
       {"PortKeyDown 13", "PortKeyDown 27"},
       "focus=Port port= option=0 method=-1 second=hidden ended=0",
       {},
       {}},
      {"EnterPressesTheFocusedButton",
       [](Stage& s) {
         s.driver.click(s.main.Save);
         s.driver.press(Key::Enter);
       },
       {"SaveClick", "SaveClick"},
       "focus=Save port= option=0 method=-1 second=hidden ended=0",
       {},
       {}},
      {"CloseByTheFrameWhileAHandlerRuns",
       [](Stage& s) {
         showSecond(s);
         s.main.whileSaving = [&s] {
           s.driver.closeByFrame(s.second);
           s.main.log.push_back(s.second.visible() ? "SecondOpen" : "SecondHidden");
         };
         s.driver.click(s.main.Save);
       },
       {"SaveClick", "SecondHidden", "SaveDone"},
       "focus=Save port= option=0 method=-1 second=hidden ended=0",
       {},
       {}},
      {"CloseTheMainWindowByTheFrame",
       [](Stage& s) { s.driver.closeByFrame(s.main); },
       {},
       "focus=none port= option=0 method=-1 second=hidden ended=1",
       {},
       {}},
      {"ACaptionWithAnAmpersandReadsAsWritten",
       [](Stage&) {},
       {},
       "focus=none port= option=0 method=-1 second=hidden ended=0",
       {},
       [](Stage& s) { EXPECT_EQ(s.driver.shownCaption(s.main.Option), "R2 Day & Night"); }},
      {"ALabelGrowsToItsTextFromItsLeftEdge",
       [](Stage&) {},
       {},
       "focus=none port= option=0 method=-1 second=hidden ended=0",
       {},
       [](Stage& s) {
         const forms::Rect shown = s.driver.shownRect(s.main.Grows);
         EXPECT_EQ(shown.left, s.main.Grows.rect().left);
         EXPECT_EQ(shown.top, s.main.Grows.rect().top);
         EXPECT_GT(shown.width, 3 * s.main.Grows.rect().width);
       }},
      {"HiddenAndDisabledControlsTakeNoInput",
       [](Stage& s) {
         s.driver.click(s.main.Hidden);
         s.driver.click(s.main.Disabled);
       },
       {},
       "focus=none port= option=0 method=-1 second=hidden ended=0",
       {},
       {}},
      {"AMessageBoxThenAConfirmationAnsweredNo",
       [](Stage& s) {
         s.driver.answerBoxes({Answer::Ok, Answer::No});
         s.driver.click(s.main.Ask);
       },
       {"AskNo"},
       "focus=Ask port= option=0 method=-1 second=hidden ended=0",
       {"Saved.", "Overwrite?"},
       {}},
      {"AConfirmationAnsweredYes",
       [](Stage& s) {
         s.driver.answerBoxes({Answer::Ok, Answer::Yes});
         s.driver.click(s.main.Ask);
       },
       {"AskYes"},
       "focus=Ask port= option=0 method=-1 second=hidden ended=0",
       {"Saved.", "Overwrite?"},
       {}},
  };
}

}  // namespace

const std::vector<Scenario>& table() {
  static const std::vector<Scenario> scenarios = build();
  return scenarios;
}

void PrintTo(const Scenario& scenario, std::ostream* out) {
  *out << scenario.name;
}

std::string modelState(const Stage& stage) {
  const ScenarioWindow& main = stage.main;
  const forms::Control* focused = main.focused();
  return "focus=" + (focused != nullptr ? focused->name() : std::string("none")) +
         " port=" + main.Port.text() + " option=" + (main.Option.checked() ? "1" : "0") +
         " method=" + std::to_string(main.Method.itemIndex()) +
         " second=" + (stage.second.visible() ? "open" : "hidden") +
         " ended=" + (stage.app.terminated() ? "1" : "0");
}

void play(const Scenario& scenario, Stage& stage) {
  stage.main.log.clear();
  scenario.steps(stage);
  stage.driver.settle();
  EXPECT_EQ(stage.main.log, scenario.events);
  EXPECT_EQ(modelState(stage), scenario.state);
  EXPECT_EQ(stage.driver.boxTexts(), scenario.boxes);
  if (scenario.shown) scenario.shown(stage);
  checkShown(stage);
}

}  // namespace tavi::frontends::scenarios
