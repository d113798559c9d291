#include "forms/radio_keys.h"

#include <gtest/gtest.h>

#include <optional>

#include "forms/application.h"
#include "forms/scripted_desktop.h"
#include "test_window.h"

namespace tavi::forms {
namespace {

struct Arrow {
  int chosen;
  Key key;
  std::optional<int> expected;
};

class ItemForArrow : public ::testing::TestWithParam<Arrow> {};

TEST_P(ItemForArrow, ChoosesTheNeighbourAndStopsAtTheEnds) {
  ScriptedDesktop desktop;
  Application app{desktop};
  auto& window = app.create<testing::TestWindow>();
  window.Method.addItem("C");  // A, B, C
  window.Method.setItemIndex(GetParam().chosen);
  EXPECT_EQ(itemForArrow(window.Method, GetParam().key), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Keys, ItemForArrow,
                         ::testing::Values(Arrow{0, Key::Down, 1}, Arrow{1, Key::Right, 2},
                                           Arrow{2, Key::Down, 2}, Arrow{2, Key::Up, 1},
                                           Arrow{1, Key::Left, 0}, Arrow{0, Key::Up, 0},
                                           Arrow{-1, Key::Down, 0}, Arrow{-1, Key::Up, 0},
                                           Arrow{1, Key::Tab, std::nullopt},
                                           Arrow{1, Key::Enter, std::nullopt}));

TEST(ItemForArrowWithoutItems, ChoosesNothingButKeepsTheKey) {
  ScriptedDesktop desktop;
  Application app{desktop};
  auto& window = app.create<testing::TestWindow>();
  window.Method.clearItems();
  EXPECT_EQ(itemForArrow(window.Method, Key::Down), -1);
}

}  // namespace
}  // namespace tavi::forms
