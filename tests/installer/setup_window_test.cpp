#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "installer_run.h"

namespace tavi::installer::testing {
namespace {

using Texts = std::vector<std::string>;

bool overlap(const forms::Rect& a, const forms::Rect& b) {
  return a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
}

bool inside(const forms::Rect& rect, const forms::Form& form) {
  return rect.left >= 0 && rect.top >= 0 && rect.right() <= form.clientWidth() &&
         rect.bottom() <= form.clientHeight();
}

TEST(SetupWindow, WithoutALanguageFileTheWindowOffersTheLanguagesAndWaits) {
  InstallerRun run;
  run.prepare();
  TForm1& form = run.start();

  EXPECT_EQ(form.name(), "Form1");
  EXPECT_EQ(form.caption(), "Setup Tavi Therapy Scan 7.00");
  EXPECT_EQ(form.clientWidth(), 344);
  EXPECT_EQ(form.clientHeight(), 404);
  EXPECT_EQ(form.color(), forms::Color::buttonFace());
  EXPECT_EQ(form.font(), (forms::Font{"Tahoma", 8}));
  EXPECT_GE(form.centreRequests(), 1u);
  EXPECT_TRUE(form.visible());

  EXPECT_TRUE(form.Language.visible());
  EXPECT_EQ(form.Language.rect(), (forms::Rect{80, 43, 171, 305}));
  EXPECT_EQ(form.Language.items(), (Texts{"Česky", "English", "Deutsche", "Svenska", "Русский"}));
  EXPECT_EQ(form.Language.itemIndex(), -1);
  EXPECT_EQ(form.Language.color(), forms::Color::rgb(139, 198, 255));
  EXPECT_EQ(form.Setup.rect(), (forms::Rect{18, 24, 75, 25}));
  EXPECT_EQ(form.Register.rect(), (forms::Rect{128, 24, 75, 25}));
  EXPECT_FALSE(form.Setup.visible());
  EXPECT_FALSE(form.Register.visible());
  EXPECT_FALSE(run.installer.app.click(form.Setup));
  // The progress shows only while installing, clear of the language choice.
  EXPECT_FALSE(form.Copying.visible());
  EXPECT_FALSE(form.Progress.visible());
  for (const forms::Control* control : {static_cast<forms::Control*>(&form.Copying),
                                        static_cast<forms::Control*>(&form.Progress)}) {
    EXPECT_TRUE(inside(control->rect(), form)) << control->name();
    EXPECT_FALSE(overlap(control->rect(), form.Language.rect())) << control->name();
  }
  EXPECT_FALSE(overlap(form.Copying.rect(), form.Progress.rect()));

  EXPECT_EQ(form.Languagem, texts::kCzech);
  EXPECT_FALSE(form.dokoncit);
  EXPECT_TRUE(form.InstalPort);
  EXPECT_TRUE(installedTree(run.drive).empty());
  EXPECT_TRUE(run.desktop.requests().empty());
  EXPECT_FALSE(run.installer.app.terminated());
}

TEST(SetupWindow, TextsOfTheInstallerTable) {
  InstallerRun run;
  run.prepare();
  TForm1& form = run.start();
  struct TextCase {
    texts::LanguageIndex language;
    texts::MessageNumber number;
    std::string text;
  };
  const TextCase cases[] = {
      {texts::kCzech, 1, "Instalace dokončena"},
      {texts::kEnglish, 1, "Instaltion completed."},
      {texts::kRussian, 1, "Установка завершено."},
      {texts::kCzech, 3, "Upgrade dokončeno."},
      {texts::kEnglish, 3, "Upgrade ready."},
      {texts::kSwedish, 3, "Uppgradera är klar."},
      {texts::kRussian, 3, "Обновление завершено."},
      {texts::kCzech, 5,
       "Je nutno naistalovat COM Port. Zkontrolujte: C:\\KivTanOr5\\CH341SER\\SETUP.EXE"},
      {texts::kSwedish, 5,
       "Det är nödvändigt att installera en COM-port. Kontrollera: "
       "C:\\KivTanOr5\\CH341SER\\SETUP.EXE"},
      {texts::kRussian, 5,
       "Необходимо установить COM-порт. Проверьте: C:\\KivTanOr5\\CH341SER\\SETUP.EXE"},
      {texts::kCzech, 433,
       "PC musí být správně nastaven: 1)Nastaveni/usnadnění přístupu/obrazovka/ měřítko a "
       "rozložení=100%   2)Nastaveni/usnadnění přístupu/obrazovka/ rozlišení cca 1600x900"},
      {texts::kGerman, 433,
       "PC muss korrekt eingestellt sein: 1) Einstellung / Barrierefreiheit / Bildschirm / "
       "Maßstab und Layout = 100%       2) Einstellung / Barrierefreiheit / Bildschirm / "
       "Auflösung ca. 1600x900"},
      // No default: a number the table lacks, or an unknown language, gives an empty text.
      {texts::kEnglish, 2, ""},
      {texts::kEnglish, 418, ""},
      {7, 1, ""},
      {-1, 3, ""},
  };
  for (const TextCase& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.number << " in language " << c.language);
    form.Languagem = c.language;
    EXPECT_EQ(form.FATisk(c.number), c.text);
  }
}

// A language file of two bytes cannot be read: the error is shown, the installation does not
// start by itself, and the language is picked instead.
TEST(SetupWindow, ALanguageFileTooShortIsReportedAndTheChoiceOffered) {
  for (const bool onMedium : {false, true}) {
    SCOPED_TRACE(onMedium ? "on the medium" : "on the PC");
    Scenario scenario;
    if (onMedium) scenario.mediumLanguageFile = std::string("\x01\x00", 2);
    InstallerRun run(scenario);
    run.prepare();
    if (!onMedium) run.drive.write(R"(C:\KivTanOr5\dLangv.dat)", std::string("\x01\x00", 2));
    TForm1& form = run.start();

    ASSERT_EQ(run.desktop.errors().size(), 1u);
    EXPECT_NE(run.desktop.errors()[0].find("dLangv.dat"), std::string::npos);
    EXPECT_FALSE(form.dokoncit);
    EXPECT_FALSE(form.InstalPort);
    EXPECT_TRUE(form.visible());
    EXPECT_TRUE(form.Language.visible());
    EXPECT_FALSE(run.drive.exists(R"(C:\WinLUD)"));

    ASSERT_TRUE(run.pick(texts::kEnglish));
    // The PC gets a language file that can be read, also when the medium's could not.
    EXPECT_EQ(run.drive.read(R"(C:\KivTanOr5\dLangv.dat)"), languageFileBytes(texts::kEnglish));
    EXPECT_EQ(run.drive.read(R"(C:\WinLUD\Tavi Universe.exe)"),
              mediumContent(R"(DWin\Tavi Universe.exe)"));
    // The error kept the driver step from being planned.
    EXPECT_EQ(run.desktop.messages(), Texts{"Instaltion completed."});
    EXPECT_TRUE(run.desktop.shellOpens().empty());
    EXPECT_EQ(run.desktop.errors().size(), 1u);
    EXPECT_TRUE(run.installer.app.terminated());
  }
}

TEST(SetupWindow, ClosingBeforeALanguageIsPickedEndsWithNothingInstalled) {
  InstallerRun run;
  run.prepare();
  TForm1& form = run.start();
  EXPECT_TRUE(run.installer.app.closeWindow(form));
  EXPECT_TRUE(run.installer.app.terminated());
  EXPECT_FALSE(run.pick(texts::kEnglish));
  EXPECT_TRUE(installedTree(run.drive).empty());
  EXPECT_TRUE(run.desktop.messages().empty());
}

}  // namespace
}  // namespace tavi::installer::testing
