#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "editor/main_window/main_window.h"
#include "editor/product_window.h"
#include "main_window_load_save_support.h"
#include "support/hex.h"

namespace tavi::editor {
namespace {

using testing::byteFile;
using testing::EditorSession;
using testing::settingsFile;
using Names = std::vector<std::string>;

constexpr char kElectrodeMessage[] = "Please hold the electrodes the whole time.";

// The settings folder as file name and bytes in hex.
std::map<std::string, std::string> settingsFolder(const tavi::testing::TestDrive& drive) {
  std::map<std::string, std::string> contents;
  for (const std::string& name : drive.filesIn(testing::kSettingsFolder))
    contents[name] = tavi::testing::hex(drive.read(settingsFile(name)));
  return contents;
}

// A practitioner's day: start, change settings, choose products, save; the next start shows
// what was saved, and closing then changes nothing.
TEST(EditorSessionEndToEnd, SettingsChangedAndSavedAreThoseOfTheNextStart) {
  EditorSession session;
  tavi::testing::TestDrive& drive = session.drive;
  drive.write(settingsFile("dLangv.dat"), testing::languageFile(1));
  drive.write(settingsFile("datLimit.dat"), byteFile(85));
  drive.write(settingsFile("datOpenLast.dat"), "");
  drive.write(settingsFile("datJOA.dat"), "");
  drive.makeFolder(R"(C:\TaviTherapy)");

  {
    Editor& editor = session.start();
    TForm8& window = editor.Form8;
    ASSERT_TRUE(session.desktop.requests().empty());
    ASSERT_TRUE(window.OpenLast.checked());
    ASSERT_EQ(window.nastav_limit.position(), 85);

    editor.app.scroll(window.nastav_citlivost, 80);
    editor.app.tick(window.DarkColor, true);
    editor.app.tick(window.OpenLast, false);
    editor.app.changeText(window.COM_Nr, "3");
    editor.app.changeText(window.Cesta, "C:\\TaviTherapy");
    editor.app.tick(window.Podadresar, true);
    editor.app.choose(window.Zpusob_mereni, 1);

    editor.app.click(window.NuSkin);
    for (catalogue::ProductIndex product : {211, 212, 213, 214})
      editor.app.tick(editor.Form30.product(product), true);
    editor.app.click(editor.Form30.Uloz);
    EXPECT_TRUE(window.ChNuSkinx.checked());

    ASSERT_TRUE(editor.app.click(window.Uloz));
    EXPECT_TRUE(editor.app.terminated());
    EXPECT_EQ(session.desktop.messages(), (Names{kElectrodeMessage}));
    EXPECT_TRUE(session.desktop.errors().empty());
  }

  const std::map<std::string, std::string> saved = {
      {"0cestaEx.txt", "43 3A 5C 54 61 76 69 54 68 65 72 61 70 79 5C 0D 0A"},
      {"0podadr.txt", ""},
      {"COM_Nr.dat", "33 0D 0A"},
      {"DarkColor.dat", ""},
      {"dLangv.dat", "01 00 00 00"},
      {"datC.dat", "50"},
      {"datDavkaSum.dat", "00"},
      {"datE.dat", ""},
      {"datFED.dat", ""},
      {"datFontScale.dat", "08"},
      {"datJOA.dat", ""},
      {"datLimit.dat", "55"},
      {"datVelB.dat", ""},
  };
  EXPECT_EQ(settingsFolder(drive), saved);
  EXPECT_EQ(drive.filesIn(R"(C:\KivTanOr5\PrepSwich)"),
            (Names{"DopButt211.dat", "DopButt212.dat", "DopButt213.dat", "DopButt214.dat"}));

  // The next start, on the same drive.
  forms::ScriptedDesktop desktop;
  Editor editor{drive.platform(), desktop};
  TForm8& window = editor.Form8;
  EXPECT_EQ(window.nastav_citlivost.position(), 80);
  EXPECT_EQ(window.nastav_limit.position(), 85);
  EXPECT_TRUE(window.DarkColor.checked());
  EXPECT_FALSE(window.OpenLast.checked());
  EXPECT_TRUE(window.Joalis.checked());
  EXPECT_TRUE(window.Podadresar.checked());
  EXPECT_EQ(window.COM_Nr.text(), "3");
  EXPECT_EQ(window.Cesta.text(), "C:\\TaviTherapy\\");
  EXPECT_EQ(window.Zpusob_mereni.itemIndex(), 1);
  EXPECT_FALSE(window.ChNuSkin.checked());
  EXPECT_TRUE(window.ChNuSkinx.checked());
  EXPECT_EQ(desktop.messages(), (Names{kElectrodeMessage}));

  ASSERT_TRUE(editor.app.click(window.Konec));
  EXPECT_TRUE(editor.app.terminated());
  EXPECT_EQ(settingsFolder(drive), saved);
}

}  // namespace
}  // namespace tavi::editor
