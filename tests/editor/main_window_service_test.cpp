#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "editor/global_settings_window.h"
#include "editor/main_window/main_window.h"
#include "forms/scripted_desktop.h"
#include "main_window_options_test_support.h"
#include "texts/language.h"

namespace tavi::editor {
namespace {

using testing::driveContents;
using testing::driveEntry;
using testing::EditorSession;
using testing::enterPort;
using testing::kStoredPort;
using testing::startIn;
using Strings = std::vector<std::string>;
using Kind = forms::ScriptedDesktop::Kind;

constexpr char kResetQuestion[] =
    "Do you want to reset the system? The system will be fully weighed for about 3 days!";

constexpr std::array<const char*, 8> kResetFiles = {
    R"(C:\KivTanOr5\AdresaAkt.txt)",     R"(C:\KivTanOr5\AdresaAktNev.txt)",
    R"(C:\KivTanOr5\AdresaAktNevT.txt)", R"(C:\KivTanOr5\customer5.dat)",
    R"(C:\KivTanOr5\customer15.dat)",    R"(C:\KivTanOr5\DataHodAll.dat)",
    R"(C:\KivTanOr5\DataHodinovka.dat)", R"(C:\KivTanOr5\DataHodNow.dat)",
};

void layOutResetFiles(const tavi::testing::TestDrive& drive) {
  for (const char* file : kResetFiles)
    drive.write(file, std::string("data of ") + file);
}

// Types a code and confirms it with Enter, which leaves the focus in the field.
void typeCode(Editor& editor, const std::string& code) {
  editor.app.changeText(editor.Form8.COM_Nr, code);
  editor.app.keyDown(editor.Form8.COM_Nr, forms::Key::Enter);
}

TEST(ServiceCodes, EachWindowCodeOpensGlobalSettingsInItsModeWithThePortRestored) {
  struct Case {
    const char* code;
    bool groupBoxes;
    bool textRows;
  };
  const Case cases[] = {
      {"4815", true, false},
      {"3702", false, true},
      {"5146", false, false},
  };
  for (const Case& c : cases) {
    for (const bool portStored : {true, false}) {
      SCOPED_TRACE(std::string(c.code) + (portStored ? " with port 5" : " without a port"));
      EditorSession session;
      if (portStored) session.drive.write(kStoredPort, "5\r\n");
      Editor& editor = startIn(session, texts::kEnglish);
      const auto before = driveContents(session.drive);
      TForm8& window = editor.Form8;

      typeCode(editor, c.code);
      EXPECT_TRUE(window.ResetAll.visible());
      EXPECT_EQ(window.COM_Nr.text(), c.code);
      ASSERT_TRUE(editor.app.click(window.ResetAll));

      EXPECT_FALSE(window.ResetAll.visible());
      EXPECT_EQ(window.COM_Nr.text(), portStored ? "5" : "");
      EXPECT_TRUE(editor.Form27.visible());
      EXPECT_EQ(editor.Form27.PSettingpreparat.visible(), c.groupBoxes);
      // In group-hiding mode the panel covers the text rows, which keep their state.
      if (!c.groupBoxes) {
        EXPECT_EQ(editor.Form27.NameWindow.visible(), c.textRows);
      }
      EXPECT_FALSE(editor.app.terminated());
      EXPECT_TRUE(session.desktop.requests().empty());
      EXPECT_EQ(driveContents(session.drive), before);
      // A second click needs the code typed again.
      EXPECT_FALSE(editor.app.click(window.ResetAll));
    }
  }
}

TEST(ServiceCodes, OnlyTheExactCodeRevealsTheButton) {
  EditorSession session;
  Editor& editor = startIn(session, texts::kEnglish);
  TForm8& window = editor.Form8;
  for (const char* code : {"4815", "3702", "5146", "8059"}) {
    enterPort(editor, code);
    EXPECT_TRUE(window.ResetAll.visible()) << code;
    enterPort(editor, "");
    EXPECT_FALSE(window.ResetAll.visible()) << code;
  }
  EXPECT_TRUE(session.desktop.messages().empty());
  // Near misses are wrong ports.
  for (const char* text : {"48150", " 4815", "4815 ", "481", "８０５９"}) {
    session.desktop.clear();
    enterPort(editor, text);
    EXPECT_FALSE(window.ResetAll.visible()) << text;
    EXPECT_EQ(session.desktop.messages(), Strings{"Attention: wrong COM Port!"}) << text;
  }
}

TEST(ServiceCodes, ACodeChangedBeforeLeavingTheFieldHidesTheButtonAgain) {
  EditorSession session;
  Editor& editor = startIn(session, texts::kEnglish);
  TForm8& window = editor.Form8;
  typeCode(editor, "8059");
  ASSERT_TRUE(window.ResetAll.visible());
  editor.app.changeText(window.COM_Nr, "7");
  editor.app.focus(window.Cesta);
  EXPECT_FALSE(window.ResetAll.visible());
  EXPECT_FALSE(editor.app.click(window.ResetAll));
}

TEST(SystemReset, NoKeepsEveryFileAndPutsThePortBack) {
  for (const bool portStored : {true, false}) {
    SCOPED_TRACE(portStored ? "port 12 stored" : "no port stored");
    EditorSession session;
    layOutResetFiles(session.drive);
    if (portStored) session.drive.write(kStoredPort, "12\r\n");
    Editor& editor = startIn(session, texts::kEnglish);
    const auto before = driveContents(session.drive);
    session.desktop.answer({false});

    typeCode(editor, "8059");
    editor.app.click(editor.Form8.ResetAll);

    EXPECT_EQ(session.desktop.confirmations(), Strings{kResetQuestion});
    EXPECT_EQ(driveContents(session.drive), before);
    EXPECT_EQ(editor.Form8.COM_Nr.text(), portStored ? "12" : "");
    EXPECT_FALSE(editor.Form8.ResetAll.visible());
    EXPECT_FALSE(editor.app.terminated());
  }
}

TEST(SystemReset, YesDeletesTheEightFilesOnlyAndEndsTheProgram) {
  EditorSession session;
  layOutResetFiles(session.drive);
  session.drive.write(kStoredPort, "3\r\n");
  session.drive.write(R"(C:\KivTanOr5\datLimit.dat)", "\x50");
  session.drive.write(R"(C:\KivTanOr5\AdresaAktNevX.txt)", "kept");
  Editor& editor = startIn(session, texts::kEnglish);
  auto expected = driveContents(session.drive);
  for (const char* file : kResetFiles)
    ASSERT_EQ(expected.erase(driveEntry(session.drive, file)), 1U);
  session.desktop.answer({true});

  typeCode(editor, "8059");
  editor.app.click(editor.Form8.ResetAll);

  EXPECT_EQ(driveContents(session.drive), expected);
  EXPECT_TRUE(editor.app.terminated());
  std::vector<Kind> kinds;
  for (const auto& request : session.desktop.requests())
    kinds.push_back(request.kind);
  EXPECT_EQ(kinds, (std::vector<Kind>{Kind::Confirmation, Kind::ProcessMessages, Kind::Restore}));
}

TEST(SystemReset, YesWithNoneOfTheFilesPresentEndsWithoutAnotherWord) {
  EditorSession session;
  Editor& editor = startIn(session, texts::kEnglish);
  const auto before = driveContents(session.drive);
  session.desktop.answer({true});
  typeCode(editor, "8059");
  editor.app.click(editor.Form8.ResetAll);
  EXPECT_TRUE(editor.app.terminated());
  EXPECT_EQ(driveContents(session.drive), before);
  EXPECT_TRUE(session.desktop.messages().empty());
  EXPECT_TRUE(session.desktop.errors().empty());
}

TEST(SystemReset, TheQuestionIsInTheLanguageInForce) {
  EditorSession session;
  Editor& editor = startIn(session, texts::kCzech);
  typeCode(editor, "8059");
  editor.app.click(editor.Form8.ResetAll);
  EXPECT_EQ(session.desktop.confirmations(),
            Strings{"Chcete systém resetovat? Systém bude po dobu cca 3 dní zcela rozvážen!"});
}

TEST(ServiceCodes, ACodeLeftInTheFieldIsNeverSavedAsAPort) {
  EditorSession session;
  session.drive.write(kStoredPort, "4\r\n");
  Editor& editor = startIn(session, texts::kEnglish);
  editor.app.changeText(editor.Form8.COM_Nr, "4815");
  // Leaving the field for the save button checks it first; a code is no wrong port.
  ASSERT_TRUE(editor.app.click(editor.Form8.Uloz));
  EXPECT_TRUE(session.desktop.messages().empty());
  EXPECT_TRUE(editor.app.terminated());
  EXPECT_FALSE(session.drive.exists(kStoredPort));
  EXPECT_TRUE(session.drive.exists(R"(C:\KivTanOr5\datLimit.dat)"));
}

}  // namespace
}  // namespace tavi::editor
