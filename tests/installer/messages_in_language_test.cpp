// The installer's error boxes in the language of its run, in the window and in the silent log,
// whose own lines stay English.
#include <gtest/gtest.h>

#include <array>
#include <sstream>
#include <string>
#include <vector>

#include "installer/silent_installation.h"
#include "installer_run.h"

namespace tavi::installer::testing {
namespace {

using Texts = std::vector<std::string>;

constexpr std::array<texts::LanguageIndex, 3> kLanguages = {texts::kCzech, texts::kGerman,
                                                            texts::kRussian};

struct Failure {
  const char* name;
  Scenario scenario;
  // A folder where the installation puts a file.
  std::string folderInTheWay;
  // The error, in the order of kLanguages.
  std::array<std::string, 3> shown;
};

std::vector<Failure> failures() {
  Scenario fullDisk;
  fullDisk.writeFailsHalfway = R"(C:\KivTanOr5\dLangv.dat)";
  Scenario upgrade;
  upgrade.upgrade = true;
  return {
      {"a full disk while the language is stored",
       fullDisk,
       "",
       {"Nelze zapsat C:\\KivTanOr5\\dLangv.dat: disk je plný",
        "C:\\KivTanOr5\\dLangv.dat kann nicht geschrieben werden: der Datenträger ist voll",
        "Не удаётся записать C:\\KivTanOr5\\dLangv.dat: диск заполнен"}},
      {"an upgrade that cannot replace a file",
       upgrade,
       R"(C:\KivTanOr5\GlobalSetPrep.dll)",
       {"Nelze nahradit C:\\KivTanOr5\\GlobalSetPrep.dll: je to složka, ne soubor",
        "C:\\KivTanOr5\\GlobalSetPrep.dll kann nicht ersetzt werden: es ist ein Ordner, keine "
        "Datei",
        "Не удаётся заменить C:\\KivTanOr5\\GlobalSetPrep.dll: это папка, а не файл"}},
  };
}

TEST(InstallerMessages, AnErrorBoxSpeaksTheLanguagePicked) {
  for (const Failure& failure : failures()) {
    for (std::size_t language = 0; language < kLanguages.size(); ++language) {
      SCOPED_TRACE(std::string(failure.name) + ", language " + std::to_string(language));
      InstallerRun run(failure.scenario);
      run.prepare();
      if (!failure.folderInTheWay.empty()) run.drive.makeFolder(failure.folderInTheWay);
      run.start();
      run.pick(kLanguages[language]);

      EXPECT_EQ(run.desktop.errors(), Texts{failure.shown[language]});
      EXPECT_FALSE(run.installer.app.terminated());
    }
  }
}

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);)
    lines.push_back(line);
  return lines;
}

TEST(InstallerMessages, TheSilentLogCopiesTheErrorInTheRunsLanguageAndStaysEnglish) {
  for (const Failure& failure : failures()) {
    for (std::size_t language = 0; language < kLanguages.size(); ++language) {
      SCOPED_TRACE(std::string(failure.name) + ", language " + std::to_string(language));
      InstallerRun run(failure.scenario);
      run.prepare();
      if (!failure.folderInTheWay.empty()) run.drive.makeFolder(failure.folderInTheWay);
      std::ostringstream log;

      EXPECT_EQ(installSilently(run.drive.platform(), kLanguages[language], &log), 1);

      const std::vector<std::string> lines = linesOf(log.str());
      ASSERT_GE(lines.size(), 3u);
      EXPECT_EQ(lines[1], std::string(failure.scenario.upgrade ? "Upgrade" : "Full installation") +
                              ", language " + std::to_string(kLanguages[language]));
      EXPECT_EQ(lines[lines.size() - 2], "Error: " + failure.shown[language]);
      EXPECT_EQ(lines.back(), "Result: failed");
    }
  }
}

}  // namespace
}  // namespace tavi::installer::testing
