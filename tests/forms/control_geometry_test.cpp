#include <gtest/gtest.h>

#include <vector>

#include "forms/application.h"
#include "forms/label_fit.h"
#include "forms/radio_layout.h"
#include "forms/scripted_desktop.h"
#include "test_window.h"

namespace tavi::forms {
namespace {

class ControlGeometry : public ::testing::Test {
 protected:
  ScriptedDesktop desktop;
  Application app{desktop};
  testing::TestWindow& window = app.create<testing::TestWindow>();
};

TEST_F(ControlGeometry, RadioItemsShareTheRowsBelowTheCaptionAndTheColumnsInsideTheFrame) {
  // 120 x 60 with two items and a 13-pixel line: 42 pixels of rows.
  EXPECT_EQ(radioItemRects(window.Method, 13),
            (std::vector<Rect>{{8, 14, 110, 21}, {8, 35, 110, 21}}));
  // Three items in two columns, filled column by column.
  window.Method.addItem("C");
  window.Method.setColumns(2);
  window.Method.setRect({0, 0, 150, 62});
  EXPECT_EQ(radioItemRects(window.Method, 13),
            (std::vector<Rect>{{8, 14, 70, 22}, {8, 36, 70, 22}, {78, 14, 70, 22}}));
  // A larger font lowers the rows; a group too low keeps a pixel a row.
  window.Method.setColumns(1);
  window.Method.setRect({0, 0, 100, 10});
  EXPECT_EQ(radioItemRects(window.Method, 26),
            (std::vector<Rect>{{8, 27, 90, 1}, {8, 28, 90, 1}, {8, 29, 90, 1}}));
  window.Method.clearItems();
  EXPECT_TRUE(radioItemRects(window.Method, 13).empty());
}

struct Fit {
  const char* name;
  Alignment alignment;
  bool wordWrap;
  int textWidth;
  int textHeight;
  Rect expected;
};

class LabelFit : public ControlGeometry, public ::testing::WithParamInterface<Fit> {};

TEST_P(LabelFit, GrowsAwayFromTheEdgeItsAlignmentHoldsAndNeverShrinks) {
  // The label stands at {140, 140, 100, 13}.
  const Fit& fit = GetParam();
  window.Caption.setAlignment(fit.alignment);
  window.Caption.setWordWrap(fit.wordWrap);
  EXPECT_EQ(fittedLabelRect(window.Caption, fit.textWidth, fit.textHeight), fit.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Labels, LabelFit,
    ::testing::Values(Fit{"Fits", Alignment::Left, false, 60, 13, {140, 140, 100, 13}},
                      Fit{"Left", Alignment::Left, false, 130, 13, {140, 140, 130, 13}},
                      Fit{"Right", Alignment::Right, false, 130, 13, {110, 140, 130, 13}},
                      Fit{"Centre", Alignment::Center, false, 131, 13, {125, 140, 131, 13}},
                      Fit{"Taller", Alignment::Left, false, 60, 16, {140, 140, 100, 16}},
                      Fit{"Wrapped", Alignment::Left, true, 300, 39, {140, 140, 100, 39}}),
    [](const ::testing::TestParamInfo<Fit>& fit) { return std::string(fit.param.name); });

TEST_F(ControlGeometry, AnEmptyLabelKeepsItsPlace) {
  window.Caption.setCaption("");
  EXPECT_EQ(fittedLabelRect(window.Caption, 0, 13), (Rect{140, 140, 100, 13}));
}

}  // namespace
}  // namespace tavi::forms
