#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/product_flags.h"
#include "catalogue/product_lines.h"
#include "editor/main_window/main_window.h"
#include "main_window_load_save_support.h"
#include "store/settings_catalogue.h"

namespace tavi::editor {
namespace {

using testing::byteFile;
using testing::EditorSession;
using testing::hiddenControls;
using testing::languageFile;
using testing::settingsFile;
using testing::tickedBoxes;
using Names = std::vector<std::string>;

TEST(MainWindowLoad, AnEmptySettingsFolderShowsTheDefaults) {
  EditorSession session;
  TForm8& window = session.start().Form8;

  EXPECT_TRUE(window.visible());
  EXPECT_EQ(window.VelPism.position(), 8);
  EXPECT_EQ(window.nastav_limit.position(), 80);
  EXPECT_EQ(window.detail_samost3.itemIndex(), 0);
  EXPECT_EQ(window.pricist.position(), 0);
  EXPECT_EQ(window.PlusRife.position(), 0);
  EXPECT_EQ(window.nastav_citlivost.position(), 67);
  EXPECT_EQ(window.nastav_citlivost.max(), 120);
  EXPECT_EQ(window.pricist.max(), 8);
  EXPECT_EQ(window.Zpusob_mereni.itemIndex(), 0);
  for (const forms::Edit* field :
       {&window.COM_Nr, &window.Cesta, &window.CestaDBZ, &window.ZoomWin}) {
    EXPECT_EQ(field->text(), "") << field->name();
  }
  // Only Velmira, which the suite always offers, and the inverted hidden MtdVsbl.
  EXPECT_EQ(tickedBoxes(window), (Names{"Velmira", "MtdVsbl"}));
  EXPECT_FALSE(window.CestaDBZ.visible());
  EXPECT_FALSE(window.VegeTXT.visible());
  EXPECT_FALSE(window.MePreparat.visible());
  EXPECT_EQ(window.pixelsPerInch(), 96);
  EXPECT_EQ(window.centreRequests(), 1u);
  EXPECT_TRUE(session.desktop.requests().empty());
}

// One file at a time, so that a box read from another box's file shows.
TEST(MainWindowLoad, EachFlagFileTicksItsOwnBoxOnly) {
  struct Case {
    std::string file;
    Names ticked;
  };
  std::vector<Case> cases;
  for (const store::OptionFlag& flag : store::optionFlags()) {
    if (flag.load == store::FlagLoad::NotRead || flag.radioItem) continue;
    Names ticked{"Velmira", "MtdVsbl"};
    if (flag.sense == store::FlagSense::PresentUnticks) {
      std::erase(ticked, std::string(flag.control));
    } else {
      ticked.emplace_back(flag.control);
    }
    cases.push_back({std::string(flag.path), ticked});
  }
  for (const store::ProductLineFlag& line : store::productLineFlags()) {
    cases.push_back({std::string(line.path), {"Velmira", std::string(line.control), "MtdVsbl"}});
  }
  // Never read: another program's file leaves the hidden box unticked.
  cases.push_back({settingsFile("datBezDiakrit2.dat"), {"Velmira", "MtdVsbl"}});
  ASSERT_EQ(cases.size(), 36u);

  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    EditorSession session;
    session.drive.write(c.file, "");
    TForm8& window = session.start().Form8;
    Names ticked = tickedBoxes(window);
    Names expected = c.ticked;
    std::ranges::sort(ticked);
    std::ranges::sort(expected);
    EXPECT_EQ(ticked, expected);
    EXPECT_EQ(window.Zpusob_mereni.itemIndex(), 0);
  }
}

TEST(MainWindowLoad, TheStoredElectrodeIsSelectedAndAnnouncedOnce) {
  EditorSession session;
  session.drive.write(settingsFile("datE.dat"), "");
  session.drive.write(settingsFile("dLangv.dat"), languageFile(1));
  TForm8& window = session.start().Form8;
  EXPECT_EQ(window.Zpusob_mereni.itemIndex(), 1);
  EXPECT_EQ(session.desktop.messages(), (Names{"Please hold the electrodes the whole time."}));
}

TEST(MainWindowLoad, StoredValuesAreClampedIntoTheirRanges) {
  struct Case {
    std::string file;
    std::string bytes;
    bool extendedRanges;
    forms::ScrollBar TForm8::*bar;
    int position;
  };
  const Case cases[] = {
      {"datLimit.dat", byteFile(200), false, &TForm8::nastav_limit, 95},
      {"datLimit.dat", byteFile(0), false, &TForm8::nastav_limit, 70},
      {"datLimit.dat", byteFile(91), false, &TForm8::nastav_limit, 91},
      {"datFontScale.dat", byteFile(3), false, &TForm8::VelPism, 8},
      {"datFontScale.dat", byteFile(255), false, &TForm8::VelPism, 12},
      {"datC.dat", byteFile(140), false, &TForm8::nastav_citlivost, 120},
      {"datC.dat", byteFile(140), true, &TForm8::nastav_citlivost, 140},
      {"datC.dat", byteFile(200), true, &TForm8::nastav_citlivost, 150},
      {"datC.dat", byteFile(5), false, &TForm8::nastav_citlivost, 10},
      {"datPricisC.dat", byteFile(13), false, &TForm8::pricist, 8},
      {"datPricisC.dat", byteFile(13), true, &TForm8::pricist, 13},
      {"datPricisC.dat", byteFile(20), true, &TForm8::pricist, 13},
      // The extension is the sensitivity's and "Plus + %"'s only.
      {"datPlusRife.dat", byteFile(13), true, &TForm8::PlusRife, 8},
      // Extra bytes after the first are ignored.
      {"datLimit.dat", "\x55\x5F\x46", false, &TForm8::nastav_limit, 85},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file + " " + std::to_string(c.position));
    EditorSession session;
    session.drive.write(settingsFile(c.file), c.bytes);
    if (c.extendedRanges) session.drive.write(settingsFile("RozsSWE.dat"), "");
    TForm8& window = session.start().Form8;
    EXPECT_EQ((window.*c.bar).position(), c.position);
    EXPECT_TRUE(session.desktop.errors().empty());
  }
}

