#include <gtest/gtest.h>

#include <map>
#include <optional>
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

// A save stopped at any step of any file: each setting has its old bytes or its new ones,
// never a part, and none is ever missing.
TEST(EditorSessionEndToEnd, ASaveStoppedAtAnyStepLeavesEverySettingOldOrNew) {
  struct Seen {
    std::string path;
    platform::WriteStep step;
    std::optional<std::string> bytes;
  };
  std::vector<Seen> seen;
  const tavi::testing::TestDrive* watched = nullptr;
  tavi::testing::TestDriveOptions options;
  options.atWriteStep = [&](std::string_view path, platform::WriteStep step) {
    const std::string written(path);
    seen.push_back(
        {written, step,
         watched->exists(written) ? std::optional(watched->read(written)) : std::nullopt});
  };
  EditorSession session(options);
  watched = &session.drive;
  tavi::testing::TestDrive& drive = session.drive;
  drive.write(settingsFile("dLangv.dat"), testing::languageFile(1));
  drive.write(settingsFile("datFontScale.dat"), byteFile(10));
  drive.write(settingsFile("datLimit.dat"), byteFile(85));
  drive.write(settingsFile("COM_Nr.dat"), "3\r\n");
  std::map<std::string, std::string> before;
  for (const std::string& name : drive.filesIn(testing::kSettingsFolder))
    before[settingsFile(name)] = drive.read(settingsFile(name));

  Editor& editor = session.start();
  editor.app.scroll(editor.Form8.nastav_limit, 60);
  editor.app.changeText(editor.Form8.COM_Nr, "4");
  ASSERT_TRUE(editor.app.click(editor.Form8.Uloz));
  ASSERT_TRUE(session.desktop.errors().empty());

  ASSERT_FALSE(seen.empty());
  for (const Seen& at : seen) {
    SCOPED_TRACE(at.path + " at step " + std::to_string(static_cast<int>(at.step)));
    const std::optional<std::string> after =
        drive.exists(at.path) ? std::optional(drive.read(at.path)) : std::nullopt;
    if (at.step == platform::WriteStep::SwappedIn) {
      EXPECT_EQ(at.bytes, after);
    } else if (before.contains(at.path)) {
      EXPECT_EQ(at.bytes, before.at(at.path));
    } else {
      EXPECT_EQ(at.bytes, std::nullopt);
    }
  }
  EXPECT_NE(drive.read(settingsFile("datLimit.dat")), before.at(settingsFile("datLimit.dat")));
}

// What a stopped save left beside the settings goes when the editor starts; names that only
// look alike stay.
TEST(EditorSessionEndToEnd, TheStartRemovesWhatAStoppedSaveLeftAndNothingElse) {
  EditorSession session;
  tavi::testing::TestDrive& drive = session.drive;
  const Names leftOvers = {settingsFile("datFontScale.dat.tavi-1220683210.tmp"),
                           R"(C:\KivTanOr5\PrepSwich\DopButt211.dat.tavi-857875130.tmp)"};
  const Names lookAlikes = {settingsFile("x.tavi-12a.tmp"), settingsFile("x.tavi-.tmp"),
                            settingsFile("x.tmp"), settingsFile("x.tavi-12.tmp.bak"),
                            R"(C:\KivTanOr5\PrepSwich\DopButt211.dat.tavi-12a.tmp)"};
  for (const std::string& path : leftOvers)
    drive.write(path, "");
  for (const std::string& path : lookAlikes)
    drive.write(path, "kept");
  session.start();
  for (const std::string& path : leftOvers)
    EXPECT_FALSE(drive.exists(path)) << path;
  for (const std::string& path : lookAlikes)
    EXPECT_TRUE(drive.exists(path)) << path;
}

}  // namespace
}  // namespace tavi::editor
