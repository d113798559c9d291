#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "editor/language_window.h"
#include "editor/main_window/main_window.h"
#include "forms/color.h"
#include "main_window_options_test_support.h"
#include "texts/language.h"

namespace tavi::editor {
namespace {

using testing::driveContents;
using testing::EditorSession;
using testing::languageFileBytes;
using testing::startIn;
using Strings = std::vector<std::string>;

constexpr char kDesktop[] = R"(C:\Users\Tester\Desktop)";
constexpr char kCzechManual[] = R"(C:\KivTanOr5\Tavi Therapy.pdf)";
constexpr char kEnglishManual[] = R"(C:\KivTanOr5\Tavi Therapy EN.pdf)";
constexpr char kGermanManual[] = R"(C:\KivTanOr5\Tavi Therapy DE.pdf)";

// The manuals as the installer leaves them, each with bytes of its own.
void installManuals(const tavi::testing::TestDrive& drive) {
  drive.write(kCzechManual, "%PDF cs");
  drive.write(kEnglishManual, "%PDF en");
  drive.write(kGermanManual, "%PDF de");
}

// Manuals of an earlier choice lying on the desktop.
void putAllManualsOnDesktop(const tavi::testing::TestDrive& drive, const std::string& desktop) {
  for (const char* name : {"Tavi Therapy.pdf", "Tavi Therapy EN.pdf", "Tavi Therapy DE.pdf"}) {
    drive.write(desktop + "\\" + name, "old");
  }
}

tavi::testing::TestDriveOptions desktopAt(std::string folder) {
  tavi::testing::TestDriveOptions options;
  options.desktopFolder = std::move(folder);
  return options;
}

// Opens the window from the flags and chooses a language.
void choose(Editor& editor, int item) {
  editor.app.click(editor.Form8.Image1);
  editor.app.choose(editor.Form9.Language, item);
}

TEST(LanguageWindow, IsColouredForTheTheme) {
  for (const bool dark : {false, true}) {
    SCOPED_TRACE(dark ? "dark" : "light");
    EditorSession session;
    if (dark) session.drive.write(R"(C:\KivTanOr5\DarkColor.dat)", "");
    TForm9& window = startIn(session, texts::kEnglish).Form9;
    const forms::Color expected =
        dark ? forms::Color::grayText() : forms::Color::rgb(138, 197, 255);
    EXPECT_EQ(window.color(), expected);
    EXPECT_EQ(window.Language.color(), expected);
    EXPECT_EQ(window.Language.itemIndex(), -1);
    EXPECT_EQ(window.caption(), "");
    EXPECT_FALSE(window.visible());
    EXPECT_GE(window.centreRequests(), 1U);
  }
}

TEST(LanguageWindow, TheIconFollowsTheMarkerFiles) {
  constexpr char kVvMarker[] = R"(C:\KivTanOr5\VVlud.DLL)";
  constexpr char kVvIcon[] = R"(C:\WinLUD\Tavi TherapyVV.ico)";
  constexpr char kSorbelMarker[] = R"(C:\KivTanOr5\VtrLUDopen.DLL)";
  constexpr char kSorbelIcon[] = R"(C:\WinLUD\Tavi Sorbel.ico)";
  struct Case {
    std::vector<const char*> files;
    std::string icon;
  };
  const Case cases[] = {
      {{}, ""},
      {{kVvMarker}, ""},
      {{kVvIcon, kSorbelIcon}, ""},
      {{kVvMarker, kVvIcon}, kVvIcon},
      {{kSorbelMarker, kSorbelIcon}, kSorbelIcon},
      {{kVvMarker, kVvIcon, kSorbelMarker}, kVvIcon},
      {{kVvMarker, kVvIcon, kSorbelMarker, kSorbelIcon}, kSorbelIcon},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.icon.empty() ? "program icon" : c.icon);
    EditorSession session;
    for (const char* file : c.files)
      session.drive.write(file, "");
    EXPECT_EQ(startIn(session, texts::kEnglish).Form9.iconFile(), c.icon);
  }
}

TEST(LanguageWindow, OkPutsTheManualOfTheChosenLanguageAloneOnTheDesktopAndEnds) {
  struct Case {
    int item;
    const char* manual;
    const char* source;
  };
  const Case cases[] = {
      {0, "Tavi Therapy.pdf", kCzechManual},      {1, "Tavi Therapy EN.pdf", kEnglishManual},
      {2, "Tavi Therapy DE.pdf", kGermanManual},  {3, "Tavi Therapy EN.pdf", kEnglishManual},
      {4, "Tavi Therapy EN.pdf", kEnglishManual},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.item);
    EditorSession session;
    installManuals(session.drive);
    putAllManualsOnDesktop(session.drive, kDesktop);
    session.drive.write(R"(C:\Users\Tester\Desktop\notes.txt)", "mine");
    // English is in force; choosing it again still rewrites everything.
    Editor& editor = startIn(session, texts::kEnglish);
    const std::string stored = session.drive.read(texts::kLanguageFile);

    choose(editor, c.item);
    ASSERT_TRUE(editor.app.click(editor.Form9.OK));

    EXPECT_EQ(session.drive.read(texts::kLanguageFile), languageFileBytes(c.item));
    EXPECT_EQ(session.drive.filesIn(kDesktop), (Strings{c.manual, "notes.txt"}));
    EXPECT_EQ(session.drive.read(std::string(kDesktop) + "\\" + c.manual),
              session.drive.read(c.source));
    EXPECT_TRUE(editor.app.terminated());
    EXPECT_TRUE(session.desktop.requests().empty());
    // The running program keeps its language; the file speaks for the next start.
    EXPECT_EQ(editor.windows.Languagem, texts::kEnglish);
    EXPECT_EQ(stored, languageFileBytes(texts::kEnglish));
  }
}

