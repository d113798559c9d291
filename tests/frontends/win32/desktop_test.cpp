#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <string>

#include "frontends/win32/box_answerer.h"
#include "frontends/win32/renderer_fixture.h"
#include "frontends/win32/test_helpers.h"

namespace tavi::frontends::win32::testing {
namespace {

using namespace std::chrono_literals;

using Boxes = RendererTest;

TEST_F(Boxes, ModalBoxesAreCentredOnTheScreenAndAnswered) {
  BoxAnswerer person({IDOK, IDYES, IDNO, IDOK}, GetCurrentProcessId(), native(demo));
  demo.Save.onClick = [this] {
    desktop.showMessage("Attention: wrong COM Port!");
    demo.log.push_back(desktop.confirm("Smazat? – Ano") ? "yes" : "no");
    demo.log.push_back(desktop.confirm("Again?") ? "yes" : "no");
    desktop.showError("Write error: C:\\KivTanOr5\\datC.dat");
  };
  press(native(demo.Save));
  ASSERT_TRUE(person.waitFor(4, 5s));

  EXPECT_EQ(demo.log, (std::vector<std::string>{"yes", "no"}));
  const auto boxes = person.boxes();
  EXPECT_EQ(boxes[0].text, "Attention: wrong COM Port!");
  EXPECT_EQ(boxes[1].text, "Smazat? – Ano");
  EXPECT_EQ(boxes[3].text, "Write error: C:\\KivTanOr5\\datC.dat");
  EXPECT_EQ(boxes[0].title, "Demo");

  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(native(demo), MONITOR_DEFAULTTOPRIMARY), &monitor);
  for (const auto& box : boxes) {
    EXPECT_NEAR((box.place.left + box.place.right) / 2,
                (monitor.rcWork.left + monitor.rcWork.right) / 2, 1);
    EXPECT_NEAR((box.place.top + box.place.bottom) / 2,
                (monitor.rcWork.top + monitor.rcWork.bottom) / 2, 1);
    EXPECT_FALSE(box.watchedWindowEnabled) << "the windows take input while a box is open";
  }
  EXPECT_TRUE(IsWindowEnabled(native(demo)));
}

TEST_F(Boxes, TheWindowsShowTheModelBeforeABoxOpens) {
  BoxAnswerer person;
  demo.Save.onClick = [this] {
    demo.Value.setCaption("before the box");
    desktop.showMessage("Done");
    demo.log.push_back(shownText(native(demo.Value)));
  };
  press(native(demo.Save));
  EXPECT_EQ(demo.log, (std::vector<std::string>{"before the box"}));
}

}  // namespace
}  // namespace tavi::frontends::win32::testing
