#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "editor/global_settings_window.h"
#include "editor/language_window.h"
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

constexpr char kWrongPort[] = "Attention: wrong COM Port!";
constexpr char kHoldElectrodes[] = "Please hold the electrodes the whole time.";
constexpr char kExtendedRanges[] = R"(C:\KivTanOr5\RozsSWE.dat)";

// ---- Value labels ----

TEST(MainWindowValues, EachLabelShowsItsBarAndThePlusBarsShowPercentages) {
  struct Case {
    const char* bar;
    const char* label;
    int position;
    const char* shown;
  };
  const Case cases[] = {
      {"nastav_citlivost", "citlivost_ukazatel1", 100, "100"},
      {"nastav_citlivost", "citlivost_ukazatel1", 10, "10"},
      {"nastav_limit", "limit_ukazatel", 95, "95"},
      {"nastav_limit", "limit_ukazatel", 71, "71"},
      {"VelPism", "UkazatelPismo", 10, "10"},
      {"VelPism", "UkazatelPismo", 12, "12"},
      {"pricist", "Kolikmin", 1, "25"},
      {"pricist", "Kolikmin", 5, "150"},
      {"pricist", "Kolikmin", 8, "300"},
      {"PlusRife", "PlusRifeStav", 4, "100"},
      {"PlusRife", "PlusRifeStav", 8, "300"},
      // Past the end of the normal range the bar stops at its maximum.
      {"pricist", "Kolikmin", 13, "300"},
      {"PlusRife", "PlusRifeStav", 0, "0"},
  };
  EditorSession session;
  Editor& editor = startIn(session, texts::kEnglish);
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.bar) + " at " + std::to_string(c.position));
    auto& bar = static_cast<forms::ScrollBar&>(*editor.Form8.findControl(c.bar));
    auto& label = static_cast<forms::Label&>(*editor.Form8.findControl(c.label));
    ASSERT_TRUE(editor.app.scroll(bar, c.position));
    EXPECT_EQ(label.caption(), c.shown);
  }
  EXPECT_TRUE(session.desktop.requests().empty());
}

TEST(MainWindowValues, TheExtendedPlusRangeShowsItsLargerSteps) {
  EditorSession session;
  session.drive.write(kExtendedRanges, "");
  Editor& editor = startIn(session, texts::kEnglish);
  const std::pair<int, const char*> steps[] = {{9, "400"},  {10, "500"},  {11, "600"},
                                               {12, "750"}, {13, "1000"}, {6, "200"}};
  for (const auto& [step, shown] : steps) {
    editor.app.scroll(editor.Form8.pricist, step);
    EXPECT_EQ(editor.Form8.Kolikmin.caption(), shown) << "step " << step;
  }
}

TEST(MainWindowValues, StoredValuesReachTheLabelsAtStart) {
  EditorSession session;
  session.drive.write(kExtendedRanges, "");
  session.drive.write(R"(C:\KivTanOr5\datC.dat)", "\x8C");      // 140
  session.drive.write(R"(C:\KivTanOr5\datLimit.dat)", "\x5A");  // 90
  session.drive.write(R"(C:\KivTanOr5\datFontScale.dat)", "\x0C");
  session.drive.write(R"(C:\KivTanOr5\datPricisC.dat)", "\x0D");
  session.drive.write(R"(C:\KivTanOr5\datPlusRife.dat)", "\x03");
  TForm8& window = startIn(session, texts::kEnglish).Form8;
  EXPECT_EQ(window.citlivost_ukazatel1.caption(), "140");
  EXPECT_EQ(window.limit_ukazatel.caption(), "90");
  EXPECT_EQ(window.UkazatelPismo.caption(), "12");
  EXPECT_EQ(window.Kolikmin.caption(), "1000");
  EXPECT_EQ(window.PlusRifeStav.caption(), "75");
}

// ---- Measuring method ----

