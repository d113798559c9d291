#include <gtest/gtest.h>

#include <QGroupBox>
#include <QRadioButton>
#include <QTest>
#include <string>
#include <vector>

#include "box_answerer.h"
#include "frontends/installation_on_medium.h"
#include "frontends/qt/qt_desktop.h"
#include "frontends/qt/renderer.h"
#include "installer/installer.h"
#include "qt_session.h"

namespace tavi::frontends::qt::testing {
namespace {

using Texts = std::vector<std::string>;

// The installer program with the Qt front end, on a temporary drive, its current folder a
// generated medium.
class InstallerSmokeTest : public ::testing::Test {
 protected:
  explicit InstallerSmokeTest(std::optional<int> mediumLanguage) : installation(mediumLanguage) {
    desktop.attach(&renderer);
  }

  void expectInstalledIn(int language) const { installation.expectInstalledIn(language); }

  QtSession session;
  frontends::testing::InstallationOnMedium installation;
  platform::Platform platform = installation.platform();
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
