#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "frontends/win32/renderer_fixture.h"
#include "frontends/win32/test_helpers.h"

namespace tavi::frontends::win32::testing {
namespace {

class Windows : public RendererTest {
 protected:
  DemoWindow& second = app.create<DemoWindow>("Second");

  static std::uint32_t rgb(int red, int green, int blue) {
    return static_cast<std::uint32_t>((red << 16) | (green << 8) | blue);
  }
};

TEST_F(Windows, ClosingTheMainWindowByItsFrameEndsTheProgram) {
  PostMessageW(native(demo), WM_CLOSE, 0, 0);
  EXPECT_EQ(renderer.run(), 0);  // returns once the model has ended the application
  EXPECT_TRUE(app.terminated());
  EXPECT_FALSE(IsWindowVisible(native(demo)));
}

TEST_F(Windows, ClosingASecondaryWindowByItsFrameHidesIt) {
  second.show();
  renderer.sync();
  ASSERT_TRUE(IsWindowVisible(native(second)));
  SendMessageW(native(second), WM_CLOSE, 0, 0);
  EXPECT_FALSE(second.visible());
  EXPECT_FALSE(IsWindowVisible(native(second)));
  EXPECT_TRUE(IsWindow(native(second)));
  EXPECT_FALSE(app.terminated());
}

TEST_F(Windows, SecondaryWindowsBelongToTheMainWindowAndAreCentred) {
  second.show();
  renderer.sync();
  EXPECT_EQ(GetWindow(native(second), GW_OWNER), native(demo));

  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(native(demo), MONITOR_DEFAULTTOPRIMARY), &monitor);
  auto centreOf = [](const RECT& r) {
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  };
  const POINT desk = centreOf(monitor.rcWork);
  for (HWND window : {native(demo), native(second)}) {
    RECT place;
    GetWindowRect(window, &place);
    EXPECT_NEAR(centreOf(place).x, desk.x, 1);
    EXPECT_NEAR(centreOf(place).y, desk.y, 1);
  }

  // A request to centre again brings back a window that was moved away.
  SetWindowPos(native(second), nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  second.centre();
  renderer.sync();
  RECT place;
  GetWindowRect(native(second), &place);
  EXPECT_NEAR(centreOf(place).x, desk.x, 1);
}

TEST_F(Windows, ColoursOfTheWindowPanelsAndControls) {
  demo.setColor(forms::Color::fromStored(16749459));
  demo.Box.setColor(forms::Color::rgb(138, 197, 255));
  demo.Option.setColor(forms::Color::silver());
  demo.Option.setFontColor(forms::Color::rgb(200, 0, 0));
  renderer.sync();

  struct Case {
    const char* name;
    HWND window;
    UINT message;
    COLORREF background;
  };
  const Case cases[] = {
      {"label in the panel", native(demo.Value), WM_CTLCOLORSTATIC, RGB(138, 197, 255)},
      {"check box", native(demo.Option), WM_CTLCOLORSTATIC, RGB(192, 192, 192)},
      {"radio item on the window", item(demo.Method, 0), WM_CTLCOLORSTATIC, RGB(147, 147, 255)},
      {"edit field", native(demo.Port), WM_CTLCOLOREDIT, GetSysColor(COLOR_WINDOW)},
  };
  HDC dc = CreateCompatibleDC(nullptr);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto brush = reinterpret_cast<HBRUSH>(SendMessageW(GetParent(c.window), c.message,
                                                       reinterpret_cast<WPARAM>(dc),
                                                       reinterpret_cast<LPARAM>(c.window)));
    LOGBRUSH description{};
    ASSERT_NE(GetObjectW(brush, sizeof description, &description), 0);
    EXPECT_EQ(description.lbColor, c.background);
  }
  SendMessageW(native(demo), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
               reinterpret_cast<LPARAM>(native(demo.Option)));
  EXPECT_EQ(GetTextColor(dc), RGB(200, 0, 0));
  DeleteDC(dc);