TEST(MainWindowMethod, OnlyAChangeToTheElectrodeShowsTheReminder) {
  EditorSession session;
  Editor& editor = startIn(session, texts::kEnglish);
  TForm8& window = editor.Form8;
  editor.app.choose(window.Zpusob_mereni, 0);  // already telemetric
  EXPECT_TRUE(session.desktop.messages().empty());
  editor.app.choose(window.Zpusob_mereni, 1);
  EXPECT_EQ(session.desktop.messages(), Strings{kHoldElectrodes});
  editor.app.choose(window.Zpusob_mereni, 1);  // the item already chosen
  editor.app.choose(window.Zpusob_mereni, 0);
  EXPECT_EQ(session.desktop.messages(), Strings{kHoldElectrodes});
}

TEST(MainWindowMethod, AStartWithTheElectrodeStoredRemindsOnce) {
  EditorSession session;
  session.drive.write(R"(C:\KivTanOr5\datE.dat)", "");
  Editor& editor = startIn(session, texts::kEnglish);
  EXPECT_EQ(session.desktop.messages(), Strings{kHoldElectrodes});
  EXPECT_EQ(editor.Form8.Zpusob_mereni.itemIndex(), 1);
}

// ---- Port field ----

struct PortCase {
  std::string typed;
  bool accepted;
};

std::vector<PortCase> portCases() {
  return {
      {"1", true},    {"9", true},
      {"10", true},   {"99", true},
      {"", true},     {"0", false},
      {"01", false},  {"100", false},
      {"1a", false},  {"a", false},
      {" 5", false},  {"5 ", false},
      {"-1", false},  {"+5", false},
      {"5\t", false}, {"１", false},  // a full-width digit is no port number
      {"ř", false},   {std::string(5000, '7'), false},
  };
}

// How the check is reached: by leaving the field, or by Enter inside it.
struct Trigger {
  const char* name;
  std::function<void(Editor&)> run;
};

TEST(MainWindowPort, OnlyOneOrTwoDigitsWithoutLeadingZeroAreAPort) {
  const Trigger triggers[] = {
      {"leaving the field", [](Editor& e) { e.app.focus(e.Form8.Cesta); }},
      {"Enter", [](Editor& e) { e.app.keyDown(e.Form8.COM_Nr, forms::Key::Enter); }},
  };
  for (const Trigger& trigger : triggers) {
    for (const PortCase& c : portCases()) {
      SCOPED_TRACE(std::string(trigger.name) + ": \"" + c.typed.substr(0, 8) + "\"");
      EditorSession session;
      Editor& editor = startIn(session, texts::kEnglish);
      TForm8& window = editor.Form8;
      const auto before = driveContents(session.drive);
      editor.app.changeText(window.COM_Nr, c.typed);
      trigger.run(editor);
      if (c.accepted) {
        EXPECT_TRUE(session.desktop.messages().empty());
        EXPECT_EQ(window.COM_Nr.text(), c.typed);  // kept as typed, never normalised
      } else {
        EXPECT_EQ(session.desktop.messages(), Strings{kWrongPort});
        EXPECT_EQ(window.COM_Nr.text(), "");
        EXPECT_EQ(window.focused(), &window.COM_Nr);
      }
      EXPECT_FALSE(window.ResetAll.visible());
      EXPECT_EQ(driveContents(session.drive), before);
    }
  }
}

TEST(MainWindowPort, KeysOtherThanEnterRunNoCheck) {
  EditorSession session;
  Editor& editor = startIn(session, texts::kEnglish);
  TForm8& window = editor.Form8;
  editor.app.changeText(window.COM_Nr, "0");
  for (forms::Key key :
       {forms::Key::Tab, forms::Key::Escape, forms::Key::Delete, static_cast<forms::Key>('A')}) {
    editor.app.keyDown(window.COM_Nr, key);
  }
  EXPECT_TRUE(session.desktop.messages().empty());
  EXPECT_EQ(window.COM_Nr.text(), "0");
  // Enter checks without the focus leaving the field.
  editor.app.keyDown(window.COM_Nr, forms::Key::Enter);
  EXPECT_EQ(session.desktop.messages(), Strings{kWrongPort});
  EXPECT_EQ(window.focused(), &window.COM_Nr);
}

