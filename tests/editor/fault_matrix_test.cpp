// Every place of the editor that writes settings, against the faults a practice meets: each
// error names the file and the cause in words, nothing outside what the action may write is
// touched, nothing is left half written, and the editor keeps running or ends as it should.
#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <ostream>
#include <regex>
#include <string>
#include <vector>

#include "editor/global_settings_window.h"
#include "editor/language_window.h"
#include "editor/main_window/main_window.h"
#include "editor/own_preparations_window.h"
#include "editor/product_window.h"
#include "main_window_load_save_support.h"

namespace tavi::editor {
namespace {

using testing::byteFile;
using testing::EditorSession;
using testing::languageFile;
using testing::settingsFile;
using Texts = std::vector<std::string>;

// Relative to the drive's root, as TestDrive::contents() names them.
const Texts kFirstSaveSteps = {"KivTanOr5/datFontScale.dat", "KivTanOr5/datZoomWin.dat",
                               "KivTanOr5/datLimit.dat",     "KivTanOr5/datDavkaSum.dat",
                               "KivTanOr5/datPricisC.dat",   "KivTanOr5/datPlusRife.dat",
                               "KivTanOr5/COM_Nr.dat"};
const Texts kAnySetting = {"KivTanOr5/*"};

// A practice's settings folder, as the suite leaves it after some use.
void practiceDrive(const tavi::testing::TestDrive& drive) {
  drive.write(settingsFile("dLangv.dat"), languageFile(1));
  drive.write(settingsFile("datLimit.dat"), byteFile(85));
  drive.write(settingsFile("datC.dat"), byteFile(60));
  drive.write(settingsFile("COM_Nr.dat"), "3\r\n");
  drive.write(settingsFile("0cestaEx.txt"), "C:\\TaviTherapy\\\r\n");
  drive.write(settingsFile("0cestaDBZ.txt"), "C:\\TaviDB\\\r\n");
  drive.write(settingsFile("datJOA.dat"), "");
  drive.write(settingsFile("Preparat.txt"), "Heřmánek\r\nMáta\r\n");
  drive.write(settingsFile("GlobalSetting.dll"), "Praxe\r\n\r\n\r\n1\r\n0\r\n0\r\n0\r\n\r\n\r\n");
  drive.write(settingsFile("AdresaAkt.txt"), "C:\\TaviDB\\\r\n");
  drive.write(R"(C:\KivTanOr5\PrepSwich\DopButt211.dat)", "");
  drive.write(R"(C:\KivTanOr5\PicWlud\Tavi Therapy DE.pdf)", "manual");
  drive.makeFolder(R"(C:\TaviTherapy)");
  drive.makeFolder(R"(C:\TaviDB)");
  // The program's current folder exists, as it always does: an empty folder name means it.
  drive.write("readme.txt", "");
}

struct Fault {
  const char* name;
  unsigned codePage = 1250;
  // Applied to the practice's drive before the editor starts.
  std::function<void(const tavi::testing::TestDrive&)> fault = {};
  // What the person does once the editor runs.
  std::function<void(EditorSession&)> act = {};
  // Files that may change ("KivTanOr5/*": any file directly in the settings folder).
  Texts mayChange = {};
  // One text per error box expected, each a part of it.
  Texts errors = {};
  // One text per plain message expected, each a part of it.
  Texts messages = {};
  bool ends = false;
  std::function<void(EditorSession&)> check = {};
  bool noDesktop = false;
  std::function<bool(std::string_view)> writeFailsHalfway = {};
};

// Names the row in a failure instead of dumping its bytes.
[[maybe_unused]] void PrintTo(const Fault& fault, std::ostream* out) {
  *out << fault.name;
}

bool mayChange(const Texts& allowed, const std::string& path) {
  for (const std::string& pattern : allowed) {
    if (pattern == path) return true;
    if (pattern.ends_with("/*")) {
      const std::string folder = pattern.substr(0, pattern.size() - 1);
      if (path.starts_with(folder) && path.find('/', folder.size()) == std::string::npos) {
        return true;
      }
    }
  }
  return false;
}

void startEnglishSave(EditorSession& session) {
  session.editor().app.click(session.editor().Form8.Uloz);
}

void typeServiceCode(EditorSession& session, const char* code) {
  Editor& editor = session.editor();
  editor.app.changeText(editor.Form8.COM_Nr, code);
  editor.app.keyDown(editor.Form8.COM_Nr, forms::Key::Enter);
  editor.app.click(editor.Form8.ResetAll);
}

void chooseGerman(EditorSession& session) {
  Editor& editor = session.editor();
  editor.app.click(editor.Form8.Image1);
  editor.app.choose(editor.Form9.Language, 2);
  editor.app.click(editor.Form9.OK);
}

std::function<void(EditorSession&)> saveOwnPreparations(std::string text) {
  return [text](EditorSession& session) {
    Editor& editor = session.editor();
    editor.app.click(editor.Form8.MePreparat);
    editor.app.changeText(editor.Form25.MemoNONE, text);
    editor.app.click(editor.Form25.Uloz);
  };
}

std::function<void(EditorSession&)> selectNuSkinProduct(catalogue::ProductIndex product) {
  return [product](EditorSession& session) {
    Editor& editor = session.editor();
    editor.app.click(editor.Form8.NuSkin);
    editor.app.tick(editor.Form30.product(product), true);
    editor.app.click(editor.Form30.Uloz);
  };
}

std::function<bool(std::string_view)> failingWrite(std::string path) {
  return [path](std::string_view written) { return written == path; };
}

std::vector<Fault> faults() {
  const std::string language = settingsFile("dLangv.dat");
  return {
      // ---- The main window: load, then save ----
      // Without a language read, the editor speaks Czech.
      {.name = "empty language file: the load stops, the save is refused",
       .fault = [](const auto& drive) { drive.write(settingsFile("dLangv.dat"), ""); },
       .act = startEnglishSave,
       .errors = {"Nelze přečíst C:\\KivTanOr5\\dLangv.dat: soubor je prázdný",
                  "Nelze přečíst C:\\KivTanOr5\\dLangv.dat: soubor je prázdný\n\nNic nebylo "
                  "uloženo"}},
      {.name = "short language file: the load stops, the save is refused",
       .fault = [](const auto& drive) { drive.write(settingsFile("dLangv.dat"), "\x01\x00"); },
       .act = startEnglishSave,
       .errors = {"Nelze přečíst C:\\KivTanOr5\\dLangv.dat: soubor je příliš krátký",
                  "příliš krátký\n\nNic nebylo uloženo"}},
      {.name = "empty byte file: the load stops, the save is refused",
       .fault = [](const auto& drive) { drive.write(settingsFile("datLimit.dat"), ""); },
       .act = startEnglishSave,
       .errors = {"Cannot read C:\\KivTanOr5\\datLimit.dat: the file is empty",
                  "datLimit.dat: the file is empty\n\nNothing was saved"}},
      {.name = "a folder where a settings file is expected",
       .fault =
           [](const auto& drive) {
             drive.remove(settingsFile("datLimit.dat"));
             drive.makeFolder(settingsFile("datLimit.dat"));
           },
       .act = startEnglishSave,
       .mayChange = {"KivTanOr5/datFontScale.dat", "KivTanOr5/datZoomWin.dat"},
       .errors = {"Cannot write C:\\KivTanOr5\\datLimit.dat: it is a folder, not a file"}},
      {.name = "overlong files read as their first record and are saved as one",
       .fault =
           [](const auto& drive) {
             drive.write(settingsFile("dLangv.dat"), languageFile(1) + "tail");
             drive.write(settingsFile("datLimit.dat"), byteFile(90) + "tail");
           },
       .act = startEnglishSave,
       .mayChange = kAnySetting,
       .ends = true,
       .check =
           [](EditorSession& session) {
             EXPECT_EQ(session.drive.read(settingsFile("datLimit.dat")), byteFile(90));
           }},
      {.name = "settings folder missing: the save stops at its first write",
       .fault = [](const auto& drive) { drive.remove(R"(C:\KivTanOr5)"); },
       .act = startEnglishSave,
       .errors = {"Nelze zapsat C:\\KivTanOr5\\datFontScale.dat: složka neexistuje"}},
      {.name = "a read-only settings file stops the save there",
       .fault = [](const auto& drive) { drive.setReadOnly(settingsFile("datLimit.dat")); },
       .act = startEnglishSave,
       .mayChange = {"KivTanOr5/datFontScale.dat", "KivTanOr5/datZoomWin.dat"},
       .errors = {"Cannot write C:\\KivTanOr5\\datLimit.dat: access is denied"}},
      {.name = "a full disk while the output folder is written",
       .act = startEnglishSave,
       .mayChange = kFirstSaveSteps,
       .errors = {"Cannot write C:\\KivTanOr5\\0cestaEx.txt: the disk is full"},
       .writeFailsHalfway = failingWrite(settingsFile("0cestaEx.txt"))},
      {.name = "an output folder of a backslash is refused",
       .act =
           [](EditorSession& session) {
             session.editor().app.changeText(session.editor().Form8.Cesta, "\\");
             startEnglishSave(session);
           },
       .mayChange = kFirstSaveSteps,
       .messages = {"DIR: The path you entered does not exist"},
       .check =
           [](EditorSession& session) {
             EXPECT_EQ(session.editor().Form8.Cesta.text(), "C:\\TaviTherapy\\");
           }},
      {.name = "an output folder of blanks is refused",
       .act =
           [](EditorSession& session) {
             session.editor().app.changeText(session.editor().Form8.Cesta, "   ");
             startEnglishSave(session);
           },
       .mayChange = kFirstSaveSteps,
       .messages = {"DIR: The path you entered does not exist"}},
      {.name = "a database folder of a backslash is refused",
       .act =
           [](EditorSession& session) {
             TForm8& window = session.editor().Form8;
             session.editor().app.click(window.BtDBZ);
             session.editor().app.changeText(window.CestaDBZ, "\\");
             startEnglishSave(session);
           },
       .mayChange = kAnySetting,
       .messages = {"DBZ: The path you entered does not exist"},
       .check =
           [](EditorSession& session) {
             EXPECT_EQ(session.drive.read(settingsFile("0cestaDBZ.txt")), "C:\\TaviDB\\\r\n");
             EXPECT_EQ(session.editor().Form8.CestaDBZ.text(), "C:\\TaviDB\\");
           }},
      {.name = "an output folder the code page cannot hold is refused",
       .codePage = 1252,
       .fault = [](const auto& drive) { drive.makeFolder("C:\\Данные"); },
       .act =
           [](EditorSession& session) {
             session.editor().app.changeText(session.editor().Form8.Cesta, "C:\\Данные");
             startEnglishSave(session);
           },
       .mayChange = kFirstSaveSteps,
       .messages = {"DIR: The folder C:\\Данные\\ cannot be stored: the settings' code page "
                    "1252 has no Д, а, н, ы, е."},
       .check =
           [](EditorSession& session) {
             EXPECT_EQ(session.editor().Form8.Cesta.text(), "C:\\TaviTherapy\\");
           }},

      // ---- The selection windows ----
      {.name = "a selection window whose fill stopped does not save",
       .act =
           [](EditorSession& session) {
             Editor& editor = session.editor();
             session.drive.write(settingsFile("dLangv.dat"), "");
             editor.app.click(editor.Form8.NuSkin);
             editor.app.click(editor.Form30.Uloz);
             editor.app.click(editor.Form8.NuSkinAll);
           },
       .mayChange = {"KivTanOr5/dLangv.dat"},
       .errors = {"Cannot read C:\\KivTanOr5\\dLangv.dat: the file is empty",
                  "dLangv.dat: the file is empty\n\nNothing was saved",
                  "Cannot read C:\\KivTanOr5\\dLangv.dat: the file is empty"},
       .check = [](EditorSession& session) { EXPECT_TRUE(session.editor().Form30.visible()); }},
      {.name = "the main window's mark-all is refused after a failed load",
       .fault = [](const auto& drive) { drive.write(settingsFile("datLimit.dat"), ""); },
       .act =
           [](EditorSession& session) {
             session.editor().app.click(session.editor().Form8.NuSkinAll);
           },
       .errors = {"datLimit.dat: the file is empty",
                  "datLimit.dat: the file is empty\n\nNothing was saved"}},
      {.name = "a file where the product folder is expected",
       .fault =
           [](const auto& drive) {
             drive.remove(R"(C:\KivTanOr5\PrepSwich)");
             drive.write(R"(C:\KivTanOr5\PrepSwich)", "in the way");
           },
       .act = selectNuSkinProduct(211),
       .errors = {"Cannot write C:\\KivTanOr5\\PrepSwich\\DopButt211.dat: the folder does not "
                  "exist"}},
      {.name = "a full disk while a product is selected",
       .act = selectNuSkinProduct(212),
       .errors = {"Cannot write C:\\KivTanOr5\\PrepSwich\\DopButt212.dat: the disk is full"},
       .writeFailsHalfway = failingWrite(R"(C:\KivTanOr5\PrepSwich\DopButt212.dat)")},

      // ---- Own preparations ----
      {.name = "own preparations whose fill stopped do not save",
       .act =
           [](EditorSession& session) {
             Editor& editor = session.editor();
             session.drive.write(settingsFile("dLangv.dat"), "");
             editor.app.click(editor.Form8.MePreparat);
             editor.app.changeText(editor.Form25.MemoNONE, "Nové\r\n");
             editor.app.click(editor.Form25.Uloz);
           },
       .mayChange = {"KivTanOr5/dLangv.dat"},
       .errors = {"Cannot read C:\\KivTanOr5\\dLangv.dat: the file is empty",
                  "dLangv.dat: the file is empty\n\nNothing was saved"}},
      {.name = "a read-only own-preparations list",
       .fault = [](const auto& drive) { drive.setReadOnly(settingsFile("Preparat.txt")); },
       .act = saveOwnPreparations("Nové\r\n"),
       .errors = {"Cannot write C:\\KivTanOr5\\Preparat.txt: access is denied"}},
      {.name = "own preparations the code page cannot hold are refused",
       .codePage = 1252,
       .fault = [](const auto& drive) { drive.write(settingsFile("Preparat.txt"), "Minze\r\n"); },
       .act = saveOwnPreparations("Minze\r\nČaj\r\n"),
       .messages = {"The list cannot be stored: the settings' code page 1252 has no Č."},
       .check = [](EditorSession& session) { EXPECT_TRUE(session.editor().Form25.visible()); }},
      {.name = "a full disk while the own preparations are written",
       .act = saveOwnPreparations("Heřmánek\r\nMáta\r\nŠalvěj\r\n"),
       .errors = {"Cannot write C:\\KivTanOr5\\Preparat.txt: the disk is full"},
       .writeFailsHalfway = failingWrite(settingsFile("Preparat.txt"))},

      // ---- Global settings, in its three modes ----
      {.name = "group hiding into a read-only file",
       .fault =
           [](const auto& drive) {
             drive.write(settingsFile("GlobalSetPrep.dll"), "0\r\n");
             drive.setReadOnly(settingsFile("GlobalSetPrep.dll"));
           },
       .act =
           [](EditorSession& session) {
             typeServiceCode(session, "4815");
             session.editor().app.click(session.editor().Form27.Uloz);
           },
       .errors = {"Cannot write C:\\KivTanOr5\\GlobalSetPrep.dll: access is denied"}},
      {.name = "window texts the code page cannot hold are refused",
       .codePage = 1252,
       .act =
           [](EditorSession& session) {
             Editor& editor = session.editor();
             typeServiceCode(session, "3702");
             editor.app.changeText(editor.Form27.NameWindow, "Praxis Tōkyō");
             editor.app.click(editor.Form27.Uloz);
           },
       .messages = {"The texts cannot be stored: the settings' code page 1252 has no ō."}},
      {.name = "colours with the settings folder gone",
       .act =
           [](EditorSession& session) {
             session.drive.remove(R"(C:\KivTanOr5)");
             typeServiceCode(session, "5146");
             session.editor().app.click(session.editor().Form27.Uloz);
           },
       .mayChange = {"KivTanOr5/", "KivTanOr5/*", "KivTanOr5/PrepSwich/", "KivTanOr5/PicWlud/",
                     "KivTanOr5/PrepSwich/DopButt211.dat", "KivTanOr5/PicWlud/Tavi Therapy DE.pdf"},
       .errors = {"Cannot write C:\\KivTanOr5\\GlobalSetting.dll: the folder does not exist"}},
      {.name = "a full disk while the window texts are written",
       .act =
           [](EditorSession& session) {
             Editor& editor = session.editor();
             typeServiceCode(session, "3702");
             editor.app.changeText(editor.Form27.NameWindow, "Praxe Nová");
             editor.app.click(editor.Form27.Uloz);
           },
       .errors = {"Cannot write C:\\KivTanOr5\\GlobalSetting.dll: the disk is full"},
       .writeFailsHalfway = failingWrite(settingsFile("GlobalSetting.dll"))},

      // ---- The language window ----
      {.name = "a read-only language file",
       .fault = [](const auto& drive) { drive.setReadOnly(settingsFile("dLangv.dat")); },
       .act = chooseGerman,
       .errors = {"Cannot write C:\\KivTanOr5\\dLangv.dat: access is denied"}},
      {.name = "a full disk while the language is stored",
       .act = chooseGerman,
       .errors = {"Cannot write C:\\KivTanOr5\\dLangv.dat: the disk is full"},
       .writeFailsHalfway = failingWrite(language)},

      {.name = "no desktop folder for the manual",
       .act = chooseGerman,
       .mayChange = {"KivTanOr5/dLangv.dat"},
       .errors = {"Not foud Path."},
       .check =
           [](EditorSession& session) {
             EXPECT_EQ(session.drive.read(settingsFile("dLangv.dat")), languageFile(2));
           },
       .noDesktop = true},

      // ---- Service codes ----
      {.name = "a stored port that is itself a code runs no second function",
       .fault = [](const auto& drive) { drive.write(settingsFile("COM_Nr.dat"), "8059\r\n"); },
       .act = [](EditorSession& session) { typeServiceCode(session, "5146"); },
       .check =
           [](EditorSession& session) {
             EXPECT_TRUE(session.editor().Form27.visible());
             EXPECT_TRUE(session.desktop.confirmations().empty());
             EXPECT_EQ(session.editor().Form8.COM_Nr.text(), "8059");
           }},
      {.name = "a system reset with a read-only data file",
       .fault = [](const auto& drive) { drive.setReadOnly(settingsFile("AdresaAkt.txt")); },
       .act =
           [](EditorSession& session) {
             session.desktop.answer({true});
             typeServiceCode(session, "8059");
           },
       .ends = true},
  };
}

class FaultMatrix : public ::testing::TestWithParam<Fault> {};

TEST_P(FaultMatrix, NothingIsLostAndTheErrorSaysWhatAndWhy) {
  const Fault& fault = GetParam();
  tavi::testing::TestDriveOptions options;
  options.codePage = fault.codePage;
  options.writeFailsHalfway = fault.writeFailsHalfway;
  if (fault.noDesktop) options.desktopFolder.clear();
  EditorSession session(options);
  practiceDrive(session.drive);
  if (fault.fault) fault.fault(session.drive);
  const auto before = session.drive.contents();

  session.start();
  if (fault.act) fault.act(session);

  const Texts errors = session.desktop.errors();
  ASSERT_EQ(errors.size(), fault.errors.size()) << ::testing::PrintToString(errors);
  for (std::size_t i = 0; i < errors.size(); ++i) {
    EXPECT_NE(errors[i].find(fault.errors[i]), std::string::npos) << errors[i];
    // A cause in words, never a bare number.
    EXPECT_FALSE(std::regex_search(errors[i], std::regex(R"(error \d+|: \d+$)"))) << errors[i];
  }
  const Texts messages = session.desktop.messages();
  ASSERT_EQ(messages.size(), fault.messages.size()) << ::testing::PrintToString(messages);
  for (std::size_t i = 0; i < messages.size(); ++i)
    EXPECT_NE(messages[i].find(fault.messages[i]), std::string::npos) << messages[i];

  const auto after = session.drive.contents();
  for (const auto& [path, bytes] : before) {
    const auto now = after.find(path);
    if (now == after.end() || now->second != bytes) {
      EXPECT_TRUE(mayChange(fault.mayChange, path)) << path << " changed";
    }
  }
  for (const auto& [path, bytes] : after) {
    EXPECT_EQ(path.find(".tmp"), std::string::npos) << path << " left behind";
    if (!before.contains(path)) {
      EXPECT_TRUE(mayChange(fault.mayChange, path)) << path << " created";
    }
  }
  EXPECT_EQ(session.editor().app.terminated(), fault.ends);
  if (fault.check) fault.check(session);
}

INSTANTIATE_TEST_SUITE_P(Places, FaultMatrix, ::testing::ValuesIn(faults()),
                         [](const ::testing::TestParamInfo<Fault>& row) {
                           std::string name;
                           for (const char c : std::string(row.param.name)) {
                             if (std::isalnum(static_cast<unsigned char>(c))) {
                               name += c;
                             } else if (!name.empty() && name.back() != '_') {
                               name += '_';
                             }
                           }
                           return name;
                         });

}  // namespace
}  // namespace tavi::editor