  // The window and the panel are painted in their colours.
  int width = 0;
  int height = 0;
  const auto pixels = capture(native(demo), width, height);
  ASSERT_EQ(pixels.size(), static_cast<std::size_t>(width * height));
  EXPECT_EQ(pixels[static_cast<std::size_t>(width * (height - 2) + width - 2)], rgb(147, 147, 255));
  const auto panel = capture(native(demo.Box), width, height);
  EXPECT_EQ(panel[static_cast<std::size_t>(width * (height / 2) + width - 10)], rgb(138, 197, 255));
}

TEST_F(Windows, PictureShowsItsPixelsStretchedOverTheBackground) {
  forms::Image image(2, 1);
  image.at(0, 0) = 0xFFFF0000;  // red
  image.at(1, 0) = 0x000000FF;  // fully transparent
  demo.setColor(forms::Color::rgb(0, 128, 0));
  demo.Flag.setImage(image);
  renderer.sync();
  UpdateWindow(native(demo));

  int width = 0;
  int height = 0;
  const auto pixels = capture(native(demo.Flag), width, height);
  ASSERT_EQ(width, 40);
  EXPECT_EQ(pixels[0], rgb(255, 0, 0));
  EXPECT_EQ(pixels[static_cast<std::size_t>(width * (height - 1) + 19)], rgb(255, 0, 0));
  EXPECT_EQ(pixels[static_cast<std::size_t>(width * (height - 1) + width - 1)], rgb(0, 128, 0));
}

// A 16 × 16 icon of one colour, as an ".ico" file holds it.
std::string icoFile() {
  std::string bytes;
  auto put16 = [&bytes](int v) {
    bytes += static_cast<char>(v & 0xFF);
    bytes += static_cast<char>((v >> 8) & 0xFF);
  };
  auto put32 = [&](int v) {
    put16(v & 0xFFFF);
    put16((v >> 16) & 0xFFFF);
  };
  const int pixels = 16 * 16 * 4;
  const int mask = 16 * 4;
  put16(0), put16(1), put16(1);                                    // icon directory, one image
  bytes += '\x10', bytes += '\x10', bytes += '\0', bytes += '\0';  // 16 × 16, no palette
  put16(1), put16(32), put32(40 + pixels + mask), put32(22);       // planes, bits, size, offset
  put32(40), put32(16), put32(32), put16(1), put16(32), put32(0);  // bitmap header: double height
  put32(pixels + mask), put32(0), put32(0), put32(0), put32(0);
  for (int i = 0; i < 16 * 16; ++i)
    put32(static_cast<int>(0xFF2060C0u));
  bytes.append(static_cast<std::size_t>(mask), '\0');
  return bytes;
}

TEST_F(Windows, IconFromTheFileTheModelNames) {
  drive.write(R"(C:\WinLUD\Tavi Sorbel.ico)", icoFile());
  demo.setIconFile(R"(C:\WinLUD\Tavi Sorbel.ico)");
  renderer.sync();
  EXPECT_NE(SendMessageW(native(demo), WM_GETICON, ICON_BIG, 0), 0);
  EXPECT_NE(SendMessageW(native(demo), WM_GETICON, ICON_SMALL, 0), 0);

  // A missing file leaves the program's own icon.
  demo.setIconFile(R"(C:\WinLUD\missing.ico)");
  renderer.sync();
  EXPECT_EQ(SendMessageW(native(demo), WM_GETICON, ICON_BIG, 0), 0);
}

TEST_F(Windows, WhileAHandlerProcessesMessagesOnlyTheCloseBoxReachesTheModel) {
  second.show();
  renderer.sync();
  second.Save.onClick = [this] {
    PostMessageW(native(demo.Save), BM_CLICK, 0, 0);
    PostMessageW(native(second), WM_CLOSE, 0, 0);
    desktop.processMessages();
    second.log.push_back(second.visible() ? "still open" : "closed meanwhile");
  };
  press(native(second.Save));
  pump();
  EXPECT_EQ(second.log, (std::vector<std::string>{"closed meanwhile"}));
  EXPECT_TRUE(demo.log.empty());
}

}  // namespace
}  // namespace tavi::frontends::win32::testing
