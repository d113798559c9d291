// The installation against the faults a practice meets: a read-only medium, a target it
// cannot replace, a disk that fills half way. Nothing ends in "completed" that was not done,
// and nothing is left half written.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "installer_run.h"

namespace tavi::installer::testing {
namespace {

namespace fs = std::filesystem;
using Texts = std::vector<std::string>;

// Makes every file of the medium read-only, as a CD gives them, for one test.
class ReadOnlyMedium {
 public:
  explicit ReadOnlyMedium(fs::path folder) : folder_(std::move(folder)) { set(true); }
  ~ReadOnlyMedium() { set(false); }
  ReadOnlyMedium(const ReadOnlyMedium&) = delete;
  ReadOnlyMedium& operator=(const ReadOnlyMedium&) = delete;

 private:
  void set(bool readOnly) const {
    constexpr fs::perms kWrite =
        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    for (const auto& entry : fs::recursive_directory_iterator(folder_)) {
      if (!entry.is_regular_file()) continue;
      fs::permissions(entry.path(), readOnly ? kWrite : fs::perms::owner_write,
                      readOnly ? fs::perm_options::remove : fs::perm_options::add);
    }
  }

  fs::path folder_;
};

bool leftSomethingHalfWritten(const tavi::testing::TestDrive& drive) {
  for (const auto& [path, bytes] : drive.contents()) {
    if (path.find(".tmp") != std::string::npos) return true;
  }
  return false;
}

// A CD's read-only files must not make every installed setting unsaveable.
TEST(InstallationFaults, FromAReadOnlyMediumEveryInstalledFileIsWritable) {
  for (const bool upgrade : {false, true}) {
    SCOPED_TRACE(upgrade ? "upgrade" : "full installation");
    Scenario scenario;
    scenario.language = texts::kEnglish;
    scenario.upgrade = upgrade;
    InstallerRun run(scenario);
    run.prepare();
    const ReadOnlyMedium readOnly(run.medium->folder());
    run.start();
    run.pick(texts::kEnglish);

    ASSERT_TRUE(run.desktop.errors().empty()) << ::testing::PrintToString(run.desktop.errors());
    EXPECT_TRUE(sameTree(run.expectedTree(), installedTree(run.drive)));
    for (const auto& [path, content] : expectedInstallation(scenario)) {
      if (!path.starts_with("C:\\")) continue;
      SCOPED_TRACE(path);
      EXPECT_NO_THROW(run.drive.platform().writeFile(path, "saved again"));
    }
  }
}

TEST(InstallationFaults, AnUpgradeThatCannotReplaceAFileSaysSoAndNotCompleted) {
  Scenario scenario;
  scenario.upgrade = true;
  InstallerRun run(scenario);
  run.prepare();
  run.drive.makeFolder(R"(C:\KivTanOr5\GlobalSetPrep.dll)");
  TForm1& form = run.start();
  run.pick(texts::kEnglish);

  ASSERT_EQ(run.desktop.errors().size(), 1u);
  EXPECT_EQ(run.desktop.errors()[0],
            "Cannot replace C:\\KivTanOr5\\GlobalSetPrep.dll: it is a folder, not a file");
  EXPECT_TRUE(run.desktop.messages().empty());
  EXPECT_FALSE(run.installer.app.terminated());
  EXPECT_TRUE(form.visible());
}

TEST(InstallationFaults, AFullDiskWhileTheLanguageIsStoredLeavesNoLanguageFile) {
  Scenario scenario;
  scenario.writeFailsHalfway = R"(C:\KivTanOr5\dLangv.dat)";
  InstallerRun run(scenario);
  run.prepare();
  run.start();
  run.pick(texts::kGerman);

  EXPECT_EQ(run.desktop.errors(),
            Texts{"C:\\KivTanOr5\\dLangv.dat kann nicht geschrieben werden: der Datenträger "
                  "ist voll"});
  EXPECT_FALSE(run.drive.exists(R"(C:\KivTanOr5\dLangv.dat)"));
  EXPECT_FALSE(leftSomethingHalfWritten(run.drive));
  EXPECT_TRUE(run.desktop.messages().empty());
  EXPECT_FALSE(run.installer.app.terminated());
}

}  // namespace
}  // namespace tavi::installer::testing
