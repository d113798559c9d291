#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "frontends/win32/renderer_fixture.h"
#include "frontends/win32/test_helpers.h"

namespace tavi::frontends::win32::testing {
namespace {

using Input = RendererTest;

TEST_F(Input, ClicksOnTheRealControlsBecomeTheModelsEvents) {
  press(native(demo.Save));
  press(native(demo.Option));
  press(item(demo.Method, 1));
  press(native(demo.Inner));
  press(native(demo.Flag));

  EXPECT_EQ(demo.log, (std::vector<std::string>{"SaveClick", "OptionClick 1", "MethodClick 1",
                                                "InnerClick", "FlagClick"}));
  EXPECT_TRUE(demo.Option.checked());
  EXPECT_TRUE(isChecked(native(demo.Option)));
  EXPECT_EQ(demo.Method.itemIndex(), 1);
  EXPECT_TRUE(isChecked(item(demo.Method, 1)));

  // The model decides the tick: a second click takes it away again.
  press(native(demo.Option));
  EXPECT_FALSE(demo.Option.checked());
  EXPECT_FALSE(isChecked(native(demo.Option)));
}

TEST_F(Input, TypingChangesTheModelsText) {
  press(native(demo.Port));
  type(native(demo.Port), L'4');
  type(native(demo.Port), L'č');
  EXPECT_EQ(demo.Port.text(), "4č");
  EXPECT_EQ(demo.log, (std::vector<std::string>{"PortChange 4", "PortChange 4č"}));

  press(native(demo.Notes));
  type(native(demo.Notes), L'a');
  type(native(demo.Notes), L'\r');
  type(native(demo.Notes), L'b');
  EXPECT_EQ(demo.Notes.lines(), (std::vector<std::string>{"a", "b"}));
  // The line break typed at the end stayed in the field while "b" was not there yet.
  EXPECT_EQ(shownText(native(demo.Notes)), "a\r\nb");
}

struct Scroll {
  const char* name;
  WORD code;
  int thumb;
  int expected;
};

class Scrolling : public RendererTest, public ::testing::WithParamInterface<Scroll> {};

TEST_P(Scrolling, EveryMoveAsksTheModelForTheNewPosition) {
  const Scroll scroll = GetParam();
  HWND bar = native(demo.Limit);
  SendMessageW(GetParent(bar), WM_HSCROLL, MAKEWPARAM(scroll.code, scroll.thumb),
               reinterpret_cast<LPARAM>(bar));
  EXPECT_EQ(demo.Limit.position(), scroll.expected);
  EXPECT_EQ(scrollPosition(bar), scroll.expected);
  const std::vector<std::string> changed{"LimitChange " + std::to_string(scroll.expected)};
  EXPECT_EQ(demo.log, scroll.expected == 80 ? std::vector<std::string>{} : changed);
}

INSTANTIATE_TEST_SUITE_P(Moves, Scrolling,
                         ::testing::Values(Scroll{"LineRight", SB_LINERIGHT, 0, 81},
                                           Scroll{"LineLeft", SB_LINELEFT, 0, 79},
                                           Scroll{"PageRight", SB_PAGERIGHT, 0, 85},
                                           Scroll{"PageLeft", SB_PAGELEFT, 0, 75},
                                           Scroll{"Thumb", SB_THUMBPOSITION, 90, 90},
                                           Scroll{"ThumbPastTheEnd", SB_THUMBPOSITION, 200, 95},
                                           Scroll{"Home", SB_LEFT, 0, 70},
                                           Scroll{"End", SB_RIGHT, 0, 95},
                                           Scroll{"EndOfScrolling", SB_ENDSCROLL, 0, 80}),
                         [](const ::testing::TestParamInfo<Scroll>& scroll) {
                           return std::string(scroll.param.name);
                         });

TEST_F(Input, ValuesTheModelSetsDoNotComeBackAsEvents) {
  const auto dispatches = app.dispatches();
  demo.Port.setText("7");
  demo.Notes.setLines({"x"});
  demo.Option.setChecked(true);
  demo.Method.setItemIndex(0);
  demo.Limit.setPosition(93);
  demo.log.clear();
  renderer.sync();
  pump();
  EXPECT_EQ(app.dispatches(), dispatches);
  EXPECT_TRUE(demo.log.empty());
  EXPECT_EQ(shownText(native(demo.Port)), "7");
}

TEST_F(Input, WhatTheModelRefusesIsUndoneOnTheScreen) {
  demo.Port.setReadOnly(true);
  renderer.sync();
  // A read-only field that still received text (a paste through the system) shows the model's.
  SendMessageW(native(demo.Port), EM_SETREADONLY, FALSE, 0);
  type(native(demo.Port), L'9');
  EXPECT_EQ(demo.Port.text(), "");
  renderer.sync();
  EXPECT_EQ(shownText(native(demo.Port)), "");
}

}  // namespace
}  // namespace tavi::frontends::win32::testing
