#pragma once

#include <map>
#include <set>
#include <string>

#include "texts/language.h"

namespace tavi::installer::testing {

// Files on drive C: by Windows path, each with its content.
using FileTree = std::map<std::string, std::string>;

// What an installation starts from.
struct Scenario {
  std::set<std::string> missing;  // files left out of the complete medium
  texts::LanguageIndex language = texts::kCzech;
  bool upgrade = false;
  // "C:\WinLUD\Tavi Universe.exe" was installed before the run.
  bool universeInstalledBefore = false;
  // The medium's "dLangv.dat", if it carries one.
  std::string mediumLanguageFile;
  // A file stands where the installation expects this folder, so nothing goes into it.
  std::string blockedFolder;
  // A write of this file on the PC stops half way, as on a full disk.
  std::string writeFailsHalfway;
};

// What the file that blocks a folder holds.
extern const char kInTheWay[];

inline constexpr char kDesktop[] = R"(C:\Users\Tester\Desktop)";

// The files that the installation must leave, with their contents, besides what was there.
FileTree expectedInstallation(const Scenario& scenario);

// Whether the driver's set-up is started (else message 5 is due, when it is due at all).
bool driverSetUpStarts(const Scenario& scenario);
bool driverStepDue(const Scenario& scenario);

// The four bytes of a language file.
std::string languageFileBytes(texts::LanguageIndex language);

}  // namespace tavi::installer::testing
