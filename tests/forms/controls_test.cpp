#include <gtest/gtest.h>

#include "forms/application.h"
#include "forms/scripted_desktop.h"
#include "test_window.h"

namespace tavi::forms {
namespace {

using testing::TestWindow;

class ControlsTest : public ::testing::Test {
 protected:
  ScriptedDesktop desktop;
  Application app{desktop};
  TestWindow& window = app.create<TestWindow>();
};

TEST_F(ControlsTest, ScrollBarRunsItsHandlerOnlyOnARealChangeAndClamps) {
  window.log.clear();
  window.Limit.setPosition(80);   // unchanged
  window.Limit.setPosition(200);  // clamped to 95
  window.Limit.setPosition(95);   // unchanged after clamping
  window.Limit.setPosition(0);    // clamped to 70
  EXPECT_EQ(window.log, (std::vector<std::string>{"LimitChange 95", "LimitChange 70"}));

  window.log.clear();
  window.Limit.setMin(75);  // the position follows the range
  EXPECT_EQ(window.Limit.position(), 75);
  window.Limit.setMax(90);  // position still inside: no change
  EXPECT_EQ(window.log, (std::vector<std::string>{"LimitChange 75"}));
}

TEST_F(ControlsTest, ScrollBarCreatedOutsideItsRangeStartsClamped) {
  ScrollBar bar{window, "Bar", {}, 10, 120, 500};
  EXPECT_EQ(bar.position(), 120);
  ScrollBar inverted{window, "Inverted", {}, 10, 5, 0};
  EXPECT_EQ(inverted.max(), 10);
  EXPECT_EQ(inverted.position(), 10);
}

TEST_F(ControlsTest, CheckBoxAndRadioGroupSetFromCodeBehaveLikeTheRealControls) {
  window.log.clear();
  window.Option.setChecked(false);  // already unticked: no click
  window.Option.setChecked(true);
  window.Method.setItemIndex(1);
  window.Method.setItemIndex(1);
  window.Method.setItemIndex(7);  // past the last item: nothing chosen
  EXPECT_EQ(window.log,
            (std::vector<std::string>{"OptionClick 1", "MethodClick 1", "MethodClick -1"}));
  EXPECT_EQ(window.Method.itemIndex(), -1);
}

TEST_F(ControlsTest, RadioGroupItemsAreReplacedOneByOne) {
  window.Method.setItemIndex(0);
  window.Method.clearItems();
  EXPECT_EQ(window.Method.itemIndex(), -1);
  window.Method.addItem("Telemetric");
  window.Method.addItem("Electrode");
  EXPECT_EQ(window.Method.items(), (std::vector<std::string>{"Telemetric", "Electrode"}));
}

TEST_F(ControlsTest, EditRunsItsChangeHandlerOnlyWhenTheTextChanges) {
  window.log.clear();
  window.Port.setText("");
  window.Port.setText("ř5");
  window.Port.setText("ř5");
  EXPECT_EQ(window.log, (std::vector<std::string>{"PortChange ř5"}));
}

TEST_F(ControlsTest, MemoSplitsTextIntoLines) {
  struct Case {
    const char* text;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"", {}},
      {"one", {"one"}},
      {"one\r\ntwo", {"one", "two"}},
      {"one\ntwo\n", {"one", "two", ""}},
      {"one\rtwo\r\n\r\nfour", {"one", "two", "", "four"}},
  };
  Memo memo{window, "Memo", {}};
  for (const auto& c : cases) {
    memo.setText(c.text);
    EXPECT_EQ(memo.lines(), c.lines) << c.text;
  }
  memo.setLines({"a", "b"});
  EXPECT_EQ(memo.text(), "a\r\nb");
  memo.setText("a\nb\n");
  EXPECT_EQ(memo.text(), "a\r\nb\r\n");
}

TEST_F(ControlsTest, RevisionRisesOnlyWhenAPropertyChanges) {
  const auto controlBefore = window.Save.revision();
  const auto formBefore = window.revision();
  window.Save.setCaption("Save");
  window.Save.setVisible(true);
  EXPECT_EQ(window.Save.revision(), controlBefore);
  window.Save.setCaption("Uložit");
  EXPECT_GT(window.Save.revision(), controlBefore);
  EXPECT_GT(window.revision(), formBefore);
}

TEST_F(ControlsTest, FontFallsBackToTheWindowsFontUntilTheControlSetsItsOwn) {
  EXPECT_EQ(window.Save.font().name, "Tahoma");
  EXPECT_EQ(window.Save.font().pointSize, 8);
  window.Save.setFontSize(10);
  EXPECT_EQ(window.Save.font().pointSize, 10);
  EXPECT_EQ(window.Option.font().pointSize, 8);
}

TEST_F(ControlsTest, StoredColoursAreBlueGreenRed) {
  const Color main = Color::fromStored(16749459);
  EXPECT_EQ(main, Color::rgb(147, 147, 255));
  EXPECT_EQ(main.stored(), 16749459u);
}

TEST_F(ControlsTest, AControlInAHiddenPanelIsNotShowing) {
  EXPECT_TRUE(window.Inner.showing());
  window.Box.setVisible(false);
  EXPECT_TRUE(window.Inner.visible());
  EXPECT_FALSE(window.Inner.showing());
}

TEST_F(ControlsTest, ProgressBarStaysWithinItsRange) {
  ProgressBar bar{window, "Progress", {}};
  bar.setMax(40);
  bar.setPosition(55);
  EXPECT_EQ(bar.position(), 40);
  bar.setMax(10);
  EXPECT_EQ(bar.position(), 10);
  bar.setPosition(-3);
  EXPECT_EQ(bar.position(), 0);
}

}  // namespace
}  // namespace tavi::forms