TEST(MainWindowPort, TheWarningIsInTheLanguageInForce) {
  EditorSession session;
  Editor& editor = startIn(session, texts::kCzech);
  enterPort(editor, "123");
  ASSERT_EQ(session.desktop.messages().size(), 1U);
  EXPECT_EQ(session.desktop.messages()[0], editor.Form8.FATisk(122));
  EXPECT_NE(session.desktop.messages()[0], kWrongPort);
}

// ---- Toggle buttons ----

TEST(MainWindowToggles, EachButtonSwitchesItsFlagFileAtOnce) {
  struct Case {
    const char* button;
    const char* file;
  };
  const Case cases[] = {
      {"ProcZatTl", R"(C:\KivTanOr5\datZatPr.dat)"},
      {"StavPredTl", R"(C:\KivTanOr5\PredViz.dat)"},
      {"Ther6", R"(C:\KivTanOr5\Ther6.dat)"},
      {"RozsireniSWE", kExtendedRanges},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.button);
    EditorSession session;
    Editor& editor = startIn(session, texts::kEnglish);
    auto& button = *editor.Form8.findControl(c.button);
    auto before = driveContents(session.drive);

    editor.app.click(button);
    ASSERT_TRUE(session.drive.exists(c.file));
    EXPECT_EQ(session.drive.read(c.file), "");
    auto after = driveContents(session.drive);
    after.erase(
        session.drive.native(c.file).lexically_relative(session.drive.root()).generic_string());
    EXPECT_EQ(after, before);  // nothing else was written

    editor.app.click(button);
    EXPECT_FALSE(session.drive.exists(c.file));
    EXPECT_EQ(driveContents(session.drive), before);
    EXPECT_TRUE(session.desktop.requests().empty());
  }
}

TEST(MainWindowToggles, AFileThatHoldsSomethingCountsAsOnAndIsDeleted) {
  EditorSession session;
  session.drive.write(R"(C:\KivTanOr5\Ther6.dat)", "x");
  Editor& editor = startIn(session, texts::kEnglish);
  editor.app.click(editor.Form8.Ther6);
  EXPECT_FALSE(session.drive.exists(R"(C:\KivTanOr5\Ther6.dat)"));
}

TEST(MainWindowToggles, TheExtendedRangesFollowOnlyAtTheNextStart) {
  EditorSession session;
  Editor& editor = startIn(session, texts::kEnglish);
  editor.app.click(editor.Form8.RozsireniSWE);
  EXPECT_EQ(editor.Form8.nastav_citlivost.max(), 120);
  EXPECT_EQ(editor.Form8.pricist.max(), 8);

  Editor next(session.drive.platform(), session.desktop);
  EXPECT_EQ(next.Form8.nastav_citlivost.max(), 150);
  EXPECT_EQ(next.Form8.Citlivos_mala1.caption(), "150%");
  EXPECT_EQ(next.Form8.pricist.max(), 13);
}

TEST(MainWindowToggles, AFlagThatCannotBeCreatedIsReportedAndTheWindowGoesOn) {
  tavi::testing::TestDriveOptions bareDrive;
  bareDrive.withSettingsFolders = false;
  EditorSession session{bareDrive};
  Editor& editor = session.start();
  ASSERT_TRUE(session.desktop.errors().empty());
  editor.app.click(editor.Form8.ProcZatTl);
  ASSERT_EQ(session.desktop.errors().size(), 1U);
  EXPECT_NE(session.desktop.errors()[0].find(R"(C:\KivTanOr5\datZatPr.dat)"), std::string::npos);
  EXPECT_FALSE(editor.app.terminated());
  EXPECT_FALSE(session.drive.exists(R"(C:\KivTanOr5)"));
}

// ---- Help documents and messages ----