TEST(MainWindowLoad, AnItemIndexPastTheLastItemSelectsTheLastItem) {
  for (const auto& [stored, item] : {std::pair{1, 1}, {2, 2}, {3, 2}, {7, 2}, {255, 2}}) {
    EditorSession session;
    session.drive.write(settingsFile("datDavkaSum.dat"), byteFile(stored));
    EXPECT_EQ(session.start().Form8.detail_samost3.itemIndex(), item) << stored;
  }
}

TEST(MainWindowLoad, TheExtensionSwitchWidensTheSensitivityAndPlusBars) {
  EditorSession session;
  session.drive.write(settingsFile("RozsSWE.dat"), "");
  TForm8& window = session.start().Form8;
  EXPECT_EQ(window.nastav_citlivost.max(), 150);
  EXPECT_EQ(window.Citlivos_mala1.caption(), "150%");
  EXPECT_EQ(window.pricist.max(), 13);
  EXPECT_EQ(window.PlusRife.max(), 8);
  // Without a stored sensitivity the bar keeps its design position.
  EXPECT_EQ(window.nastav_citlivost.position(), 67);
}

TEST(MainWindowLoad, FieldsShowTheirFilesAndTheDatabaseFieldStaysHidden) {
  EditorSession session;
  session.drive.write(settingsFile("0cestaEx.txt"), "C:\\TaviTherapy\\\r\n");
  session.drive.write(settingsFile("0cestaDBZ.txt"), "D:\\Data\\\r\n");
  // The load shows a stored port as it is; only the field's own check judges it.
  session.drive.write(settingsFile("COM_Nr.dat"), "\xF8x 123\r\nsecond line\r\n");
  session.drive.write(settingsFile("datZoomWin.dat"), byteFile(0));
  TForm8& window = session.start().Form8;
  EXPECT_EQ(window.Cesta.text(), "C:\\TaviTherapy\\");
  EXPECT_EQ(window.CestaDBZ.text(), "D:\\Data\\");
  EXPECT_FALSE(window.CestaDBZ.visible());
  EXPECT_EQ(window.COM_Nr.text(), "řx 123");
  EXPECT_EQ(window.ZoomWin.text(), "0");
}

