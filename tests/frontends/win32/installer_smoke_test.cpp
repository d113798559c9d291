#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "frontends/installation_on_medium.h"
#include "frontends/win32/box_answerer.h"
#include "frontends/win32/control_tags.h"
#include "frontends/win32/desktop.h"
#include "frontends/win32/renderer.h"
#include "frontends/win32/test_helpers.h"
#include "installer/installer.h"
#include "installer/setup_window.h"
#include "platform/platform.h"

namespace tavi::frontends::win32::testing {
namespace {

using Texts = std::vector<std::string>;

// "setup" with the system's own controls and message boxes, on a temporary drive, its
// current folder a generated medium.
class InstallerSmokeTest : public ::testing::Test {
 protected:
  explicit InstallerSmokeTest(std::optional<int> mediumLanguage) : installation(mediumLanguage) {
    desktop.attach(&renderer);
  }
  ~InstallerSmokeTest() override { desktop.attach(nullptr); }

  Texts boxTexts() const {
    Texts texts;
    for (const BoxAnswerer::Box& box : person.boxes())
      texts.push_back(box.text);
    return texts;
  }

  void expectInstalledIn(int language) const { installation.expectInstalledIn(language); }

  frontends::testing::InstallationOnMedium installation;
  platform::Platform platform = installation.platform();
  Desktop desktop{platform, "setup"};
  installer::Installer setup{platform, desktop};
  Renderer renderer{setup.app, platform};
  BoxAnswerer person;
};

class InstallerWithLanguageFile : public InstallerSmokeTest {
 protected:
  InstallerWithLanguageFile() : InstallerSmokeTest(1) {}
};

TEST_F(InstallerWithLanguageFile, InstallsAtOnceShowingItsProgressAndEnds) {
  setup.start();
  EXPECT_TRUE(setup.app.terminated());
  EXPECT_EQ(boxTexts(), Texts{"Instaltion completed."});
  // The window was drawn while it installed.
  HWND progress = renderer.nativeWindow(setup.Form1->Progress);
  ASSERT_NE(progress, nullptr);
  EXPECT_GT(SendMessageW(progress, PBM_GETPOS, 0, 0), 0);
  expectInstalledIn(1);
}

class InstallerWithoutLanguageFile : public InstallerSmokeTest {
 protected:
  InstallerWithoutLanguageFile() : InstallerSmokeTest(std::nullopt) {}
};

TEST_F(InstallerWithoutLanguageFile, InstallsInTheLanguageThePersonPicks) {
  setup.start();
  renderer.sync();
  ASSERT_FALSE(setup.app.terminated());
  HWND group = renderer.nativeWindow(setup.Form1->Language);
  ASSERT_NE(group, nullptr);
  HWND swedish = findTagged(group, setup.Form1->Language.name(), 3);
  ASSERT_NE(swedish, nullptr);
  EXPECT_EQ(shownText(swedish), "Svenska");
  press(swedish);
  EXPECT_TRUE(setup.app.terminated());
  EXPECT_EQ(boxTexts(), Texts{"Installation är klar."});
  expectInstalledIn(3);
}

}  // namespace
}  // namespace tavi::frontends::win32::testing
