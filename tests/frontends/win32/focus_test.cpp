#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "frontends/win32/renderer_fixture.h"
#include "frontends/win32/test_helpers.h"

namespace tavi::frontends::win32::testing {
namespace {

class Focus : public RendererTest {
 protected:
  // The person clicks into the port field and types a text there.
  void enterPort(const wchar_t* text) {
    press(native(demo.Port));
    for (const wchar_t* c = text; *c != 0; ++c)
      type(native(demo.Port), *c);
    demo.log.clear();
  }
  void key(HWND window, WPARAM code) {
    PostMessageW(window, WM_KEYDOWN, code, 1);
    PostMessageW(window, WM_KEYUP, code, 0xC0000001);
    pump();
  }
};

TEST_F(Focus, PressOnAControlMovesTheModelsFocusFirst) {
  enterPort(L"3");
  EXPECT_EQ(demo.focused(), &demo.Port);
  EXPECT_EQ(GetFocus(), native(demo.Port));

  press(native(demo.Save));
  EXPECT_EQ(demo.log, (std::vector<std::string>{"PortExit", "SaveClick"}));
  EXPECT_EQ(demo.focused(), &demo.Save);
  EXPECT_EQ(GetFocus(), native(demo.Save));
}

TEST_F(Focus, ExitHandlerThatKeepsTheFocusSwallowsThePress) {
  demo.portMustBeNumber = true;
  enterPort(L"x");

  for (HWND target :
       {native(demo.Save), native(demo.Option), item(demo.Method, 1), native(demo.Limit)}) {
    press(target);
  }
  EXPECT_EQ(demo.log, std::vector<std::string>(4, "PortExit"));
  EXPECT_FALSE(demo.Option.checked());
  EXPECT_EQ(demo.Method.itemIndex(), -1);
  EXPECT_EQ(demo.focused(), &demo.Port);
  EXPECT_EQ(GetFocus(), native(demo.Port));
}

TEST_F(Focus, TabMovesTheModelsFocusAndRunsTheExitHandler) {
  enterPort(L"3");
  key(native(demo.Port), VK_TAB);
  EXPECT_EQ(demo.log, (std::vector<std::string>{"PortExit"}));
  EXPECT_EQ(demo.focused(), &demo.Option);
  EXPECT_EQ(GetFocus(), native(demo.Option));
}

TEST_F(Focus, TabAwayFromARefusedFieldComesBack) {
  demo.portMustBeNumber = true;
  enterPort(L"x");
  key(native(demo.Port), VK_TAB);
  EXPECT_EQ(demo.log, (std::vector<std::string>{"PortExit"}));
  EXPECT_EQ(demo.focused(), &demo.Port);
  EXPECT_EQ(GetFocus(), native(demo.Port));
}

TEST_F(Focus, EnterInAFieldReachesTheModelAndStaysThere) {
  enterPort(L"5");
  key(native(demo.Port), VK_RETURN);
  EXPECT_EQ(demo.log, (std::vector<std::string>{"PortKeyDown 13"}));
  EXPECT_EQ(demo.Port.text(), "5");
  EXPECT_EQ(GetFocus(), native(demo.Port));
}

TEST_F(Focus, NativeFocusFollowsTheModel) {
  demo.setFocus(demo.Notes);
  renderer.sync();
  EXPECT_EQ(GetFocus(), native(demo.Notes));
  demo.setFocus(demo.Method);
  renderer.sync();
  EXPECT_EQ(GetFocus(), item(demo.Method, 0));
  pump();
  // Moving it from code is no person's action: no exit handler ran.
  EXPECT_TRUE(demo.log.empty());
}

// The flag strip's rule: Tab reaches a picture that stands for an action and shows the focus
// on it, Space and Enter do its action, and a click does it without taking the focus.
TEST_F(Focus, APictureStandingForAnActionIsATabStopThatAClickDoesNotFocus) {
  DemoWindow& strip = app.create<DemoWindow>("Strip");
  strip.Flag.setKeyboardOnlyFocus(true);
  strip.show();
  renderer.sync();
  press(native(strip.Port));
  strip.log.clear();
  press(native(strip.Flag));
  EXPECT_EQ(strip.log, (std::vector<std::string>{"FlagClick"}));
  EXPECT_EQ(strip.focused(), &strip.Port);
  EXPECT_EQ(GetFocus(), native(strip.Port));

  int width = 0;
  int height = 0;
  const auto unfocused = capture(native(strip.Flag), width, height);
  strip.setFocus(strip.Inner);
  renderer.sync();
  key(native(strip.Inner), VK_TAB);
  EXPECT_EQ(strip.focused(), &strip.Flag);
  EXPECT_EQ(GetFocus(), native(strip.Flag));
  EXPECT_NE(capture(native(strip.Flag), width, height), unfocused);

  strip.log.clear();
  key(native(strip.Flag), VK_SPACE);
  key(native(strip.Flag), VK_RETURN);
  key(native(strip.Flag), 'A');
  EXPECT_EQ(strip.log, (std::vector<std::string>{"FlagClick", "FlagClick"}));
  key(native(strip.Flag), VK_TAB);
  EXPECT_EQ(strip.focused(), &strip.Notes);
  EXPECT_EQ(capture(native(strip.Flag), width, height), unfocused);
}

}  // namespace
}  // namespace tavi::frontends::win32::testing