TEST(MainWindowLoad, SwitchFilesShapeTheWindow) {
  EditorSession session;
  session.drive.write(settingsFile("ScaleWindows.dat"), "");
  session.drive.write(settingsFile("datvegeTXT.dat"), "");
  session.drive.write(settingsFile("Preparat.txt"), "Moje\r\n");
  TForm8& window = session.start().Form8;
  EXPECT_EQ(window.pixelsPerInch(), 85);
  // Centred after the rescale and again at the end.
  EXPECT_EQ(window.centreRequests(), 2u);
  EXPECT_TRUE(window.ScaleWindows.checked());
  EXPECT_TRUE(window.VegeTXT.visible());
  EXPECT_TRUE(window.MePreparat.visible());
}

// The controls that line n of GlobalSetPrep.dll hides, and nothing else.
TEST(MainWindowLoad, EachLineOfTheGlobalSettingsHidesItsOwnControls) {
  const Names byLine[29] = {
      {"Velmira", "IVelmira"},
      {"Joalis", "IJoalis"},
      {"Energy", "IEnergy"},
      {"Diochi", "IDiochi"},
      {"doTERRA", "IdoTERRA"},
      {"Nadeje", "INadeje"},
      {"Bioligo", "IBioligo"},
      {"BachBox", "IBachBox"},
      {"Australske", "IAustralske"},
      {"HerbalExtracts", "IBenedictus"},
      {"Schlussler", "ISchlussler"},
      {"ChQuantum", "ChQuantumx", "QuantumMineralsAll", "QuantumMinerals"},
      {"Prep", "Prepx", "PraparatyAll", "Praparaty"},
      {"Prep2", "Prep2x", "Praparaty2All", "Praparaty2"},
      {"Prep3", "Prep3x", "Praparaty3All", "Praparaty3"},
      {"Fin", "Finx", "FinClubAll", "FinClub"},
      {"ChLR", "ChLRx", "LRAll", "LR"},
      {"ChKoloid", "ChKoloidx", "KoloidniAll", "Koloidni"},
      {"ChZel", "ChZelx", "ZeleneAll", "Zelene"},
      {"ChHealth", "ChHealthx", "HealthDetoxAll", "HealthDetox"},
      {"ChBenedic", "ChBenedicx", "TlBenedisctus", "BenedictusP"},
      {"ChDedek", "ChDedekx", "DedekAll", "Dedek"},
      {"ChMycomedika", "ChMycomedikax", "MycomedikaAll", "Mycomedika"},
      {"MePreparat"},
      {"ChHarmonelo", "ChHarmonelox", "HarmoneloAll", "Harmonelo"},
      {"ChNuSkin", "ChNuSkinx", "NuSkinAll", "NuSkin"},
      {"ChNastrZdr", "ChNastrZdrx", "NastrZdrAll", "NastrZdr"},
      {"ChStarlife", "ChStarlifex", "StarlifeAll", "Starlife"},
      {"ChZinzino", "ChZinzinox", "ZinzinoAll", "Zinzino"},
  };
  // With the list present and the global file all "0", everything that can show does.
  auto start = [](EditorSession& session, int hiddenLine) {
    std::string lines;
    for (int line = 1; line <= 52; ++line)
      lines += line == hiddenLine ? "1\r\n" : "0\r\n";
    session.drive.write(settingsFile("Preparat.txt"), "Moje\r\n");
    session.drive.write(settingsFile("datvegeTXT.dat"), "");
    session.drive.write(settingsFile("GlobalSetPrep.dll"), lines);
    return hiddenControls(session.start().Form8);
  };
  EditorSession plain;
  const Names alwaysHidden = start(plain, 0);

  for (int line = 1; line <= 29; ++line) {
    SCOPED_TRACE(line);
    EditorSession session;
    Names hidden = start(session, line);
    Names expected = alwaysHidden;
    expected.insert(expected.end(), byLine[line - 1].begin(), byLine[line - 1].end());
    std::ranges::sort(hidden);
    std::ranges::sort(expected);
    EXPECT_EQ(hidden, expected);
  }
  // Lines the main window does not read hide nothing.
  EditorSession past;
  EXPECT_EQ(start(past, 30), alwaysHidden);
}

