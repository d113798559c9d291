// The installation against the faults a practice meets: a read-only medium, a target it
// cannot replace, a disk that fills half way. Nothing ends in "completed" that was not done,
// and nothing is left half written.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "installer/setup_lists.h"
#include "installer_run.h"
#include "platform/io_error.h"
#include "platform/temporary_files.h"

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

// A crash or a failure at any step of a copy: every file on the PC is as it was or as the
// installation leaves it, the target is never missing, and nothing is left beside it.
TEST(InstallationFaults, ACopyStoppedAtAnyStepLeavesEveryFileOldOrNew) {
  constexpr char kTarget[] = R"(C:\KivTanOr5\GlobalSetPrep.dll)";
  for (const platform::WriteStep stopAt :
       {platform::WriteStep::TemporaryCreated, platform::WriteStep::TemporaryWritten,
        platform::WriteStep::SwappedIn}) {
    SCOPED_TRACE(static_cast<int>(stopAt));
    Scenario scenario;
    scenario.language = texts::kEnglish;
    scenario.upgrade = true;
    InstallerRun run(scenario);
    run.prepare();
    run.drive.write(kTarget, "an older GlobalSetPrep.dll");
    FileTree atTheStop;
    run.atWriteStep = [&](std::string_view path, platform::WriteStep step) {
      if (path != kTarget || step != stopAt) return;
      atTheStop = installedTree(run.drive);
      throw platform::IoError(platform::IoAction::kReplace, std::string(path),
                              platform::IoCause::kDiskFull);
    };
    run.start();
    const FileTree installed = run.expectedTree();
    run.pick(texts::kEnglish);

    ASSERT_TRUE(atTheStop.contains(kTarget));
    EXPECT_EQ(atTheStop.at(kTarget), stopAt == platform::WriteStep::SwappedIn
                                         ? installed.at(kTarget)
                                         : "an older GlobalSetPrep.dll");
    for (const auto& [path, bytes] : atTheStop) {
      if (platform::isTemporaryName(path)) {
        EXPECT_TRUE(path.starts_with(std::string(kTarget) + ".tavi-")) << path;
        EXPECT_NE(stopAt, platform::WriteStep::SwappedIn) << path;
        continue;
      }
      // The run's record is there until the run ends, so that a re-run completes it.
      if (path == kRunRecord) continue;
      const auto wasThere = run.before.find(path);
      const auto isNew = installed.find(path);
      EXPECT_TRUE((wasThere != run.before.end() && wasThere->second == bytes) ||
                  (isNew != installed.end() && isNew->second == bytes))
          << path;
    }
    EXPECT_EQ(run.desktop.errors(),
              Texts{"Cannot replace C:\\KivTanOr5\\GlobalSetPrep.dll: the disk is full"});
    EXPECT_TRUE(run.desktop.messages().empty());
    EXPECT_FALSE(leftSomethingHalfWritten(run.drive));
  }
}

// What a stopped run left goes at the next run, in each folder before the first write there;
// names that only look alike stay.
TEST(InstallationFaults, TheNextRunRemovesWhatAStoppedRunLeftAndNothingElse) {
  Scenario scenario;
  scenario.language = texts::kEnglish;
  InstallerRun run(scenario);
  run.prepare();
  const std::string desktop = std::string(kDesktop) + "\\";
  const Texts leftOvers = {R"(C:\KivTanOr5\PicWlud\SettingInf2.pdf.tavi-1220683210.tmp)",
                           R"(C:\KivTanOr5\dLangv.dat.tavi-42.tmp)",
                           desktop + "Tavi Scan.lnk.tavi-857875130.tmp"};
  const Texts lookAlikes = {desktop + "x.tavi-12a.tmp", desktop + "x.tavi-.tmp", desktop + "x.tmp",
                            desktop + "x.tavi-12.tmp.bak"};
  for (const std::string& path : leftOvers)
    run.drive.write(path, "left over");
  for (const std::string& path : lookAlikes)
    run.drive.write(path, "the user's");
  run.start();
  run.pick(texts::kEnglish);

  ASSERT_TRUE(run.desktop.errors().empty()) << ::testing::PrintToString(run.desktop.errors());
  for (const std::string& path : leftOvers)
    EXPECT_FALSE(run.drive.exists(path)) << path;
  for (const std::string& path : lookAlikes)
    EXPECT_EQ(run.drive.read(path), "the user's") << path;
}

}  // namespace
}  // namespace tavi::installer::testing
