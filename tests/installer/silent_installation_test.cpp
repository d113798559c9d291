#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "installer/silent_installation.h"
#include "installer_run.h"

namespace tavi::installer::testing {
namespace {

using Lines = std::vector<std::string>;

Lines linesOf(const std::string& text) {
  Lines lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);)
    lines.push_back(line);
  return lines;
}

bool holds(const Lines& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

bool holdsStart(const Lines& lines, const std::string& start) {
  return std::any_of(lines.begin(), lines.end(),
                     [&](const std::string& line) { return line.starts_with(start); });
}

// One run of the silent installation on a prepared PC, with its log.
struct SilentRun {
  int exitCode = -1;
  Lines log;
};

SilentRun installSilentlyOn(InstallerRun& run, std::optional<texts::LanguageIndex> language) {
  std::ostringstream log;
  SilentRun result;
  result.exitCode = installSilently(run.drive.platform(), language, &log);
  result.log = linesOf(log.str());
  return result;
}

struct SameTreeCase {
  const char* name;
  Scenario scenario;
  // The language file on the PC before the run, if any.
  std::optional<texts::LanguageIndex> pcLanguage;
  // What the person picks in the window, when it asks.
  std::optional<texts::LanguageIndex> picked;
  // What the silent command line gives.
  std::optional<texts::LanguageIndex> given;
};

std::vector<SameTreeCase> sameTreeCases() {
  Scenario upgrade;
  upgrade.upgrade = true;
  upgrade.universeInstalledBefore = true;
  Scenario mediumInSwedish;
  mediumInSwedish.mediumLanguageFile = languageFileBytes(texts::kSwedish);
  Scenario withoutSomeFiles;
  withoutSomeFiles.missing = {R"(Tavi Scan DE.pdf)", R"(DWin\Tavi Scan.exe)", R"(Data\datA.dat)",
                              R"(CH341SER\SETUP.EXE)"};
  return {
      {"the language given as the person picks it",
       {},
       std::nullopt,
       texts::kGerman,
       texts::kGerman},
      {"nobody to pick: English", {}, std::nullopt, texts::kEnglish, std::nullopt},
      {"the PC's language file", {}, texts::kRussian, std::nullopt, std::nullopt},
      {"the medium's language file", mediumInSwedish, std::nullopt, std::nullopt, std::nullopt},
      {"an upgrade", upgrade, texts::kCzech, std::nullopt, std::nullopt},
      {"a medium without some files", withoutSomeFiles, std::nullopt, texts::kGerman,
       texts::kGerman},
  };
}

void prepare(InstallerRun& run, const SameTreeCase& c) {
  run.prepare();
  if (c.pcLanguage) {
    run.drive.write(R"(C:\KivTanOr5\dLangv.dat)", languageFileBytes(*c.pcLanguage));
  }
}

TEST(SilentInstallation, LeavesTheTreeOfTheInteractiveOneAndLogsItsMessages) {
  for (const SameTreeCase& c : sameTreeCases()) {
    SCOPED_TRACE(c.name);
    // One run at a time: the runs share the medium, each setting its missing files aside.
    FileTree shownTree;
    std::vector<std::string> shownMessages;
    std::size_t shellOpens = 0;
    {
      InstallerRun interactive(c.scenario);
      prepare(interactive, c);
      interactive.start();
      if (c.picked) interactive.pick(*c.picked);
      ASSERT_TRUE(interactive.installer.app.terminated());
      shownTree = installedTree(interactive.drive);
      shownMessages = interactive.desktop.messages();
      shellOpens = interactive.desktop.shellOpens().size();
    }

    InstallerRun silent(c.scenario);
    prepare(silent, c);
    const SilentRun result = installSilentlyOn(silent, c.given);

    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(sameTree(shownTree, installedTree(silent.drive)));
    for (const std::string& message : shownMessages)
      EXPECT_TRUE(holds(result.log, "Message: " + message)) << message;
    EXPECT_EQ(holdsStart(result.log, "Not opened"), shellOpens > 0);
    ASSERT_FALSE(result.log.empty());
    EXPECT_EQ(result.log.back(),
              c.scenario.upgrade ? "Result: upgrade completed" : "Result: installation completed");
    // Nothing was shown: the silent run has no desktop but its log.
    EXPECT_TRUE(silent.desktop.requests().empty());
  }
}

std::string windowsFolder(const std::string& relative) {
  std::string path = "C:";
  std::string name;
  for (char c : relative) {
    if (c == '/') {
      if (!name.empty()) path += "\\" + name;
      name.clear();
    } else {
      name += c;
    }
  }
  if (!name.empty()) path += "\\" + name;
  return path;
}

TEST(SilentInstallation, LogNamesEveryFolderAndFileItHandledThenTheResult) {
  Scenario scenario;
  scenario.missing = {R"(DWin\Tavi Scan.exe)", R"(Data\datA.dat)"};
  InstallerRun run(scenario);
  run.prepare();
  run.drive.write(R"(C:\WinLUD\Tavi Therapy 3_41.exe)", "earlier version");
  run.drive.write(R"(C:\WinLUD\Tavi Therapy.ico)", "earlier icon");
  const auto before = run.drive.contents();
  const FileTree treeBefore = installedTree(run.drive);

  const SilentRun result = installSilentlyOn(run, texts::kEnglish);

  ASSERT_EQ(result.exitCode, 0);
  for (const auto& [relative, bytes] : run.drive.contents()) {
    if (!relative.ends_with("/") || before.contains(relative)) continue;
    EXPECT_TRUE(holds(result.log, "Folder created: " + windowsFolder(relative))) << relative;
  }
  for (const auto& [path, bytes] : installedTree(run.drive)) {
    const bool existed = treeBefore.contains(path);
    const bool logged = existed ? holdsStart(result.log, "File replaced: " + path + " (from ")
                                : holdsStart(result.log, "File copied: " + path + " (from ") ||
                                      holds(result.log, "File written: " + path);
    EXPECT_TRUE(logged) << path;
  }
  EXPECT_TRUE(holds(result.log, R"(File deleted: C:\WinLUD\Tavi Therapy 3_41.exe)"));
  EXPECT_TRUE(holds(result.log, R"(Missing on the medium: DWin\Tavi Scan.exe)"));
  EXPECT_TRUE(holds(result.log, R"(Missing on the medium: Data\datA.dat)"));
  // Sources on the PC that the driver step takes when they are there.
  EXPECT_TRUE(holds(result.log, R"(Missing: C:\Nev_Tool Data\DBZ\Power.txt)"));
  EXPECT_TRUE(holds(
      result.log,
      R"(Not opened by a silent installation, open it by hand: C:\KivTanOr5\CH341SER\SETUP_Driver.lnk)"));
  EXPECT_EQ(result.log.front().rfind("Tavi setup ", 0), 0u);
  EXPECT_TRUE(holds(result.log, "Full installation, language 1"));
  EXPECT_EQ(result.log.back(), "Result: installation completed");
}

TEST(SilentInstallation, AFailureEndsWithItsErrorAndANonZeroExitCode) {
  struct FailureCase {
    const char* name;
    std::string desktopFolder;
    std::string writeFailsHalfway;
    // Two bytes where four are due.
    bool damagedLanguageFileOnPc;
    std::optional<texts::LanguageIndex> given;
    std::string error;
  };
  const FailureCase cases[] = {
      {"no desktop folder", "", "", false, texts::kEnglish,
       "Error: Nemůžu v registrech najít cestu k pracovní ploše."},
      {"the language file cannot be written", kDesktop, R"(C:\KivTanOr5\dLangv.dat)", false,
       texts::kEnglish, "dLangv.dat"},
      {"a damaged language file and no language given", kDesktop, "", true, std::nullopt,
       "dLangv.dat"},
  };
  for (const FailureCase& c : cases) {
    SCOPED_TRACE(c.name);
    Scenario scenario;
    scenario.writeFailsHalfway = c.writeFailsHalfway;
    InstallerRun run(scenario, c.desktopFolder);
    run.prepare();
    if (c.damagedLanguageFileOnPc) run.drive.write(R"(C:\KivTanOr5\dLangv.dat)", "\1\0");

    const SilentRun result = installSilentlyOn(run, c.given);

    EXPECT_NE(result.exitCode, 0);
    ASSERT_GE(result.log.size(), 2u);
    EXPECT_TRUE(result.log[result.log.size() - 2].starts_with("Error: "));
    EXPECT_NE(result.log[result.log.size() - 2].find(c.error), std::string::npos)
        << result.log[result.log.size() - 2];
    EXPECT_EQ(result.log.back(), "Result: failed");
  }
}

TEST(SilentInstallation, ALanguageGivenOverridesADamagedLanguageFile) {
  InstallerRun run;
  run.prepare();
  run.drive.write(R"(C:\KivTanOr5\dLangv.dat)", "\1\0");
  const SilentRun result = installSilentlyOn(run, texts::kSwedish);
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(run.drive.read(R"(C:\KivTanOr5\dLangv.dat)"), languageFileBytes(texts::kSwedish));
  EXPECT_TRUE(holds(result.log, "Message: Installation är klar."));
}

}  // namespace
}  // namespace tavi::installer::testing