TEST(MainWindowLoad, OnlyALineOfExactlyOneHidesAndAShortFileIsFine) {
  const std::string contents[] = {"1 \r\n", " 1\r\n", "11\r\n", "2\r\n", "", "0\r\n0\r\n"};
  for (const std::string& content : contents) {
    EditorSession session;
    session.drive.write(settingsFile("GlobalSetPrep.dll"), content);
    TForm8& window = session.start().Form8;
    EXPECT_TRUE(window.Velmira.visible()) << content;
    EXPECT_TRUE(session.desktop.errors().empty());
  }
  // The last line needs no line end; the hiding stays in force whatever follows.
  EditorSession session;
  session.drive.write(settingsFile("GlobalSetPrep.dll"), "0\r\n1");
  EXPECT_FALSE(session.start().Form8.Joalis.visible());
}

TEST(MainWindowLoad, LineTwentyFourHidesTheOwnPreparationsButtonEvenWithAList) {
  EditorSession session;
  session.drive.write(settingsFile("Preparat.txt"), "Moje\r\n");
  std::string lines;
  for (int line = 1; line <= 29; ++line)
    lines += line == 24 ? "1\r\n" : "0\r\n";
  session.drive.write(settingsFile("GlobalSetPrep.dll"), lines);
  EXPECT_FALSE(session.start().Form8.MePreparat.visible());
}

TEST(MainWindowLoad, CaptionsComeInTheStoredLanguage) {
  EditorSession session;
  session.drive.write(settingsFile("dLangv.dat"), languageFile(1));
  Editor& editor = session.start();
  TForm8& window = editor.Form8;
  EXPECT_EQ(editor.windows.Languagem, 1);
  EXPECT_EQ(window.caption(), "Setting");
  EXPECT_EQ(window.ProcZobr.caption(), "Perc. [%]");
  EXPECT_EQ(window.YearFirs.caption(), "Year is the first: 9. 12. 2026");
  EXPECT_EQ(window.InfoPC.caption(), "Setting PC");
  EXPECT_EQ(window.BezDiakrit.caption(), "No special characters");
  EXPECT_EQ(window.BezDiakrit2.caption(), "No special characters II");
  EXPECT_EQ(window.Praparaty.caption(), "Preparations1");
  EXPECT_EQ(window.Praparaty3.caption(), "Preparations3");
  EXPECT_EQ(window.Koloidni.caption(), "Colloidal silver");
  EXPECT_EQ(window.MePreparat.caption(), "Preparations own");
  EXPECT_EQ(window.Edit2.text(), "Directory Path:");
  EXPECT_EQ(window.Edit1.text(), "Supplements:");
  EXPECT_EQ(window.Uloz.caption(), "Save");
  EXPECT_EQ(window.Konec.caption(), "Close");
  EXPECT_EQ(window.Velmira.caption(), "Velmira");
  EXPECT_EQ(window.CheckProgram.caption(), "Duplicate check of LUD");
  EXPECT_EQ(window.DetekMaxToDo.caption(), "Ideal + Max.");
  EXPECT_EQ(window.Zpusob_mereni.caption(), "Method of measurement:");
  EXPECT_EQ(window.Zpusob_mereni.items(), (Names{"Telemetric", "Electrode"}));
  for (const store::ProductLineFlag& line : store::productLineFlags()) {
    std::string expected;
    catalogue::FAPreptech(line.productLine, expected, 1);
    EXPECT_EQ(static_cast<forms::CheckBox*>(window.findControl(line.control))->caption(), expected);
  }
  // Captions the load does not name keep their design.
  EXPECT_EQ(window.Automat.caption(), "Automat");
  EXPECT_EQ(window.PosF2.caption(), "Pos. F,L,I,M");
  EXPECT_EQ(window.NuSkin.caption(), "Nu Skin");
  EXPECT_EQ(window.Citlivos_mala1.caption(), "120 %");
  EXPECT_EQ(window.Upgrade1.text(), "Upgrade:");
  EXPECT_EQ(window.Upgrade1.font().pointSize, 10);
  EXPECT_EQ(window.Upgrade2.font().pointSize, 10);
}

TEST(MainWindowLoad, OnlySwedishRenamesTheUpgradeField) {
  for (int language : {0, 1, 2, 3, 4}) {
    EditorSession session;
    session.drive.write(settingsFile("dLangv.dat"), languageFile(language));
    EXPECT_EQ(session.start().Form8.Upgrade1.text(), language == 3 ? "Uppgradera" : "Upgrade:")
        << language;
  }
}

