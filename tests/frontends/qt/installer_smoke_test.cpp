#include <gtest/gtest.h>

#include <QGroupBox>
#include <QRadioButton>
#include <QTest>
#include <string>
#include <vector>

#include "apps/demo_medium.h"
#include "box_answerer.h"
#include "frontends/qt/qt_desktop.h"
#include "frontends/qt/renderer.h"
#include "installer/installer.h"
#include "qt_session.h"
#include "support/test_drive.h"

namespace tavi::frontends::qt::testing {
namespace {

using Texts = std::vector<std::string>;

// The installer program with the Qt front end, on a temporary drive, its current folder a
// generated medium.
class InstallerSmokeTest : public ::testing::Test {
 protected:
  explicit InstallerSmokeTest(std::optional<int> mediumLanguage) {
    apps::writeDemoMedium(mediumRoot(), {.language = mediumLanguage});
    desktop.attach(&renderer);
  }
  std::filesystem::path mediumRoot() const {
    return drive.root().parent_path() / (drive.root().filename().string() + "-medium");
  }
  ~InstallerSmokeTest() override { std::filesystem::remove_all(mediumRoot()); }

  platform::Platform platformWithMedium() {
    platform::PlatformOptions options;
    options.driveC = drive.root();
    options.currentFolder = mediumRoot();
    options.codePage = 1252;
    options.desktopFolder = R"(C:\Users\Tester\Desktop)";
    options.today = "9. 12. 2026";
    return platform::Platform(options);
  }

  void expectInstalledIn(int language) {
    EXPECT_EQ(drive.read(R"(C:\KivTanOr5\dLangv.dat)"),
              std::string({static_cast<char>(language), 0, 0, 0}));
    EXPECT_EQ(drive.filesIn(R"(C:\KivTanOr5\PicWlud)").size(), 162u);
    EXPECT_EQ(drive.filesIn(R"(C:\KivTanOr5\PfromNev)").size(), 96u);
    EXPECT_TRUE(drive.exists(R"(C:\WinLUD\Tavi Setting.exe)"));
    EXPECT_TRUE(drive.exists(R"(C:\KivTanOr5\GlobalSetPrep.dll)"));
    EXPECT_TRUE(drive.exists(R"(C:\KivTanOr5\PrepSwich)"));
    EXPECT_TRUE(drive.exists(R"(C:\Users\Tester\Desktop\Tavi Therapy EN.pdf)"));
  }

  QtSession session;
  tavi::testing::TestDrive drive;
  platform::Platform platform = platformWithMedium();
  QtDesktop desktop{platform};
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
  EXPECT_EQ(person.texts(), Texts{"Instaltion completed."});
  // The window was drawn while it installed.
  const QWidget* progress = renderer.widget(setup.Form1->Progress);
  ASSERT_NE(progress, nullptr);
  EXPECT_GT(progress->property("value").toInt(), 0);
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
  QWidget& window = *renderer.window(*setup.Form1);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  const auto items = renderer.widget(setup.Form1->Language)->findChildren<QRadioButton*>();
  ASSERT_EQ(items.size(), 5);
  EXPECT_EQ(items[3]->text(), "Svenska");
  QTest::mouseClick(items[3], Qt::LeftButton);
  EXPECT_TRUE(setup.app.terminated());
  EXPECT_EQ(person.texts(), Texts{"Installation är klar."});
  EXPECT_FALSE(renderer.widget(setup.Form1->Language)->isVisible());
  expectInstalledIn(3);
}

}  // namespace
}  // namespace tavi::frontends::qt::testing
