#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editor/main_window/main_window.h"
#include "main_window_load_save_support.h"
#include "store/settings_catalogue.h"
#include "support/hex.h"

namespace tavi::editor {
namespace {

using testing::byteFile;
using testing::EditorSession;
using testing::settingsFile;
using Names = std::vector<std::string>;

constexpr std::string_view kFolderMissing =
    "The path you entered does not exist, first create a directory, and then save the entry.";
constexpr std::string_view kRestartQuestion =
    "If you have changed the database directory, you must first manually move the contents of "
    "the original database to the new one and restart the PC. Restart PC?";

Names settingsFiles(const EditorSession& session) {
  return session.drive.filesIn(testing::kSettingsFolder);
}

// Every file the main window reads or writes, each switched on, as a long-used installation
// may leave them. English, so that the messages read as the main window's English table has them.
void fillSettingsFolder(EditorSession& session) {
  const tavi::testing::TestDrive& drive = session.drive;
  for (const store::OptionFlag& flag : store::optionFlags())
    drive.write(flag.path, "");
  for (const store::ProductLineFlag& line : store::productLineFlags())
    drive.write(line.path, "");
  for (const store::FixedFile& file : store::fixedFiles())
    drive.write(file.path, "");
  drive.write(settingsFile("datvegeTXT.dat"), "");
  drive.write(settingsFile("dLangv.dat"), testing::languageFile(1));
  drive.write(settingsFile("datFontScale.dat"), byteFile(12));
  drive.write(settingsFile("datZoomWin.dat"), byteFile(120));
  drive.write(settingsFile("datLimit.dat"), byteFile(90));
  drive.write(settingsFile("datDavkaSum.dat"), byteFile(1));
  drive.write(settingsFile("datPricisC.dat"), byteFile(5));
  drive.write(settingsFile("datPlusRife.dat"), byteFile(3));
  drive.write(settingsFile("datC.dat"), byteFile(60));
  drive.write(settingsFile("COM_Nr.dat"), "5\r\n");
  drive.makeFolder(R"(C:\TaviTherapy)");
  drive.write(settingsFile("0cestaEx.txt"), "C:\\TaviTherapy\\\r\n");
  drive.write(settingsFile("0cestaDBZ.txt"), "C:\\TaviTherapy\\\r\n");
}

void emptySettingsFolder(EditorSession& session) {
  for (const std::string& name : settingsFiles(session))
    session.drive.remove(settingsFile(name));
}

TEST(MainWindowSave, AnEmptySettingsFolderSavedLeavesSixFilesAndEndsTheProgram) {
  EditorSession session;
  Editor& editor = session.start();
  ASSERT_TRUE(editor.app.click(editor.Form8.Uloz));

  EXPECT_EQ(settingsFiles(session), (Names{"datC.dat", "datDavkaSum.dat", "datFED.dat",
                                           "datFontScale.dat", "datLimit.dat", "datVelB.dat"}));
  EXPECT_EQ(session.drive.read(settingsFile("datFontScale.dat")), byteFile(8));
  EXPECT_EQ(session.drive.read(settingsFile("datLimit.dat")), byteFile(80));
  EXPECT_EQ(session.drive.read(settingsFile("datDavkaSum.dat")), byteFile(0));
  EXPECT_EQ(session.drive.read(settingsFile("datC.dat")), byteFile(67));
  EXPECT_EQ(session.drive.read(settingsFile("datVelB.dat")), "");
  EXPECT_EQ(session.drive.read(settingsFile("datFED.dat")), "");
  EXPECT_TRUE(editor.app.terminated());
  EXPECT_TRUE(session.desktop.requests().empty());
}

// The files in the order the save writes them when every box is ticked and every value set.
const Names kWriteOrder = {
    "datFontScale.dat", "datZoomWin.dat",   "datLimit.dat",     "datDavkaSum.dat",
    "datPricisC.dat",   "datPlusRife.dat",  "COM_Nr.dat",       "0cestaEx.txt",
    "0podadr.txt",      "datVelB.dat",      "datNewVesion.dat", "YearFirs.dat",
    "NevT_Color.dat",   "LikeLastAll.dat",  "ProtokolSUMA.dat", "DarkColor.dat",
    "ScaleWindows.dat", "ProcZobr.dat",     "Slowpc.dat",       "datBezDiakrit.dat",
    "datOpenLast.dat",  "DetekMaxToDo.dat", "datMtdVsbl.dat",   "PckPrep.dat",
    "ZobrVPrep.dat",    "datAutomat.dat",   "PosF.dat",         "PosF2.dat",
    "datEmaTim.dat",    "datPrgRav.dat",    "datPrgElz.dat",    "RunLUDCheck.dat",
    "datJOA.dat",       "datENE.dat",       "datNad.dat",       "datBB.dat",
    "datDiochi.dat",    "DatAddFile.dat",   "datFED.dat",       "datBIO.dat",
    "datDoTERR.dat",    "datSchlu.dat",     "datAustr.dat",     "datHerbal.dat",
    "datE.dat",         "datAnimal.dat",    "datC.dat"};

// A folder in the place of one file makes that write fail: everything before it is written,
// nothing after it, and the error box names it.
TEST(MainWindowSave, WritesEveryFileInItsOrderAndStopsAtAFailedWrite) {
  for (std::size_t blocked = 0; blocked <= kWriteOrder.size(); ++blocked) {
    const bool fails = blocked < kWriteOrder.size();
    SCOPED_TRACE(fails ? kWriteOrder[blocked] : "nothing blocked");
    EditorSession session;
    fillSettingsFolder(session);
    // Marked present at load so the box is unticked; the save then sets it again.
    session.drive.write(settingsFile("datMtdVsbl.dat"), "");
    Editor& editor = session.start();
    emptySettingsFolder(session);
    if (fails) session.drive.makeFolder(settingsFile(kWriteOrder[blocked]));
    session.desktop.clear();
    session.desktop.answer({true});

    ASSERT_TRUE(editor.app.click(editor.Form8.Uloz));
    Names expected(kWriteOrder.begin(), kWriteOrder.begin() + static_cast<long>(blocked));
    std::ranges::sort(expected);
    EXPECT_EQ(settingsFiles(session), expected);
    EXPECT_EQ(editor.app.terminated(), !fails);
    EXPECT_EQ(session.desktop.errors().size(), fails ? 1u : 0u);
    if (fails) {
      EXPECT_NE(session.desktop.errors()[0].find(kWriteOrder[blocked]), std::string::npos);
      // A failed save can be tried again once the cause is gone.
      EXPECT_TRUE(editor.Form8.Uloz.visible());
    }
  }
}

TEST(MainWindowSave, UntickedBoxesAndZeroValuesDeleteTheirFiles) {
  EditorSession session;
  fillSettingsFolder(session);
  Editor& editor = session.start();
  TForm8& window = editor.Form8;
  for (forms::CheckBox* box : testing::settingBoxes(window)) {
    if (box->visible()) {
      ASSERT_TRUE(editor.app.tick(*box, false)) << box->name();
    }
  }
  editor.app.scroll(window.pricist, 0);
  editor.app.scroll(window.PlusRife, 0);
  editor.app.choose(window.Zpusob_mereni, 0);
  editor.app.changeText(window.COM_Nr, "");
  editor.app.changeText(window.Cesta, "");
  session.desktop.clear();
  ASSERT_TRUE(editor.app.click(window.Uloz));

  // What stays: the values always written, the two fixed flags, the hidden boxes as loaded
  // (the inverted MtdVsbl unticked), the zoom, and what the save does not touch: the language,
  // the switch file, and the database files while the database field stays hidden.
  EXPECT_EQ(settingsFiles(session),
            (Names{"0cestaDBZ.txt", "AdresaAkt.txt", "dLangv.dat", "datAnimal.dat", "datC.dat",
                   "datDavkaSum.dat", "datFED.dat", "datFontScale.dat", "datLimit.dat",
                   "datMtdVsbl.dat", "datVelB.dat", "datZoomWin.dat", "datvegeTXT.dat"}));
  EXPECT_EQ(session.drive.read(settingsFile("datZoomWin.dat")), byteFile(120));
  EXPECT_EQ(session.drive.read(settingsFile("datFontScale.dat")), byteFile(12));
  EXPECT_EQ(session.drive.read(settingsFile("datDavkaSum.dat")), byteFile(1));
  EXPECT_EQ(session.drive.read(settingsFile("datC.dat")), byteFile(60));
  EXPECT_TRUE(editor.app.terminated());
  EXPECT_TRUE(session.desktop.requests().empty());
}

TEST(MainWindowSave, StoredValuesComeBackAsTheWindowShowsThem) {
  struct Case {
    std::string name;
    std::string file;
    std::string stored;
    std::optional<std::string> saved;  // none: the file is deleted
  };
  const Case cases[] = {
      {"limit clamped at load", "datLimit.dat", byteFile(200), byteFile(95)},
      {"item clamped at load", "datDavkaSum.dat", byteFile(7), byteFile(2)},
      {"plus at one", "datPricisC.dat", byteFile(1), byteFile(1)},
      {"plus at zero", "datPricisC.dat", byteFile(0), std::nullopt},
      {"export at eight", "datPlusRife.dat", byteFile(8), byteFile(8)},
      {"export at zero", "datPlusRife.dat", byteFile(0), std::nullopt},
      {"zoom of zero", "datZoomWin.dat", byteFile(0), byteFile(0)},
      {"zoom of a byte file of three bytes", "datZoomWin.dat", "\xFF\x01\x02", byteFile(255)},
      {"sensitivity", "datC.dat", byteFile(33), byteFile(33)},
      {"port of two characters", "COM_Nr.dat",
       "\xF8"
       "5\r\n",
       "\xF8"
       "5\r\n"},
      {"port of three characters", "COM_Nr.dat", "123\r\n", std::nullopt},
      {"empty port", "COM_Nr.dat", "\r\n", std::nullopt},
      {"port of a service code", "COM_Nr.dat", "8059\r\n", std::nullopt},
      {"never read", "datBezDiakrit2.dat", "", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EditorSession session;
    session.drive.write(settingsFile(c.file), c.stored);
    Editor& editor = session.start();
    ASSERT_TRUE(editor.app.click(editor.Form8.Uloz));
    EXPECT_TRUE(editor.app.terminated());
    if (c.saved) {
      EXPECT_EQ(tavi::testing::hex(session.drive.read(settingsFile(c.file))),
                tavi::testing::hex(*c.saved));
    } else {
      EXPECT_FALSE(session.drive.exists(settingsFile(c.file)));
    }
  }
}

TEST(MainWindowSave, TheMovedBarsAreWhatIsWritten) {
  EditorSession session;
  Editor& editor = session.start();
  TForm8& window = editor.Form8;
  editor.app.scroll(window.VelPism, 10);
  editor.app.scroll(window.nastav_limit, 72);
  editor.app.scroll(window.nastav_citlivost, 118);
  editor.app.scroll(window.pricist, 8);
  editor.app.choose(window.detail_samost3, 2);
  ASSERT_TRUE(editor.app.click(window.Uloz));
  EXPECT_EQ(session.drive.read(settingsFile("datFontScale.dat")), byteFile(10));
  EXPECT_EQ(session.drive.read(settingsFile("datLimit.dat")), byteFile(72));
  EXPECT_EQ(session.drive.read(settingsFile("datC.dat")), byteFile(118));
  EXPECT_EQ(session.drive.read(settingsFile("datPricisC.dat")), byteFile(8));
  EXPECT_EQ(session.drive.read(settingsFile("datDavkaSum.dat")), byteFile(2));
}

TEST(MainWindowSave, AServiceCodeLeftInThePortFieldIsNotStored) {
  EditorSession session;
  session.drive.write(settingsFile("COM_Nr.dat"), "7\r\n");
  Editor& editor = session.start();
  editor.app.changeText(editor.Form8.COM_Nr, "4815");
  ASSERT_TRUE(editor.app.click(editor.Form8.Uloz));
  EXPECT_TRUE(editor.app.terminated());
  EXPECT_FALSE(session.drive.exists(settingsFile("COM_Nr.dat")));
}

TEST(MainWindowSave, TheOutputFolderIsNormalisedBeforeItIsTested) {
  EditorSession session;
  session.drive.makeFolder(R"(C:\TaviTherapy)");
  Editor& editor = session.start();
  TForm8& window = editor.Form8;
  editor.app.changeText(window.Cesta, "C:\\TaviTherapy   ");
  editor.app.tick(window.Podadresar, true);
  ASSERT_TRUE(editor.app.click(window.Uloz));
  EXPECT_EQ(window.Cesta.text(), "C:\\TaviTherapy\\");
  EXPECT_EQ(tavi::testing::hex(session.drive.read(settingsFile("0cestaEx.txt"))),
            tavi::testing::hex("C:\\TaviTherapy\\\r\n"));
  EXPECT_EQ(session.drive.read(settingsFile("0podadr.txt")), "");
  EXPECT_TRUE(editor.app.terminated());
}

// The folder must exist: the save stops after the port with the window open again.
TEST(MainWindowSave, AMissingOutputFolderRefusesTheRestOfTheSave) {
  struct Case {
    std::string typed;
    std::string stored;  // the line file's content; empty: no file
    std::string restored;
  };
  const Case cases[] = {
      {"   ", "", ""},
      {"C:\\Nowhere", "C:\\TaviTherapy\\\r\n", "C:\\TaviTherapy\\"},
      {"\\", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    EditorSession session;
    session.drive.write(settingsFile("dLangv.dat"), testing::languageFile(1));
    if (!c.stored.empty()) session.drive.write(settingsFile("0cestaEx.txt"), c.stored);
    session.drive.write(settingsFile("datTin.dat"), "");
    Editor& editor = session.start();
    TForm8& window = editor.Form8;
    editor.app.changeText(window.Cesta, c.typed);
    editor.app.scroll(window.VelPism, 12);
    editor.app.tick(window.DarkColor, true);
    ASSERT_TRUE(editor.app.click(window.Uloz));

    EXPECT_EQ(session.desktop.messages(), (Names{"DIR: " + std::string(kFolderMissing)}));
    EXPECT_EQ(window.Cesta.text(), c.restored);
    EXPECT_TRUE(window.Uloz.visible());
    EXPECT_EQ(window.focused(), &window.Cesta);
    EXPECT_FALSE(editor.app.terminated());
    // Written up to the port; nothing from the output folder on.
    EXPECT_EQ(session.drive.read(settingsFile("datFontScale.dat")), byteFile(12));
    EXPECT_FALSE(session.drive.exists(settingsFile("datVelB.dat")));
    EXPECT_FALSE(session.drive.exists(settingsFile("DarkColor.dat")));
    EXPECT_TRUE(session.drive.exists(settingsFile("datTin.dat")));
    EXPECT_EQ(session.drive.exists(settingsFile("0cestaEx.txt")), !c.stored.empty());
  }
}

TEST(MainWindowSave, AnEmptyOutputFolderDeletesItAndTheSubfolderOption) {
  EditorSession session;
  session.drive.write(settingsFile("0cestaEx.txt"), "C:\\TaviTherapy\\\r\n");
  session.drive.write(settingsFile("0podadr.txt"), "");
  Editor& editor = session.start();
  TForm8& window = editor.Form8;
  editor.app.changeText(window.Cesta, "");
  ASSERT_TRUE(window.Podadresar.checked());
  ASSERT_TRUE(editor.app.click(window.Uloz));
  EXPECT_FALSE(session.drive.exists(settingsFile("0cestaEx.txt")));
  EXPECT_FALSE(session.drive.exists(settingsFile("0podadr.txt")));
  EXPECT_TRUE(editor.app.terminated());
}

TEST(MainWindowSave, TheFirmwareOptionIsConfirmedOnceBeforeItIsFirstSwitchedOn) {
  const std::string question =
      "The button New Firmware version in Nev can only be used with the NevT Ludrin or Nev "
      "Ludrin with the NEW version. Cannot be used with other devices such as zapper. Really new "
      "version of Firmware?";
  struct Case {
    bool stored;
    bool ticked;
    std::vector<bool> answers;
    Names questions;
    bool savedFile;
  };
  const Case cases[] = {
      {false, true, {true}, {question}, true},
      {false, true, {false}, {question}, false},
      {true, true, {}, {}, true},
      {true, false, {}, {}, false},
      {false, false, {}, {}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.stored) + std::to_string(c.ticked) +
                 std::to_string(c.answers.size()));
    EditorSession session;
    session.drive.write(settingsFile("dLangv.dat"), testing::languageFile(1));
    if (c.stored) session.drive.write(settingsFile("datNewVesion.dat"), "");
    Editor& editor = session.start();
    TForm8& window = editor.Form8;
    editor.app.tick(window.NewVesion, c.ticked);
    for (bool answer : c.answers)
      session.desktop.answer({answer});
    ASSERT_TRUE(editor.app.click(window.Uloz));
    EXPECT_EQ(session.desktop.confirmations(), c.questions);
    EXPECT_EQ(session.drive.exists(settingsFile("datNewVesion.dat")), c.savedFile);
    EXPECT_EQ(window.NewVesion.checked(), c.savedFile);
    // Whatever the answer, the save goes on to its end.
    EXPECT_TRUE(session.drive.exists(settingsFile("datC.dat")));
    EXPECT_TRUE(editor.app.terminated());
  }
}

// Another program may switch the animal scale while the editor runs; the save converts.
TEST(MainWindowSave, TheSensitivityFollowsAChangeOfTheAnimalScale) {
  struct Case {
    bool fileAtStart;
    bool fileAtSave;
    int position;
    int written;
    bool fileAfter;
  };
  const Case cases[] = {
      {false, false, 67, 67, false},
      {true, true, 67, 67, true},
      // The box says animal, the file says not yet: onto the coarser scale.
      {true, false, 67, 22, true},
      {true, false, 68, 23, true},
      {true, false, 120, 40, true},
      // The file says animal, the box does not: back, at most 100.
      {false, true, 20, 60, false},
      {false, true, 33, 99, false},
      {false, true, 40, 100, false},
      {false, true, 67, 100, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.fileAtStart) + std::to_string(c.fileAtSave) +
                 std::to_string(c.position));
    EditorSession session;
    if (c.fileAtStart) session.drive.write(settingsFile("datAnimal.dat"), "");
    Editor& editor = session.start();
    TForm8& window = editor.Form8;
    ASSERT_EQ(window.Animal.checked(), c.fileAtStart);
    if (c.fileAtSave) {
      session.drive.write(settingsFile("datAnimal.dat"), "");
    } else {
      session.drive.remove(settingsFile("datAnimal.dat"));
    }
    editor.app.scroll(window.nastav_citlivost, c.position);
    ASSERT_TRUE(editor.app.click(window.Uloz));
    EXPECT_EQ(session.drive.read(settingsFile("datC.dat")), byteFile(c.written));
    EXPECT_EQ(session.drive.exists(settingsFile("datAnimal.dat")), c.fileAfter);
  }
}

TEST(MainWindowSave, TheDatabaseFolderIsSavedOnlyWhileItsFieldIsShown) {
  struct Case {
    std::string name;
    bool shown;
    std::string typed;
    std::vector<bool> answers;
    std::string savedLine;  // empty: the file is deleted
    bool ends;
  };
  const std::string stored = "C:\\OldData\\\r\n";
  const Case cases[] = {
      {"hidden", false, "", {}, stored, true},
      {"existing folder, restart", true, "C:\\TaviData  ", {true}, "C:\\TaviData\\\r\n", true},
      {"existing folder, no restart", true, "C:\\TaviData", {false}, "C:\\TaviData\\\r\n", true},
      {"emptied", true, "", {false}, "", true},
      {"missing folder", true, "C:\\Nowhere", {}, stored, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EditorSession session;
    session.drive.write(settingsFile("dLangv.dat"), testing::languageFile(1));
    session.drive.makeFolder(R"(C:\TaviData)");
    session.drive.write(settingsFile("0cestaDBZ.txt"), stored);
    session.drive.write(settingsFile("AdresaAkt.txt"), "Novak\r\n");
    Editor& editor = session.start();
    TForm8& window = editor.Form8;
    if (c.shown) {
      ASSERT_TRUE(editor.app.click(window.BtDBZ));
      ASSERT_TRUE(window.CestaDBZ.visible());
      editor.app.changeText(window.CestaDBZ, c.typed);
    }
    editor.app.scroll(window.VelPism, 12);
    for (bool answer : c.answers)
      session.desktop.answer({answer});
    ASSERT_TRUE(editor.app.click(window.Uloz));

    if (c.savedLine.empty()) {
      EXPECT_FALSE(session.drive.exists(settingsFile("0cestaDBZ.txt")));
    } else {
      EXPECT_EQ(session.drive.read(settingsFile("0cestaDBZ.txt")), c.savedLine);
    }
    // The suite finds its current address again in a database that may have moved.
    EXPECT_EQ(session.drive.exists(settingsFile("AdresaAkt.txt")), !c.shown);
    EXPECT_EQ(session.desktop.confirmations(),
              c.answers.empty() ? Names{} : Names{std::string(kRestartQuestion)});
    EXPECT_EQ(editor.app.terminated(), c.ends);
    // Everything else is written even when the folder is refused.
    EXPECT_EQ(session.drive.read(settingsFile("datFontScale.dat")), byteFile(12));
    EXPECT_TRUE(session.drive.exists(settingsFile("datC.dat")));
    if (!c.ends) {
      EXPECT_EQ(session.desktop.messages(), (Names{"DBZ: " + std::string(kFolderMissing)}));
      EXPECT_EQ(window.CestaDBZ.text(), "C:\\OldData\\");
      EXPECT_EQ(window.focused(), &window.CestaDBZ);
      EXPECT_TRUE(window.Uloz.visible());
    } else {
      EXPECT_TRUE(session.desktop.messages().empty());
    }
  }
}

TEST(MainWindowSave, WithoutTheSettingsFolderTheFirstWriteFailsAndNothingIsWritten) {
  EditorSession session;
  Editor& editor = session.start();
  session.drive.remove(R"(C:\KivTanOr5)");
  ASSERT_TRUE(editor.app.click(editor.Form8.Uloz));
  ASSERT_EQ(session.desktop.errors().size(), 1u);
  EXPECT_NE(session.desktop.errors()[0].find("datFontScale.dat"), std::string::npos);
  EXPECT_FALSE(session.drive.exists(R"(C:\KivTanOr5)"));
  EXPECT_FALSE(editor.app.terminated());
  EXPECT_TRUE(editor.Form8.Uloz.visible());
}

// Sees the save button whenever the save shows a box.
class WatchingDesktop : public forms::ScriptedDesktop {
 public:
  void showMessage(std::string_view text) override {
    watch();
    ScriptedDesktop::showMessage(text);
  }
  bool confirm(std::string_view text) override {
    watch();
    return ScriptedDesktop::confirm(text);
  }
  const TForm8* window = nullptr;
  std::vector<bool> saveButtonShown;

 private:
  void watch() {
    if (window != nullptr) saveButtonShown.push_back(window->Uloz.visible());
  }
};

TEST(MainWindowSave, TheSaveButtonIsHiddenWhileTheSaveRunsAndBackWhenTheWindowStays) {
  tavi::testing::TestDrive drive;
  drive.write(settingsFile("dLangv.dat"), testing::languageFile(1));
  WatchingDesktop desktop;
  Editor editor{drive.platform(), desktop};
  TForm8& window = editor.Form8;
  desktop.window = &window;
  editor.app.tick(window.NewVesion, true);
  editor.app.changeText(window.Cesta, "C:\\Nowhere");
  desktop.answer({false});
  ASSERT_TRUE(editor.app.click(window.Uloz));
  // The refusal's message comes while the save runs.
  EXPECT_EQ(desktop.saveButtonShown, (std::vector<bool>{false}));
  EXPECT_TRUE(window.Uloz.visible());

  editor.app.changeText(window.Cesta, "");
  ASSERT_TRUE(editor.app.click(window.Uloz));
  EXPECT_EQ(desktop.saveButtonShown, (std::vector<bool>{false, false}));
  EXPECT_EQ(desktop.confirmations().size(), 1u);
  EXPECT_TRUE(editor.app.terminated());
}

}  // namespace
}  // namespace tavi::editor
