#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "installer_run.h"
#include "test_medium.h"

namespace tavi::installer::testing {
namespace {

using Texts = std::vector<std::string>;

constexpr char kDriverShortcut[] = R"(C:\KivTanOr5\CH341SER\SETUP_Driver.lnk)";

// Where the language of a run comes from.
enum class LanguageFrom { Choice, PcFile, MediumFile };

using Names = std::vector<std::string>;
const Names kCzechManuals = {"NevT Gener.pdf", "Tavi Scan.pdf", "Tavi Therapy.pdf",
                             "Tavi Universe.pdf"};
const Names kGermanManuals = {"NevT Gener EN.pdf", "Tavi Scan DE.pdf", "Tavi Therapy DE.pdf",
                              "Tavi Universe DE.pdf"};
const Names kEnglishManuals = {"NevT Gener EN.pdf", "Tavi Scan EN.pdf", "Tavi Therapy EN.pdf",
                               "Tavi Universe EN.pdf"};

struct LanguageCase {
  LanguageFrom from;
  texts::LanguageIndex language;
  std::string completion;
  Names desktopManuals;
  // The medium's language file, when it carries one besides the PC's own.
  std::string mediumLanguageFile = {};
};

const LanguageCase kLanguageCases[] = {
    {LanguageFrom::Choice, texts::kCzech, "Instalace dokončena", kCzechManuals},
    {LanguageFrom::Choice, texts::kEnglish, "Instaltion completed.", kEnglishManuals},
    {LanguageFrom::Choice, texts::kGerman, "Installation ist fertig.", kGermanManuals},
    {LanguageFrom::Choice, texts::kSwedish, "Installation är klar.", kEnglishManuals},
    {LanguageFrom::Choice, texts::kRussian, "Установка завершено.", kEnglishManuals},
    // Values outside the five languages are kept: no message text, English manuals or none.
    {LanguageFrom::PcFile, 7, "", kEnglishManuals},
    {LanguageFrom::PcFile, -1, "", {"NevT Gener EN.pdf"}},
    {LanguageFrom::MediumFile, texts::kSwedish, "Installation är klar.", kEnglishManuals},
    // The medium's language file is what the PC keeps, whatever language the run used.
    {LanguageFrom::PcFile, texts::kGerman, "Installation ist fertig.", kGermanManuals,
     languageFileBytes(texts::kEnglish)},
};

Names desktopManuals(const tavi::testing::TestDrive& drive) {
  Names manuals;
  for (const std::string& name : drive.filesIn(kDesktop)) {
    if (name.ends_with(".pdf")) manuals.push_back(name);
  }
  return manuals;
}

TEST(Installation, FullInstallationInEachLanguage) {
  for (const LanguageCase& c : kLanguageCases) {
    SCOPED_TRACE(::testing::Message()
                 << "language " << c.language << " from " << static_cast<int>(c.from));
    Scenario scenario;
    scenario.language = c.language;
    scenario.mediumLanguageFile = c.mediumLanguageFile;
    if (c.from == LanguageFrom::MediumFile) {
      scenario.mediumLanguageFile = languageFileBytes(c.language);
    }
    InstallerRun run(scenario);
    run.prepare();
    if (c.from == LanguageFrom::PcFile) {
      run.drive.write(R"(C:\KivTanOr5\dLangv.dat)", languageFileBytes(c.language));
    }
    TForm1& form = run.start();
    EXPECT_EQ(form.dokoncit, c.from != LanguageFrom::Choice);
    if (c.from == LanguageFrom::Choice) {
      EXPECT_FALSE(run.installer.app.terminated());
      EXPECT_TRUE(run.pick(c.language));
      EXPECT_EQ(run.desktop.texts(forms::ScriptedDesktop::Kind::Restore).size(), 1u);
    }

    EXPECT_EQ(form.Languagem, c.language);
    EXPECT_TRUE(form.instal);
    EXPECT_FALSE(form.upgrade);
    EXPECT_TRUE(sameTree(run.expectedTree(), installedTree(run.drive)));
    EXPECT_EQ(desktopManuals(run.drive), c.desktopManuals);
    EXPECT_EQ(form.Desktopadrstr, std::string(kDesktop) + R"(\Tavi Universe.lnk)");
    EXPECT_EQ(run.desktop.messages(), Texts{c.completion});
    EXPECT_EQ(run.desktop.shellOpens(), Texts{kDriverShortcut});
    EXPECT_TRUE(run.desktop.errors().empty());
    EXPECT_TRUE(run.installer.app.terminated());
  }
}

TEST(Installation, UpgradeKeepsTheSettingsAndTheLanguage) {
  Scenario scenario;
  scenario.language = texts::kGerman;
  scenario.upgrade = true;
  scenario.universeInstalledBefore = true;
  InstallerRun run(scenario);
  run.prepare();
  run.drive.write(R"(C:\KivTanOr5\dLangv.dat)", languageFileBytes(texts::kGerman));
  run.drive.write(R"(C:\KivTanOr5\0cestaEx.txt)", "D:\\Protokoly\\\r\n");
  run.drive.write(R"(C:\KivTanOr5\GlobalSetPrep.dll)", "edited by the user");
  TForm1& form = run.start();

  EXPECT_TRUE(form.upgrade);
  EXPECT_FALSE(form.instal);
  EXPECT_FALSE(form.InstalPort);
  EXPECT_TRUE(sameTree(run.expectedTree(), installedTree(run.drive)));
  EXPECT_EQ(run.drive.read(R"(C:\KivTanOr5\0cestaEx.txt)"), "D:\\Protokoly\\\r\n");
  EXPECT_EQ(run.drive.read(R"(C:\KivTanOr5\GlobalSetPrep.dll)"),
            mediumContent("GlobalSetPrep.dll"));
  // The driver is there since the earlier installation: neither its set-up nor message 5.
  EXPECT_EQ(run.desktop.messages(), Texts{"Upgrade ist fertig."});
  EXPECT_TRUE(run.desktop.shellOpens().empty());
  EXPECT_TRUE(run.installer.app.terminated());
}

TEST(Installation, EarlierVersionsAreRemovedAndTheirShortcutFilesInTheProgramFolderKept) {
  Scenario scenario;
  scenario.language = texts::kEnglish;
  InstallerRun run(scenario);
  run.prepare();
  const std::string desktop = std::string(kDesktop) + "\\";
  const std::vector<std::string> removed = {
      desktop + "Tavi Therapy 3_12 CZ.exe",    desktop + "Tavi Therapy 3_24 CZ.exe",
      desktop + "Tavi Therapy 3_25 CZ.exe",    desktop + "Tavi Therapy 3_26 CZ.exe",
      desktop + "Tavi Therapy 3_27 CZ.exe",    desktop + "Tavi Therapy 3_29 CZ.exe",
      desktop + "Tavi Therapy 3_29 CZ.lnk",    R"(C:\WinLUD\Tavi Therapy 3_29 CZ.exe)",
      desktop + "Tavi Therapy 3_30 CZ.exe",    desktop + "Tavi Therapy 3_30 CZ.lnk",
      R"(C:\WinLUD\Tavi Therapy 3_30 CZ.exe)", desktop + "Tavi Therapy 3_40.exe",
      desktop + "Tavi Therapy 3_40.lnk",       R"(C:\WinLUD\Tavi Therapy 3_40.exe)",
      desktop + "Tavi Therapy 3_41.exe",       desktop + "Tavi Therapy 3_41.lnk",
      R"(C:\WinLUD\Tavi Therapy 3_41.exe)",    desktop + "Tavi Therapy 3_411.exe",
      desktop + "Tavi Therapy 3_411.lnk",      R"(C:\WinLUD\Tavi Therapy 3_411.exe)",
      R"(C:\WinLUD\Nev Therapy.lnk)",          R"(C:\WinLUD\Nev Therapy.exe)"};
  const std::vector<std::string> kept = {
      R"(C:\WinLUD\Tavi Therapy 3_41.lnk)", R"(C:\WinLUD\Tavi Therapy 3_29 CZ.lnk)",
      desktop + "Tavi Therapy 3_12 CZ.lnk", desktop + "Tavi Therapy 3_28 CZ.exe",
      desktop + "Nev Therapy.exe"};
  for (const std::string& path : removed)
    run.drive.write(path, "earlier version");
  for (const std::string& path : kept)
    run.drive.write(path, "earlier version");
  run.start();
  run.pick(texts::kEnglish);

  FileTree expected = run.expectedTree();
  for (const std::string& path : removed)
    expected.erase(path);
  EXPECT_TRUE(sameTree(expected, installedTree(run.drive)));
  for (const std::string& path : kept)
    EXPECT_TRUE(run.drive.exists(path)) << path;
}

TEST(Installation, DriverSetUpStartsOnlyWhenTavisUniverseIsNewAndTheDriverIsInPlace) {
  struct DriverCase {
    const char* name;
    bool universeInstalledBefore;
    std::string missing;
    Texts shellOpens;
    Texts messages;
  };
  const DriverCase cases[] = {
      {"first installation", false, "", {kDriverShortcut}, {"Instaltion completed."}},
      {"without SETUP.EXE",
       false,
       R"(CH341SER\SETUP.EXE)",
       {},
       {"Instaltion completed.",
        "You need to install the Port. Check: C:\\KivTanOr5\\CH341SER\\SETUP.EXE"}},
      {"without its shortcut",
       false,
       R"(CH341SER\SETUP_Driver.lnk)",
       {},
       {"Instaltion completed.",
        "You need to install the Port. Check: C:\\KivTanOr5\\CH341SER\\SETUP.EXE"}},
      {"medium without Tavi Universe",
       false,
       R"(DWin\Tavi Universe.exe)",
       {},
       {"Instaltion completed."}},
      {"Tavi Universe installed before",
       true,
       R"(CH341SER\SETUP.EXE)",
       {},
       {"Instaltion completed."}},
  };
  for (const DriverCase& c : cases) {
    SCOPED_TRACE(c.name);
    Scenario scenario;
    scenario.language = texts::kEnglish;
    scenario.universeInstalledBefore = c.universeInstalledBefore;
    if (!c.missing.empty()) scenario.missing = {c.missing};
    InstallerRun run(scenario);
    run.prepare();
    // The generator tool's own database, whose power tables the driver step takes over.
    run.drive.write(R"(C:\Nev_Tool Data\DBZ\Power.txt)", "power");
    run.drive.write(R"(C:\Nev_Tool Data\DBZ\PowerEN.txt)", "power EN");
    run.start();
    EXPECT_EQ(run.installer.Form1->InstalPort, driverStepDue(scenario));
    run.pick(texts::kEnglish);

    FileTree expected = run.expectedTree();
    if (driverSetUpStarts(scenario)) {
      expected[R"(C:\Nev_Tool Data\Program\Power.txt)"] = "power";
      expected[R"(C:\Nev_Tool Data\Program\PowerEN.txt)"] = "power EN";
    }
    EXPECT_TRUE(sameTree(expected, installedTree(run.drive)));
    EXPECT_EQ(run.desktop.shellOpens(), c.shellOpens);
    EXPECT_EQ(run.desktop.messages(), c.messages);
    EXPECT_TRUE(run.installer.app.terminated());
  }
}

// Any single file may be missing from the medium: it is skipped without a word, and what
// depends on it follows. One file of each list, and each file that something depends on (the
// driver's files and the German manual have their own tests).
TEST(Installation, AMediumMissingASingleFile) {
  const char* const missingFiles[] = {
      "VVlud.DLL",
      R"(DWin\MultiG\NevT GENER5.lnk)",
      R"(Data\datFED.dat)",
      R"(Data\FrFscan10.jpg)",
      R"(DataFr\LudrinNevT.txt)",  // also the generator tool's copies
      "NevT Gener.lnk",            // copied twice, under both spellings
      "Tavi Therapy DATA.lnk",     // the three data shortcuts on the desktop
      R"(DWin\Tavi Scan.exe)",     // its data shortcut, not "Tavi Scan.lnk"
      "NevT Gener EN.pdf",         // none on the desktop either
      "Tavi Universe.lnk",         // nor on the desktop after the driver step
      R"(CH341SER\DRVSETUP64\DRVSETUP64.exe)",
  };
  for (const char* missing : missingFiles) {
    SCOPED_TRACE(missing);
    Scenario scenario;
    scenario.language = texts::kGerman;
    scenario.missing = {missing};
    InstallerRun run(scenario);
    run.prepare();
    run.drive.write(R"(C:\KivTanOr5\dLangv.dat)", languageFileBytes(texts::kGerman));
    run.start();

    EXPECT_TRUE(sameTree(run.expectedTree(), installedTree(run.drive)));
    Texts messages = {"Installation ist fertig."};
    if (driverStepDue(scenario) && !driverSetUpStarts(scenario)) {
      messages.push_back(
          "Sie müssen den Port installieren. Überprüfen Sie: C:\\KivTanOr5\\CH341SER\\SETUP.EXE");
    }
    EXPECT_EQ(run.desktop.messages(), messages);
    EXPECT_EQ(run.desktop.shellOpens().size(), driverSetUpStarts(scenario) ? 1u : 0u);
    EXPECT_TRUE(run.desktop.errors().empty());
    EXPECT_TRUE(run.installer.app.terminated());
  }
}

TEST(Installation, WithoutTheGermanScanManualAGermanDesktopGetsTheEnglishOne) {
  Scenario scenario;
  scenario.language = texts::kGerman;
  scenario.missing = {"Tavi Scan DE.pdf"};
  InstallerRun run(scenario);
  run.prepare();
  run.start();
  run.pick(texts::kGerman);
  EXPECT_EQ(desktopManuals(run.drive), (Names{"NevT Gener EN.pdf", "Tavi Scan EN.pdf",
                                              "Tavi Therapy DE.pdf", "Tavi Universe DE.pdf"}));
  EXPECT_FALSE(run.drive.exists(R"(C:\KivTanOr5\Tavi Scan DE.pdf)"));
}

TEST(Installation, AnEmptyMediumYieldsTheFoldersAndTheLanguageFile) {
  Scenario scenario;
  scenario.language = texts::kEnglish;
  scenario.missing = {completeMedium().begin(), completeMedium().end()};
  InstallerRun run(scenario);
  run.prepare();
  run.start();
  run.pick(texts::kEnglish);

  EXPECT_TRUE(sameTree(run.expectedTree(), installedTree(run.drive)));
  EXPECT_EQ(run.drive.read(R"(C:\KivTanOr5\dLangv.dat)"), languageFileBytes(texts::kEnglish));
  for (const char* folder : {R"(C:\TaviTherapy)", R"(C:\WinLUD\MultiG)",
                             R"(C:\KivTanOr5\PrepSwich)", R"(C:\KivTanOr5\PfromNev)",
                             R"(C:\KivTanOr5\PicWlud)", R"(C:\KivTanOr5\CH341SER\DRVSETUP64)"}) {
    EXPECT_TRUE(run.drive.platform().folderExists(folder)) << folder;
  }
  EXPECT_FALSE(run.drive.exists(R"(C:\Nev_Tool Data)"));
  EXPECT_EQ(run.desktop.messages(), Texts{"Instaltion completed."});
  EXPECT_TRUE(run.installer.app.terminated());
}

// What cannot be put in place stops the installation with its name; "completed" would be false.
TEST(Installation, AFileWhereAFolderIsExpectedStopsTheInstallationNamingWhatCannotBePlaced) {
  for (const char* folder :
       {R"(C:\WinLUD)", R"(C:\KivTanOr5\PicWlud)", R"(C:\KivTanOr5\CH341SER)"}) {
    SCOPED_TRACE(folder);
    Scenario scenario;
    scenario.language = texts::kEnglish;
    scenario.blockedFolder = folder;
    InstallerRun run(scenario);
    run.prepare();
    TForm1& form = run.start();
    run.pick(texts::kEnglish);

    ASSERT_EQ(run.desktop.errors().size(), 1u);
    const std::string error = run.desktop.errors()[0];
    EXPECT_NE(error.find(std::string(folder) + "\\"), std::string::npos) << error;
    EXPECT_NE(error.find("the folder does not exist"), std::string::npos) << error;
    EXPECT_TRUE(run.desktop.messages().empty());
    EXPECT_FALSE(run.installer.app.terminated());
    EXPECT_TRUE(form.visible());
    EXPECT_FALSE(form.installing());
  }
}

TEST(Installation, ASettingsFolderThatIsAFileStopsTheInstallationAtItsFirstFile) {
  InstallerRun run;
  run.prepare();
  run.drive.write(R"(C:\KivTanOr5)", "a file in the way");
  TForm1& form = run.start();
  run.pick(texts::kEnglish);

  ASSERT_EQ(run.desktop.errors().size(), 1u);
  EXPECT_NE(run.desktop.errors()[0].find(R"(C:\KivTanOr5\)"), std::string::npos);
  // The file in the way stays; nothing after the failed copy is done; the window stays open.
  EXPECT_EQ(run.drive.read(R"(C:\KivTanOr5)"), "a file in the way");
  EXPECT_FALSE(run.drive.exists(R"(C:\KivTanOr5\PicWlud)"));
  EXPECT_TRUE(run.desktop.messages().empty());
  EXPECT_FALSE(run.installer.app.terminated());
  EXPECT_TRUE(form.visible());
  EXPECT_FALSE(form.installing());
}

TEST(Installation, AMissingDesktopStopsTheInstallationWithItsOwnMessage) {
  InstallerRun run({}, /*desktopFolder=*/"");
  run.prepare();
  TForm1& form = run.start();
  run.pick(texts::kGerman);

  EXPECT_EQ(run.desktop.errors(), Texts{"Nemůžu v registrech najít cestu k pracovní ploše."});
  // Done before the first desktop path: settings, language, pictures and lists.
  EXPECT_EQ(run.drive.read(R"(C:\KivTanOr5\dLangv.dat)"), languageFileBytes(texts::kGerman));
  EXPECT_EQ(run.drive.filesIn(R"(C:\KivTanOr5\PicWlud)").size(), 162u);
  EXPECT_EQ(run.drive.filesIn(R"(C:\KivTanOr5\PfromNev)").size(), 96u);
  EXPECT_TRUE(run.drive.filesIn(R"(C:\WinLUD)").empty());
  EXPECT_TRUE(run.desktop.messages().empty());
  EXPECT_TRUE(run.desktop.shellOpens().empty());
  EXPECT_FALSE(run.installer.app.terminated());
  EXPECT_TRUE(form.visible());
}

// An earlier installation from a CD left read-only copies; an upgrade must still replace them.
TEST(Installation, AReadOnlyTargetIsReplacedByAWritableCopy) {
  Scenario scenario;
  scenario.language = texts::kEnglish;
  InstallerRun run(scenario);
  run.prepare();
  run.drive.write(R"(C:\KivTanOr5\GlobalSetPrep.dll)", "edited by the user");
  run.drive.setReadOnly(R"(C:\KivTanOr5\GlobalSetPrep.dll)");
  run.start();
  run.pick(texts::kEnglish);

  EXPECT_TRUE(sameTree(run.expectedTree(), installedTree(run.drive)));
  EXPECT_NO_THROW(run.drive.platform().writeFile(R"(C:\KivTanOr5\GlobalSetPrep.dll)", "0"));
  EXPECT_EQ(run.desktop.messages(), Texts{"Instaltion completed."});
  EXPECT_TRUE(run.desktop.errors().empty());
  EXPECT_TRUE(run.installer.app.terminated());
}

TEST(Installation, AReadOnlyLanguageFileStopsTheFullInstallationWithTheFileError) {
  InstallerRun run;
  run.prepare();
  run.drive.write(R"(C:\KivTanOr5\dLangv.dat)", languageFileBytes(texts::kEnglish));
  run.drive.setReadOnly(R"(C:\KivTanOr5\dLangv.dat)");
  run.start();

  ASSERT_EQ(run.desktop.errors().size(), 1u);
  EXPECT_NE(run.desktop.errors()[0].find(R"(C:\KivTanOr5\dLangv.dat)"), std::string::npos);
  EXPECT_EQ(run.drive.read(R"(C:\KivTanOr5\datC.dat)"), mediumContent(R"(Data\datC.dat)"));
  EXPECT_TRUE(run.drive.filesIn(R"(C:\KivTanOr5\PicWlud)").empty());
  EXPECT_TRUE(run.desktop.messages().empty());
  EXPECT_FALSE(run.installer.app.terminated());
}

}  // namespace
}  // namespace tavi::installer::testing