TEST(LanguageWindow, OkWithoutAChoiceOnlyClosesTheWindow) {
  EditorSession session;
  installManuals(session.drive);
  Editor& editor = startIn(session, texts::kEnglish);
  const auto before = driveContents(session.drive);
  editor.app.click(editor.Form8.Image1);
  ASSERT_TRUE(editor.app.click(editor.Form9.OK));
  EXPECT_FALSE(editor.Form9.visible());
  EXPECT_FALSE(editor.app.terminated());
  EXPECT_EQ(driveContents(session.drive), before);
}

TEST(LanguageWindow, XClosesWithoutWritingAndTheChoiceStays) {
  EditorSession session;
  installManuals(session.drive);
  Editor& editor = startIn(session, texts::kEnglish);
  const auto before = driveContents(session.drive);
  choose(editor, 2);
  ASSERT_TRUE(editor.app.click(editor.Form9.X));
  EXPECT_FALSE(editor.Form9.visible());
  EXPECT_EQ(driveContents(session.drive), before);

  editor.app.click(editor.Form8.Image1);
  EXPECT_EQ(editor.Form9.Language.itemIndex(), 2);
  editor.app.closeWindow(editor.Form9);
  EXPECT_FALSE(editor.Form9.visible());
  EXPECT_FALSE(editor.app.terminated());
  EXPECT_EQ(driveContents(session.drive), before);
}

TEST(LanguageWindow, WithoutADesktopTheLanguageIsStoredAndTheEditorStaysOpen) {
  EditorSession session{desktopAt("")};
  installManuals(session.drive);
  Editor& editor = startIn(session, texts::kEnglish);
  auto expected = driveContents(session.drive);
  expected[testing::driveEntry(session.drive, texts::kLanguageFile)] =
      languageFileBytes(texts::kRussian);

  choose(editor, 4);
  editor.app.click(editor.Form9.OK);

  EXPECT_EQ(session.desktop.errors(), Strings{"Not foud Path."});
  EXPECT_EQ(driveContents(session.drive), expected);
  EXPECT_FALSE(editor.app.terminated());
  EXPECT_TRUE(editor.Form9.visible());
}