TEST(MainWindowHelp, EachInformationButtonOpensItsDocument) {
  struct Case {
    const char* button;
    const char* document;
  };
  const Case cases[] = {
      {"IVelmira", R"(c:\KivTanOr5\PicWlud\PellinEN.jpg)"},
      {"IJoalis", R"(c:\KivTanOr5\PicWlud\Joalis.txt)"},
      {"IEnergy", R"(c:\KivTanOr5\PicWlud\Energy.txt)"},
      {"IDiochi", R"(c:\KivTanOr5\PicWlud\Diochi.txt)"},
      {"IdoTERRA", R"(c:\KivTanOr5\PicWlud\DoTerra.txt)"},
      {"INadeje", R"(c:\KivTanOr5\PicWlud\Nadeje.txt)"},
      {"IBachBox", R"(c:\KivTanOr5\PicWlud\Bachovy.txt)"},
      {"IBioligo", R"(c:\KivTanOr5\PicWlud\Bioligo.txt)"},
      {"IAustralske", R"(c:\KivTanOr5\PicWlud\Australske.txt)"},
      {"IBenedictus", R"(c:\KivTanOr5\PicWlud\HebalExtracts.pdf)"},
      {"ISchlussler", R"(c:\KivTanOr5\PicWlud\Schussler.txt)"},
      {"IPrepPrep", R"(C:\KivTanOr5\PicWlud\PreparatP.pdf)"},
      {"SettingInfo", R"(C:\KivTanOr5\PicWlud\SettingInf1.pdf)"},
  };
  EditorSession session;
  Editor& editor = startIn(session, texts::kEnglish);
  const auto before = driveContents(session.drive);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.button);
    session.desktop.clear();
    ASSERT_TRUE(editor.app.click(*editor.Form8.findControl(c.button)));
    EXPECT_EQ(session.desktop.shellOpens(), Strings{c.document});
    EXPECT_EQ(session.desktop.requests().size(), 1U);
  }
  EXPECT_EQ(driveContents(session.drive), before);
}

TEST(MainWindowHelp, VelmiraAndTheSettingsManualFollowTheLanguage) {
  struct Case {
    texts::LanguageIndex language;
    const char* velmira;
    const char* settings;
  };
  const Case cases[] = {
      {texts::kCzech, R"(c:\KivTanOr5\PicWlud\Pellin.jpg)",
       R"(C:\KivTanOr5\PicWlud\SettingInf0.pdf)"},
      {texts::kGerman, R"(c:\KivTanOr5\PicWlud\PellinEN.jpg)",
       R"(C:\KivTanOr5\PicWlud\SettingInf2.pdf)"},
      {texts::kSwedish, R"(c:\KivTanOr5\PicWlud\PellinSE.jpg)",
       R"(C:\KivTanOr5\PicWlud\SettingInf3.pdf)"},
      {texts::kRussian, R"(c:\KivTanOr5\PicWlud\PellinEN.jpg)",
       R"(C:\KivTanOr5\PicWlud\SettingInf4.pdf)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.language);
    EditorSession session;
    Editor& editor = startIn(session, c.language);
    editor.app.click(editor.Form8.IVelmira);
    editor.app.click(editor.Form8.SettingInfo);
    EXPECT_EQ(session.desktop.shellOpens(), (Strings{c.velmira, c.settings}));
  }
}

TEST(MainWindowHelp, EachInfoButtonShowsItsMessage) {
  struct Case {
    const char* button;
    std::string message;
  };
  const Case cases[] = {
      {"Info",
       "WARNING: Therapy can be best done max. once every 3 days. The external drive must be "
       "still connected to the PC. When electrode is selected, the electrode must be kept the "
       "whole duration of the therapy."},
      {"InfoDopl",
       "This is only a possible addition to the recommended frequencies, which are crucial. "
       "ATTENTION: preparations that are not used are not marked. Before using the products, you "
       "must first be trained in their use!"},
      {"IPrepPrepPrep",
       "This is only a possible addition to the recommended frequencies, which are crucial. "
       "ATTENTION: preparations that are not used are not marked. Before using the products, you "
       "must first be trained in their use!"},
      {"InfoPC",
       "PC must be set correctly: 1)Setting/accessibility/screen/scale and layout = 100%     "
       "2)Setting / accessibility / screen / resolution approx. 1600x900"},
      {"Info_pouz",
       "The path to save the programs (batch) and the protocols ending with the slash \"\\\" is "
       "written into the window."},
  };
  EditorSession session;
  Editor& editor = startIn(session, texts::kEnglish);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.button);
    session.desktop.clear();
    ASSERT_TRUE(editor.app.click(*editor.Form8.findControl(c.button)));
    EXPECT_EQ(session.desktop.messages(), Strings{c.message});
    EXPECT_EQ(session.desktop.requests().size(), 1U);
  }
}

