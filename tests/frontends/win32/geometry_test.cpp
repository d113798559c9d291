#include <gtest/gtest.h>
#include <windows.h>

#include <cmath>
#include <string>
#include <tuple>

#include "frontends/win32/renderer_fixture.h"
#include "frontends/win32/scale.h"

namespace tavi::frontends::win32::testing {
namespace {

// The display's density (as a monitor change announces it) and the window's own rescale.
struct Density {
  int displayDpi;
  int pixelsPerInch;
};

class GeometryTest : public RendererTest, public ::testing::WithParamInterface<Density> {
 protected:
  void SetUp() override {
    const Density density = GetParam();
    demo.scaleTo(density.pixelsPerInch);
    renderer.sync();
    if (density.displayDpi != 96) {
      RECT suggested{100, 100, 700, 600};
      SendMessageW(native(demo), WM_DPICHANGED, MAKEWPARAM(density.displayDpi, density.displayDpi),
                   reinterpret_cast<LPARAM>(&suggested));
    }
    scale = Scale{density.displayDpi, density.pixelsPerInch};
  }
  Scale scale;
};

TEST_P(GeometryTest, EveryControlLiesAtItsScaledDesignRectangle) {
  RECT client;
  GetClientRect(native(demo), &client);
  EXPECT_EQ(client.right, scale.px(320));
  EXPECT_EQ(client.bottom, scale.px(240));

  for (const forms::Control* control : demo.controls()) {
    SCOPED_TRACE(control->name());
    HWND window = native(*control);
    ASSERT_NE(window, nullptr);
    const forms::Rect expected = scale.rect(control->rect());
    const RECT place = placeOf(window);
    EXPECT_EQ(place.left, expected.left);
    EXPECT_EQ(place.top, expected.top);
    EXPECT_EQ(place.right - place.left, expected.width);
    EXPECT_EQ(place.bottom - place.top, expected.height);
  }
}

TEST_P(GeometryTest, FontsAreTahomaAtTheScaledSize) {
  for (const forms::Control* control :
       {static_cast<forms::Control*>(&demo.Save), static_cast<forms::Control*>(&demo.Value)}) {
    auto font = reinterpret_cast<HFONT>(SendMessageW(native(*control), WM_GETFONT, 0, 0));
    ASSERT_NE(font, nullptr);
    LOGFONTW description{};
    GetObjectW(font, sizeof description, &description);
    EXPECT_EQ(std::wstring(description.lfFaceName), L"Tahoma");
    const double pixels = 8.0 * GetParam().displayDpi * GetParam().pixelsPerInch / (72.0 * 96);
    EXPECT_EQ(description.lfHeight, -std::lround(pixels));
  }
}

INSTANTIATE_TEST_SUITE_P(Densities, GeometryTest,
                         ::testing::Values(Density{96, 96}, Density{120, 96}, Density{144, 96},
                                           Density{192, 96}, Density{96, 85}, Density{144, 85}),
                         [](const ::testing::TestParamInfo<Density>& density) {
                           return "display" + std::to_string(density.param.displayDpi) + "_form" +
                                  std::to_string(density.param.pixelsPerInch);
                         });

}  // namespace
}  // namespace tavi::frontends::win32::testing
