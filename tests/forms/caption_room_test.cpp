#include "forms/caption_room.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "forms/application.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/scripted_desktop.h"

namespace tavi::forms {
namespace {

// Every character 6 units wide, as a front end would measure; a check box adds its box, a
// button its edges, a field its margins.
int characters(std::string_view text) {
  int count = 0;
  for (const char byte : text)
    count += (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
  return count;
}

TextSize measure(const Control& control, std::string_view text) {
  int decoration = 0;
  if (control.kind() == ControlKind::CheckBox) decoration = 16;
  if (control.kind() == ControlKind::Button) decoration = 6;
  if (control.kind() == ControlKind::Edit) decoration = 4;
  return {characters(text) * 6 + decoration, 13};
}

// A row as in the main window: a caption, its value and unit, a bar beneath, a panel beside.
class RowWindow : public Form {
 public:
  explicit RowWindow(Application& app) : Form(app, "Form1", "Rows", 300, 200) {}

  Label Caption{*this, "Caption", {20, 10, 60, 13}, "Limit:"};
  Label Value{*this, "Value", {84, 10, 18, 13}, "80"};
  Label Unit{*this, "Unit", {104, 10, 12, 13}, "%"};
  Button Beside{*this, "Beside", {150, 6, 60, 25}, "Go"};
  CheckBox Option{*this, "Option", {20, 40, 100, 17}, "Option"};
  Button Info{*this, "Info", {124, 38, 20, 21}, "i"};
  Edit Heading{*this, "Heading", {200, 70, 60, 19}, "Heading:"};
  Button After{*this, "After", {262, 68, 30, 21}, "Info"};
  CheckBox OnButton{*this, "OnButton", {154, 10, 15, 17}, ""};
  CheckBox Hidden{*this, "Hidden", {150, 40, 100, 17}, "Hidden"};
};

class CaptionRoomTest : public ::testing::Test {
 protected:
  CaptionRoomTest() {
    window.Heading.setReadOnly(true);
    window.Heading.setBorder(false);
    window.Hidden.setVisible(false);
  }

  CaptionRoom roomOf(const Control& control) {
    const auto rooms = fitCaptions(window, measure);
    const auto& controls = window.controls();
    for (std::size_t i = 0; i < controls.size(); ++i) {
      if (controls[i] == &control) return rooms[i];
    }
    ADD_FAILURE() << control.name() << " is not in the window";
    return {};
  }

  ScriptedDesktop desktop;
  Application app{desktop};
  RowWindow window{app};
};

TEST_F(CaptionRoomTest, ACaptionThatFitsKeepsItsDesignPlaceAndText) {
  for (const Control* control : window.controls()) {
    const CaptionRoom room = roomOf(*control);
    EXPECT_EQ(room.rect, control->rect()) << control->name();
    EXPECT_TRUE(room.whole) << control->name();
  }
  EXPECT_EQ(roomOf(window.Caption).text, "Limit:");
}

TEST_F(CaptionRoomTest, ALongerCaptionGrowsIntoFreeSpaceFirst) {
  window.Value.setCaption("");
  window.Unit.setCaption("");
  window.Caption.setCaption("Sensitivity:");  // 72 units against 60
  EXPECT_EQ(roomOf(window.Caption).rect, (Rect{20, 10, 72, 13}));
  EXPECT_TRUE(roomOf(window.Caption).whole);
}

TEST_F(CaptionRoomTest, TheValuesOnItsRowMoveAlongWhenTheRowStaysFree) {
  window.Caption.setCaption("Empfindlichkeit:");  // 96 units: covers "80" at 84
  EXPECT_EQ(roomOf(window.Caption).rect, (Rect{20, 10, 96, 13}));
  const Rect value = roomOf(window.Value).rect;
  const Rect unit = roomOf(window.Unit).rect;
  EXPECT_EQ(value.left, 20 + 96 + 2);
  EXPECT_EQ(unit.left, value.left + 12 + 2);  // "80" is 12 wide; the unit keeps its gap
  EXPECT_LE(unit.left + 6, window.Beside.rect().left);
  EXPECT_EQ(roomOf(window.Value).text, "80");
}

TEST_F(CaptionRoomTest, ARowThatWouldRunIntoAControlGrowsToTheOtherSideInstead) {
  window.Caption.setCaption("Sensitivity limits:");  // 114 units: the unit would reach "Go"
  const Rect caption = roomOf(window.Caption).rect;
  // Not enough room on the left either (it would leave the window): shortened in place.
  EXPECT_EQ(caption, window.Caption.rect());
  EXPECT_FALSE(roomOf(window.Caption).whole);
  EXPECT_EQ(roomOf(window.Value).rect, window.Value.rect());
}

TEST_F(CaptionRoomTest, ACaptionGrowsLeftIntoFreeSpaceWhenItsRowCannotMove) {
  window.Caption.setRect({60, 10, 20, 13});
  window.Caption.setCaption("Limits:");  // 42 units; the row would reach "Go"
  window.Unit.setRect({104, 10, 40, 13});
  window.Unit.setCaption("% of it");
  EXPECT_EQ(roomOf(window.Caption).rect, (Rect{38, 10, 42, 13}));
  EXPECT_EQ(roomOf(window.Value).rect, window.Value.rect());
}

TEST_F(CaptionRoomTest, ACheckBoxGrowsRightOnlyAndIsShortenedBeforeItCoversItsButton) {
  window.Option.setCaption("Australian flower essences");
  const CaptionRoom room = roomOf(window.Option);
  EXPECT_EQ(room.rect, window.Option.rect());
  EXPECT_FALSE(room.whole);
  EXPECT_TRUE(room.text.ends_with(kEllipsis));
  EXPECT_LE(measure(window.Option, room.text).width, 100);
  EXPECT_GT(measure(window.Option, room.text).width, 100 - 6 - 1);  // the longest start

  window.Info.setVisible(false);
  EXPECT_EQ(roomOf(window.Option).rect.width,
            measure(window.Option, window.Option.caption()).width);
  EXPECT_TRUE(roomOf(window.Option).whole);
}

TEST_F(CaptionRoomTest, ACaptionFieldBlockedOnTheRightGrowsToTheLeft) {
  window.Heading.setText("Nahrungsergänzung:");  // 18 characters: 112 units against 60
  const CaptionRoom room = roomOf(window.Heading);
  EXPECT_EQ(room.rect, (Rect{260 - 112, 70, 112, 19}));
  EXPECT_TRUE(room.whole);
}

TEST_F(CaptionRoomTest, OverlapsOfTheDesignItselfAndHiddenControlsBlockNothing) {
  // "Go" lies under the indicator OnButton by design; a longer "Go" is still shortened, but the
  // indicator itself is no reason: it lay there before.
  window.Beside.setCaption("Go on");  // 36 units against 60: fits
  EXPECT_TRUE(roomOf(window.Beside).whole);
  window.Option.setCaption("An option that is long");  // grows over where Hidden lies
  window.Info.setVisible(false);
  EXPECT_TRUE(roomOf(window.Option).whole);
}

TEST_F(CaptionRoomTest, ButtonsNeverGrow) {
  window.Info.setCaption("Information");
  const CaptionRoom room = roomOf(window.Info);
  EXPECT_EQ(room.rect, window.Info.rect());
  EXPECT_EQ(room.text, "I…");
  EXPECT_FALSE(room.whole);
}

TEST(ShortenedToFit, CutsOnlyBetweenCharactersAndDropsTheBlankBeforeTheEllipsis) {
  const auto upTo = [](int count) {
    return [count](std::string_view text) { return characters(text) <= count; };
  };
  EXPECT_EQ(shortenedToFit("Чувствительность", upTo(6)), "Чувст…");
  EXPECT_EQ(shortenedToFit("Nu Skin", upTo(4)), "Nu…");
  EXPECT_EQ(shortenedToFit("Ab", upTo(0)), "…");
}

}  // namespace
}  // namespace tavi::forms
