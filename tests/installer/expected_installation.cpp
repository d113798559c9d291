#include "expected_installation.h"

#include <initializer_list>
#include <string_view>

#include "test_medium.h"

namespace tavi::installer::testing {
namespace {

bool blockedIn(const Scenario& scenario, std::string_view path) {
  const std::string& folder = scenario.blockedFolder;
  return !folder.empty() && path.size() > folder.size() && path.starts_with(folder) &&
         path[folder.size()] == '\\';
}

class Expectation {
 public:
  explicit Expectation(const Scenario& scenario) : scenario_(scenario) {}

  bool onMedium(std::string_view path) const {
    return !scenario_.missing.contains(std::string(path));
  }

  bool blocked(std::string_view path) const { return blockedIn(scenario_, path); }

  // A copy from the medium; nothing when the medium lacks the file or the target's folder is
  // blocked.
  void copy(std::string_view from, const std::string& to) {
    if (onMedium(from) && !blocked(to)) tree_.insert_or_assign(to, mediumContent(from));
  }
  // Files of a medium folder into a PC folder, under their own names.
  void copyAll(std::string_view from, std::string_view to,
               std::initializer_list<std::string_view> names) {
    for (std::string_view name : names)
      copy(join(from, name), join(to, name));
  }
  // Every medium file of a folder (not of its subfolders), but those named.
  void copyFolder(std::string_view from, std::string_view to,
                  std::initializer_list<std::string_view> except = {}) {
    for (const std::string& path : completeMedium()) {
      const auto slash = path.rfind('\\');
      if (slash == std::string::npos || path.substr(0, slash) != from) continue;
      const std::string name = path.substr(slash + 1);
      bool excluded = false;
      for (std::string_view skipped : except)
        excluded = excluded || skipped == name;
      if (!excluded) copy(path, join(to, name));
    }
  }

  static std::string join(std::string_view folder, std::string_view name) {
    std::string path(folder);
    if (!path.empty()) path += '\\';
    path += name;
    return path;
  }
  static std::string desktop(std::string_view name) { return join(kDesktop, name); }

  FileTree& tree() { return tree_; }