TEST(LanguageWindow, ADesktopFolderThatIsGoneIsNotCreated) {
  EditorSession session;
  installManuals(session.drive);
  Editor& editor = startIn(session, texts::kEnglish);
  session.drive.remove(kDesktop);
  auto expected = driveContents(session.drive);
  expected[testing::driveEntry(session.drive, texts::kLanguageFile)] =
      languageFileBytes(texts::kGerman);

  choose(editor, 2);
  editor.app.click(editor.Form9.OK);

  EXPECT_EQ(driveContents(session.drive), expected);
  EXPECT_TRUE(editor.app.terminated());
  EXPECT_TRUE(session.desktop.requests().empty());
}

TEST(LanguageWindow, AMissingManualStillClearsTheDesktopAndEnds) {
  EditorSession session;
  session.drive.write(kEnglishManual, "%PDF en");  // no German manual installed
  putAllManualsOnDesktop(session.drive, kDesktop);
  Editor& editor = startIn(session, texts::kEnglish);
  choose(editor, 2);
  editor.app.click(editor.Form9.OK);
  EXPECT_TRUE(session.drive.filesIn(kDesktop).empty());
  EXPECT_EQ(session.drive.read(texts::kLanguageFile), languageFileBytes(texts::kGerman));
  EXPECT_TRUE(editor.app.terminated());
  EXPECT_TRUE(session.desktop.requests().empty());
}

TEST(LanguageWindow, ADesktopGivenWithATrailingBackslashGetsNoSecondOne) {
  EditorSession session{desktopAt(R"(C:\Users\Tester\Desktop\)")};
  installManuals(session.drive);
  Editor& editor = startIn(session, texts::kEnglish);
  choose(editor, 0);
  editor.app.click(editor.Form9.OK);
  EXPECT_EQ(session.drive.filesIn(kDesktop), Strings{"Tavi Therapy.pdf"});
  EXPECT_TRUE(editor.app.terminated());
}

TEST(LanguageWindow, ALanguageFileThatCannotBeWrittenChangesNothingElse) {
  EditorSession session;
  installManuals(session.drive);
  putAllManualsOnDesktop(session.drive, kDesktop);
  Editor& editor = startIn(session, texts::kEnglish);
  session.drive.setReadOnly(texts::kLanguageFile);
  const auto before = driveContents(session.drive);

  choose(editor, 0);
  editor.app.click(editor.Form9.OK);

  ASSERT_EQ(session.desktop.errors().size(), 1U);
  EXPECT_NE(session.desktop.errors()[0].find(texts::kLanguageFile), std::string::npos);
  EXPECT_EQ(driveContents(session.drive), before);
  EXPECT_FALSE(editor.app.terminated());
  session.drive.setReadOnly(texts::kLanguageFile, false);
}

// A click on the flags leaves a half-typed port alone; Tab to them checks it as leaving the
// field always does, and Space or Enter then opens the window.
TEST(LanguageWindow, TheFlagsOpenItByClickOrFromTheKeyboard) {
  {
    EditorSession session;
    Editor& editor = startIn(session, texts::kEnglish);
    editor.app.changeText(editor.Form8.COM_Nr, "0");
    editor.app.click(editor.Form8.Image1);
    EXPECT_TRUE(editor.Form9.visible());
    EXPECT_TRUE(session.desktop.messages().empty());
    EXPECT_EQ(editor.Form8.focused(), &editor.Form8.COM_Nr);
  }
  for (const forms::Key key : {forms::Key::Space, forms::Key::Enter}) {
    EditorSession session;
    Editor& editor = startIn(session, texts::kEnglish);
    editor.app.changeText(editor.Form8.COM_Nr, "0");
    EXPECT_TRUE(editor.app.focus(editor.Form8.Image1));
    EXPECT_EQ(session.desktop.messages(), Strings{"Attention: wrong COM Port!"});
    EXPECT_EQ(editor.Form8.focused(), &editor.Form8.COM_Nr);
    editor.app.changeText(editor.Form8.COM_Nr, "7");
    EXPECT_TRUE(editor.app.focus(editor.Form8.Image1));
    EXPECT_EQ(editor.Form8.focused(), &editor.Form8.Image1);
    EXPECT_FALSE(editor.Form9.visible());
    editor.app.keyDown(editor.Form8.Image1, key);
    EXPECT_TRUE(editor.Form9.visible());
  }
}

}  // namespace
}  // namespace tavi::editor
