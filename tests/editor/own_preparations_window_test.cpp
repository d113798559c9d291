#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "editor/own_preparations_window.h"
#include "editor/window_set.h"
#include "forms/application.h"
#include "forms/scripted_desktop.h"
#include "support/test_drive.h"

namespace tavi::editor {
namespace {

using Texts = std::vector<std::string>;

constexpr char kList[] = R"(C:\KivTanOr5\Preparat.txt)";
constexpr char kLanguageFile[] = R"(C:\KivTanOr5\dLangv.dat)";

class OwnPreparationsTest : public ::testing::Test {
 protected:
  // What the main window's MePreparat button does.
  bool open() {
    return app.dispatch([&] {
      window.show();
      window.NastavClick();
    });
  }
  void setLanguage(int language) {
    drive.write(kLanguageFile, std::string{static_cast<char>(language), '\0', '\0', '\0'});
  }

  testing::TestDrive drive;  // code page 1250
  forms::ScriptedDesktop desktop;
  forms::Application app{desktop};
  WindowSet windows{drive.platform()};
  TForm25& window = app.create<TForm25>(windows);
};

TEST_F(OwnPreparationsTest, OpeningReplacesThePlaceholderWithTheListAndTheTexts) {
  EXPECT_EQ(windows.Form25, &window);
  EXPECT_EQ(window.MemoNONE.lines(), Texts{"SeznamprehledNONE"});
  EXPECT_EQ(window.color(), forms::Color::buttonFace());

  ASSERT_TRUE(open());
  EXPECT_TRUE(window.MemoNONE.lines().empty());
  EXPECT_EQ(window.caption(), "Přípravky vlastní");
  EXPECT_EQ(window.Uloz.caption(), "Uložit");
  EXPECT_GE(window.centreRequests(), 1u);

  setLanguage(2);
  drive.write(kList, "Kop\xF8iva\r\nM\xE1ta\r\n");
  window.MemoNONE.setText("not saved");
  ASSERT_TRUE(open());
  EXPECT_EQ(window.MemoNONE.text(), "Kop\xC5\x99iva\r\nMáta\r\n");
  EXPECT_EQ(window.caption(), "Eigene Preparations");
  EXPECT_EQ(window.Konec.caption(), "Ende");
}

TEST_F(OwnPreparationsTest, AValidListIsSavedAsTypedAndTheWindowCloses) {
  struct Case {
    const char* typed;
    std::string bytes;
  };
  const Case cases[] = {
      {"", ""},
      {"Kopřiva\r\nMáta", "Kop\xF8iva\r\nM\xE1ta"},
      {"máta\r\nMáta\r\nMÁTA", "m\xE1ta\r\nM\xE1ta\r\nM\xC1TA"},  // letter case counts
      {"  \r\n   \r\nMáta ", "  \r\n   \r\nM\xE1ta "},            // blanks are names too
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    ASSERT_TRUE(open());
    app.changeText(window.MemoNONE, c.typed);
    ASSERT_TRUE(app.click(window.Uloz));
    EXPECT_TRUE(desktop.messages().empty());
    EXPECT_FALSE(window.visible());
    EXPECT_EQ(drive.read(kList), c.bytes);
  }
}

TEST_F(OwnPreparationsTest, TheFileComesBackWithOrWithoutItsFinalLineBreak) {
  for (const std::string bytes : {"Alfa\r\nBeta\r\n", "Alfa\r\nBeta", "Alfa\r\n\xE8\x61j"}) {
    SCOPED_TRACE(bytes);
    drive.write(kList, bytes);
    ASSERT_TRUE(open());
    ASSERT_TRUE(app.click(window.Uloz));
    EXPECT_FALSE(window.visible());
    EXPECT_EQ(drive.read(kList), bytes);
  }
}

TEST_F(OwnPreparationsTest, ATypedFinalLineBreakIsSavedWithTheList) {
  ASSERT_TRUE(open());
  app.changeText(window.MemoNONE, "Alfa\nBeta\n");
  ASSERT_TRUE(app.click(window.Uloz));
  EXPECT_EQ(drive.read(kList), "Alfa\r\nBeta\r\n");
}

TEST_F(OwnPreparationsTest, EmptyOrRepeatedItemsAreRefusedWithOneMessage) {
  struct Case {
    int language;
    const char* typed;
    const char* message;
  };
  const Case cases[] = {
      {1, "Alfa\r\n\r\nBeta", "Please remove empty items."},
      {1, "Alfa\r\nBeta\r\nAlfa", "Please remove duplicates."},
      {1, "Alfa\r\n  \r\n  ", "Please remove duplicates."},
      {1, "Alfa\r\n\r\nAlfa", "Please remove empty items. Please remove duplicates."},
      {0, "Alfa\r\n\r\nAlfa",
       "Prosím, odstraňte prázdné položky. Prosím, odstraňte zdvojené položky."},
      {2, "\r\nAlfa", "Bitte entfernen Sie leere Positionen."},
      {7, "Alfa\r\nAlfa", "?????????"},
  };
  drive.write(kList, "kept\r\n");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    setLanguage(c.language);
    desktop.clear();
    ASSERT_TRUE(open());
    app.changeText(window.MemoNONE, c.typed);
    const std::string typed = window.MemoNONE.text();
    ASSERT_TRUE(app.click(window.Uloz));
    EXPECT_EQ(desktop.messages(), Texts{c.message});
    EXPECT_TRUE(window.visible());
    EXPECT_EQ(window.MemoNONE.text(), typed);
    EXPECT_EQ(drive.read(kList), "kept\r\n");
  }
}

TEST_F(OwnPreparationsTest, AFileWithAByteOrderMarkIsWrittenBackInItsEncoding) {
  struct Case {
    const char* encoding;
    std::string before;
    std::string after;  // after the user added a line "Čaj"
  };
  const Case cases[] = {
      {"UTF-16 LE",
       std::string("\xFF\xFE"
                   "A\0"
                   "\x01\x01"
                   "\r\0\n\0"
                   "\x3D\xD8\x00\xDE",
                   14),
       std::string("\xFF\xFE"
                   "A\0"
                   "\x01\x01"
                   "\r\0\n\0"
                   "\x3D\xD8\x00\xDE"
                   "\r\0\n\0"
                   "\x0C\x01"
                   "a\0"
                   "j\0",
                   24)},
      {"UTF-16 BE",
       std::string("\xFE\xFF"
                   "\0A"
                   "\x01\x01"
                   "\0\r\0\n"
                   "\xD8\x3D\xDE\x00",
                   14),
       std::string("\xFE\xFF"
                   "\0A"
                   "\x01\x01"
                   "\0\r\0\n"
                   "\xD8\x3D\xDE\x00"
                   "\0\r\0\n"
                   "\x01\x0C"
                   "\0a"
                   "\0j",
                   24)},
      {"UTF-8",
       "\xEF\xBB\xBF"
       "A\xC4\x81\r\n\xF0\x9F\x98\x80",
       "\xEF\xBB\xBF"
       "A\xC4\x81\r\n\xF0\x9F\x98\x80\r\n\xC4\x8C"
       "aj"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.encoding);
    drive.write(kList, c.before);
    ASSERT_TRUE(open());
    EXPECT_EQ(window.MemoNONE.lines(), (Texts{"A\xC4\x81", "\xF0\x9F\x98\x80"}));
    ASSERT_TRUE(app.click(window.Uloz));
    EXPECT_EQ(drive.read(kList), c.before);

    ASSERT_TRUE(open());
    app.changeText(window.MemoNONE, window.MemoNONE.text() + "\r\nČaj");
    ASSERT_TRUE(app.click(window.Uloz));
    EXPECT_EQ(drive.read(kList), c.after);
  }
  // A file without a mark is read and written in the code page again.
  drive.write(kList, "\xC8\x61j");
  ASSERT_TRUE(open());
  EXPECT_EQ(window.MemoNONE.text(), "Čaj");
  ASSERT_TRUE(app.click(window.Uloz));
  EXPECT_EQ(drive.read(kList), "\xC8\x61j");
}

TEST_F(OwnPreparationsTest, TenThousandNamesAreCheckedQuickly) {
  std::string names;
  for (int i = 0; i < 10000; ++i)
    names += "Preparation number " + std::to_string(i) + "\r\n";
  ASSERT_TRUE(open());
  for (const bool repeated : {true, false}) {
    SCOPED_TRACE(repeated);
    desktop.clear();
    app.changeText(window.MemoNONE, repeated ? names + "Preparation number 0" : names);
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(app.click(window.Uloz));
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_LT(elapsed, std::chrono::seconds(2));
    EXPECT_EQ(desktop.messages().size(), repeated ? 1u : 0u);
    EXPECT_EQ(window.visible(), repeated);
  }
  EXPECT_EQ(drive.read(kList).size(), names.size());
}

TEST_F(OwnPreparationsTest, AFailedWriteIsReportedAndTheWindowStaysOpen) {
  drive.makeFolder(kList);  // a folder where the list belongs
  ASSERT_TRUE(open());
  EXPECT_TRUE(window.MemoNONE.lines().empty());
  app.changeText(window.MemoNONE, "Alfa");
  ASSERT_TRUE(app.click(window.Uloz));
  ASSERT_EQ(desktop.errors().size(), 1u);
  EXPECT_NE(desktop.errors()[0].find("Preparat.txt"), std::string::npos);
  EXPECT_TRUE(window.visible());
  EXPECT_EQ(window.MemoNONE.text(), "Alfa");
}

TEST_F(OwnPreparationsTest, ClosingDropsTheEditsAtTheNextOpening) {
  drive.write(kList, "Alfa");
  for (const bool byFrame : {false, true}) {
    ASSERT_TRUE(open());
    app.changeText(window.MemoNONE, "Beta");
    if (byFrame) {
      app.closeWindow(window);
    } else {
      app.click(window.Konec);
    }
    EXPECT_FALSE(window.visible());
    EXPECT_EQ(drive.read(kList), "Alfa");
    ASSERT_TRUE(open());
    EXPECT_EQ(window.MemoNONE.text(), "Alfa");
  }
}

}  // namespace
}  // namespace tavi::editor