TEST(MainWindowLoad, EndsByRefreshingTheGroupIndicators) {
  EditorSession session;
  const catalogue::ProductGroup& koloidni = *catalogue::findGroup("Koloidni");
  testing::selectOnDrive(session.drive, testing::productsOf(koloidni));
  testing::selectOnDrive(session.drive, std::vector<catalogue::ProductIndex>{211});
  TForm8& window = session.start().Form8;
  EXPECT_TRUE(window.ChKoloid.checked());
  EXPECT_TRUE(window.ChKoloidx.checked());
  EXPECT_FALSE(window.ChNuSkin.checked());
  EXPECT_TRUE(window.ChNuSkinx.checked());
}

// A file that cannot be read stops the load at its step: the error box tells, the program
// starts anyway, and what the load had not come to stays as designed.
TEST(MainWindowLoad, AFailedLoadStopsAtItsStepAndLeavesTheRestAsDesigned) {
  // The window as constructed, never loaded.
  tavi::testing::TestDrive drive;
  forms::ScriptedDesktop desktop;
  forms::Application app{desktop};
  WindowSet windows{drive.platform()};
  const TForm8 designed{app, windows};

  {
    SCOPED_TRACE("empty language file");
    EditorSession session;
    session.drive.write(settingsFile("dLangv.dat"), "");
    session.drive.write(settingsFile("datvegeTXT.dat"), "");
    session.drive.write(settingsFile("ScaleWindows.dat"), "");
    session.drive.write(settingsFile("datLimit.dat"), byteFile(90));
    Editor& editor = session.start();
    TForm8& window = editor.Form8;
    ASSERT_EQ(session.desktop.errors().size(), 1u);
    EXPECT_NE(session.desktop.errors()[0].find("dLangv.dat"), std::string::npos);
    EXPECT_EQ(editor.app.forms().size(), 21u);
    EXPECT_TRUE(window.visible());
    // Steps before the language ran; nothing after it did.
    EXPECT_EQ(window.Upgrade1.font().pointSize, 10);
    EXPECT_EQ(window.pixelsPerInch(), 85);
    EXPECT_EQ(window.caption(), designed.caption());
    EXPECT_EQ(window.Uloz.caption(), designed.Uloz.caption());
    EXPECT_EQ(window.Zpusob_mereni.items(), designed.Zpusob_mereni.items());
    EXPECT_TRUE(window.VegeTXT.visible());
    EXPECT_FALSE(window.Velmira.checked());
    EXPECT_FALSE(window.MtdVsbl.checked());
    EXPECT_EQ(window.nastav_limit.position(), 80);
    EXPECT_FALSE(editor.app.terminated());
  }
  {
    SCOPED_TRACE("empty limit file");
    EditorSession session;
    session.drive.write(settingsFile("dLangv.dat"), languageFile(1));
    session.drive.write(settingsFile("datFontScale.dat"), byteFile(10));
    session.drive.write(settingsFile("datLimit.dat"), "");
    session.drive.write(settingsFile("COM_Nr.dat"), "5\r\n");
    session.drive.write(settingsFile("datC.dat"), byteFile(100));
    testing::selectOnDrive(session.drive, std::vector<catalogue::ProductIndex>{211});
    Editor& editor = session.start();
    TForm8& window = editor.Form8;
    ASSERT_EQ(session.desktop.errors().size(), 1u);
    EXPECT_NE(session.desktop.errors()[0].find("datLimit.dat"), std::string::npos);
    EXPECT_EQ(editor.app.forms().size(), 21u);
    EXPECT_EQ(window.Uloz.caption(), "Save");
    EXPECT_TRUE(window.Velmira.checked());
    EXPECT_EQ(window.VelPism.position(), 10);
    EXPECT_EQ(window.nastav_limit.position(), designed.nastav_limit.position());
    EXPECT_EQ(window.COM_Nr.text(), "");
    EXPECT_EQ(window.nastav_citlivost.position(), 67);
    EXPECT_EQ(window.centreRequests(), 0u);
    EXPECT_FALSE(window.ChNuSkinx.checked());
  }
}

}  // namespace
}  // namespace tavi::editor