 private:
  const Scenario& scenario_;
  FileTree tree_;
};

}  // namespace

const char kInTheWay[] = "a file in the way";

std::string languageFileBytes(texts::LanguageIndex language) {
  const auto bits = static_cast<std::uint32_t>(language);
  std::string bytes;
  for (int shift = 0; shift < 32; shift += 8)
    bytes += static_cast<char>((bits >> shift) & 0xFF);
  return bytes;
}

bool driverStepDue(const Scenario& scenario) {
  return !scenario.universeInstalledBefore &&
         !scenario.missing.contains(R"(DWin\Tavi Universe.exe)");
}

bool driverSetUpStarts(const Scenario& scenario) {
  return driverStepDue(scenario) && !scenario.missing.contains(R"(CH341SER\SETUP.EXE)") &&
         !scenario.missing.contains(R"(CH341SER\SETUP_Driver.lnk)") &&
         !blockedIn(scenario, R"(C:\WinLUD\Tavi Universe.exe)") &&
         !blockedIn(scenario, R"(C:\KivTanOr5\CH341SER\SETUP.EXE)");
}

FileTree expectedInstallation(const Scenario& scenario) {
  Expectation expect(scenario);
  const texts::LanguageIndex language = scenario.language;

  expect.copy("VVlud.DLL", R"(C:\KivTanOr5\VVlud.DLL)");
  expect.copyFolder(R"(DWin\MultiG)", R"(C:\WinLUD\MultiG)");
  if (!scenario.upgrade) {
    expect.copyAll("Data", R"(C:\KivTanOr5)",
                   {"0cestaEx.txt", "datA.dat", "datC.dat", "datD.dat", "datFED.dat", "datG.dat",
                    "DatKlCest.txt", "datP.dat", "datPO.dat", "datPR.dat", "datVelB.dat"});
    // A medium's language file that holds a language is copied; else the language is written.
    expect.tree()[R"(C:\KivTanOr5\dLangv.dat)"] = scenario.mediumLanguageFile.size() >= 4
                                                      ? scenario.mediumLanguageFile
                                                      : languageFileBytes(language);
  }
  // The pictures and documents: every file of Data but the settings and tool manuals.
  expect.copyFolder(
      "Data", R"(C:\KivTanOr5\PicWlud)",
      {"0cestaEx.txt",  "datA.dat",    "datC.dat",    "datD.dat",    "datFED.dat",  "datG.dat",
       "DatKlCest.txt", "datP.dat",    "datPO.dat",   "datPR.dat",   "datVelB.dat", "rlTool.pdf",
       "rlToolE.pdf",   "rlToolD.pdf", "rlToolS.pdf", "r2Tool.pdf",  "r2ToolE.pdf", "r2ToolD.pdf",
       "r2ToolS.pdf",   "r3Tool.pdf",  "r3ToolE.pdf", "r3ToolD.pdf", "r3ToolS.pdf"});
  expect.copyFolder(
      "DataFr", R"(C:\KivTanOr5\PfromNev)",
      {"LudrinNevTen.txt", "HealthDetox1.pdf", "HealthDetox2.pdf", "Patgn0.pdf", "Patgn0.txt"});

  // Programs, icons and shortcut files.
  expect.copyAll("", R"(C:\WinLUD)",
                 {"Tavi Sorbel.ico", "Tavi Therapy.ico", "Tavi Setting.ico", "Tavi Timing.ico",
                  "Tavi Scan.ico", "NevT Gener.ico", "Tavi TherapyVV.ico", "Tavi Universe.ico",
                  "Tavi Therapy.lnk", "Tavi Setting.lnk", "Tavi Timing.lnk", "Tavi Sorbel.lnk",
                  "Tavi Sorbel DATA.lnk", "NevT Gener.lnk", "Tavi Therapy DATA.lnk",
                  "Timing LUD.lnk", "Tavi Universe.lnk", "Tavi Scan.lnk"});
  expect.copyFolder("DWin", R"(C:\WinLUD)", {"DBZ_Ptg.txt"});
  expect.copy(R"(DWin\DBZ_Ptg.txt)", R"(C:\KivTanOr5\DBZ_Ptg.txt)");

  // Desktop shortcuts; the three data shortcuts are one prepared shortcut.
  expect.copy("Tavi Scan.lnk", Expectation::desktop("Tavi Scan.lnk"));
  expect.copy("Tavi Therapy.lnk", Expectation::desktop("Tavi Therapy.lnk"));
  const auto programs = [&](std::string_view program) {
    return expect.onMedium(Expectation::join("DWin", program));
  };
  if (programs("Tavi Therapy.exe")) {
    expect.copy("Tavi Therapy DATA.lnk", Expectation::desktop("Tavi Therapy DATA.lnk"));
  }
  if (programs("Tavi Setting.exe")) {
    expect.copy("Tavi Setting.lnk", Expectation::desktop("Tavi Setting.lnk"));
  }
  if (programs("Tavi Timing.exe")) {
    expect.copy("Tavi Timing.lnk", Expectation::desktop("Tavi Timing.lnk"));
  }
  if (programs("Tavi Scan.exe")) {
    expect.copy("Tavi Therapy DATA.lnk", Expectation::desktop("Tavi Scan DATA.lnk"));
  }
  if (programs("Tavi Universe.exe")) {
    expect.copy("Tavi Therapy DATA.lnk", Expectation::desktop("Tavi Universe DATA.lnk"));
  }

  // Manuals: on the desktop in the user's language, all of them in the settings folder.
  for (std::string_view manual : {"Tavi Therapy", "Tavi Scan", "Tavi Universe"}) {
    std::string suffix;
    if (language < 0) continue;
    if (language == texts::kGerman && expect.onMedium(std::string(manual) + " DE.pdf")) {
      suffix = " DE";
    } else if (language != texts::kCzech) {
      suffix = " EN";
    }
    const std::string name = std::string(manual) + suffix + ".pdf";
    expect.copy(name, Expectation::desktop(name));
  }
  const std::string generatorManual =
      language == texts::kCzech ? "NevT Gener.pdf" : "NevT Gener EN.pdf";
  // Put on the desktop from its copy in the settings folder.
  if (!expect.blocked(R"(C:\KivTanOr5\)" + generatorManual)) {
    expect.copy(generatorManual, Expectation::desktop(generatorManual));
  }
  expect.copyAll(
      "", R"(C:\KivTanOr5)",
      {"GlobalSetPrep.dll", "Tavi Therapy.pdf", "Tavi Therapy DE.pdf", "Tavi Therapy EN.pdf",
       "Tavi Scan.pdf", "Tavi Scan DE.pdf", "Tavi Scan EN.pdf", "Tavi Universe.pdf",
       "Tavi Universe DE.pdf", "Tavi Universe EN.pdf", "Tavi Sorbel.pdf", "Tavi Sorbel DE.pdf",
       "Tavi Sorbel EN.pdf", "NevT Gener.pdf", "NevT Gener EN.pdf"});
  expect.copyAll(
      "Data", R"(C:\KivTanOr5)",
      {"rlTool.pdf", "rlToolE.pdf", "rlToolD.pdf", "rlToolS.pdf", "r2Tool.pdf", "r2ToolE.pdf",
       "r2ToolD.pdf", "r2ToolS.pdf", "r3Tool.pdf", "r3ToolE.pdf", "r3ToolD.pdf", "r3ToolS.pdf"});
  expect.copyAll("DataFr", R"(C:\KivTanOr5)",
                 {"HealthDetox1.pdf", "HealthDetox2.pdf", "Patgn0.pdf", "Patgn0.txt"});

  // The driver set.
  expect.copyFolder("CH341SER", R"(C:\KivTanOr5\CH341SER)");
  expect.copyFolder(R"(CH341SER\DRVSETUP64)", R"(C:\KivTanOr5\CH341SER\DRVSETUP64)");

  if (driverSetUpStarts(scenario)) {
    expect.tree()[R"(C:\KivTanOr5\NevT_Color.dat)"] = "";
    for (std::string_view folder : {R"(C:\Nev_Tool Data\Program)", R"(C:\TaviTherapy)"}) {
      expect.copyAll("DataFr", folder, {"LudrinNevT.txt", "LudrinNevTen.txt"});
    }
    expect.copy(R"(CH341SER\SETUP_Driver.lnk)", Expectation::desktop("NevT Driver.lnk"));
    expect.copy("Tavi Universe.lnk", Expectation::desktop("Tavi Universe.lnk"));
  }
  if (!scenario.blockedFolder.empty()) expect.tree()[scenario.blockedFolder] = kInTheWay;
  return expect.tree();
}

}  // namespace tavi::installer::testing