// ---- Links and other buttons ----

TEST(MainWindowLinks, TheUpgradeFieldShowsAndOpensTheMakersPage) {
  EditorSession session;
  Editor& editor = startIn(session, texts::kEnglish);
  const std::string page = editor.Form8.Upgrade2.text();
  EXPECT_EQ(page, kUpgradePage);
  EXPECT_TRUE(page.starts_with("https://"));
  ASSERT_TRUE(editor.app.click(editor.Form8.Upgrade2));
  EXPECT_EQ(session.desktop.shellOpens(), Strings{page});
  // Enter in the field opens it as well; another key does not.
  ASSERT_TRUE(editor.app.keyDown(editor.Form8.Upgrade2, forms::Key::Tab));
  ASSERT_TRUE(editor.app.keyDown(editor.Form8.Upgrade2, forms::Key::Enter));
  EXPECT_EQ(session.desktop.shellOpens(), (Strings{page, page}));
}

TEST(MainWindowLinks, TheFlagsShowTheLanguageWindowBesideTheMainWindow) {
  EditorSession session;
  Editor& editor = startIn(session, texts::kEnglish);
  const auto before = driveContents(session.drive);
  ASSERT_FALSE(editor.Form9.visible());
  ASSERT_TRUE(editor.app.click(editor.Form8.Image1));
  EXPECT_TRUE(editor.Form9.visible());
  EXPECT_TRUE(editor.Form8.visible());
  // The main window stays usable.
  EXPECT_TRUE(editor.app.click(editor.Form8.Info));
  EXPECT_EQ(driveContents(session.drive), before);
}

TEST(MainWindowLinks, ColourPutsTheStoredPortBackAndOpensTheColourRows) {
  for (const bool portStored : {true, false}) {
    SCOPED_TRACE(portStored ? "port 7 stored" : "no port stored");
    EditorSession session;
    if (portStored) session.drive.write(kStoredPort, "7\r\n");
    Editor& editor = startIn(session, texts::kEnglish);
    enterPort(editor, "12");
    ASSERT_TRUE(editor.app.click(editor.Form8.BtColor));
    EXPECT_EQ(editor.Form8.COM_Nr.text(), portStored ? "7" : "");
    TForm27& settings = editor.Form27;
    EXPECT_TRUE(settings.visible());
    EXPECT_FALSE(settings.PSettingpreparat.visible());
    EXPECT_FALSE(settings.NameWindow.visible());
    EXPECT_TRUE(settings.WindowsColor.visible());
    EXPECT_EQ(settings.Uloz.caption(), "Save");
    EXPECT_TRUE(session.desktop.requests().empty());
  }
}

TEST(MainWindowLinks, DbzShowsTheDatabaseFolderForGood) {
  EditorSession session;
  Editor& editor = startIn(session, texts::kEnglish);
  ASSERT_FALSE(editor.Form8.CestaDBZ.visible());
  editor.app.click(editor.Form8.BtDBZ);
  EXPECT_TRUE(editor.Form8.CestaDBZ.visible());
  editor.app.click(editor.Form8.BtDBZ);
  EXPECT_TRUE(editor.Form8.CestaDBZ.visible());
}

TEST(MainWindowLinks, CloseEndsTheProgramAndDropsEveryChange) {
  EditorSession session;
  session.drive.write(R"(C:\KivTanOr5\datLimit.dat)", "\x55");
  Editor& editor = startIn(session, texts::kEnglish);
  const auto before = driveContents(session.drive);
  editor.app.scroll(editor.Form8.nastav_limit, 90);
  editor.app.tick(editor.Form8.DarkColor, true);
  enterPort(editor, "3");
  editor.app.click(editor.Form8.Konec);
  EXPECT_TRUE(editor.app.terminated());
  EXPECT_EQ(driveContents(session.drive), before);
  EXPECT_TRUE(session.desktop.requests().empty());
}

}  // namespace
}  // namespace tavi::editor
