#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "editor/global_settings_palette.h"
#include "editor/global_settings_window.h"
#include "editor/window_set.h"
#include "forms/application.h"
#include "forms/scripted_desktop.h"
#include "support/test_drive.h"

namespace tavi::editor {
namespace {

using Mode = GlobalSettingsMode;

constexpr char kGroupHidingFile[] = R"(C:\KivTanOr5\GlobalSetPrep.dll)";
constexpr char kBrandingFile[] = R"(C:\KivTanOr5\GlobalSetting.dll)";

// 52 lines "0", with "1" on the given lines (numbered from 1).
std::string groupHidingBytes(std::vector<int> hiddenLines) {
  std::string bytes;
  for (int line = 1; line <= 52; ++line) {
    bytes += std::ranges::find(hiddenLines, line) != hiddenLines.end() ? "1\r\n" : "0\r\n";
  }
  return bytes;
}

class GlobalSettingsTest : public ::testing::Test {
 protected:
  // What the main window's colour button and service codes do.
  bool open(Mode mode) {
    return app.dispatch([&] { window.open(mode); });
  }

  testing::TestDrive drive;  // code page 1250
  forms::ScriptedDesktop desktop;
  forms::Application app{desktop};
  WindowSet windows{drive.platform()};
  TForm27& window = app.create<TForm27>(windows);
};

TEST_F(GlobalSettingsTest, EachModeShowsItsOwnRows) {
  struct Case {
    Mode mode;
    bool groupBoxes;
    bool textRows;
    bool colourLabels;
  };
  const Case cases[] = {
      {Mode::Colour, false, false, true},
      {Mode::Branding, false, true, true},
      {Mode::GroupHiding, true, true, false},
      {Mode::Colour, false, false, true},
      // Beneath the panel the rows keep what the last opening left.
      {Mode::GroupHiding, true, false, false},
      {Mode::Branding, false, true, true},
  };
  EXPECT_EQ(windows.Form27, &window);
  EXPECT_FALSE(window.visible());
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.mode));
    ASSERT_TRUE(open(c.mode));
    EXPECT_TRUE(window.visible());
    EXPECT_EQ(window.groupHidingMode(), c.groupBoxes);
    EXPECT_EQ(window.Zinzino.showing(), c.groupBoxes);
    EXPECT_EQ(window.PVisble.showing(), c.groupBoxes);
    EXPECT_EQ(window.NameWindow.visible(), c.textRows);
    EXPECT_EQ(window.AdrLogoL.visible(), c.textRows && !c.groupBoxes);
    EXPECT_EQ(window.WindowsColorL.visible(), c.colourLabels);
    EXPECT_EQ(window.TlacitkaColorL.visible(), c.colourLabels);
    EXPECT_TRUE(window.TlacitkaColor.visible());
    EXPECT_TRUE(window.Uloz.visible() && window.VychoziNastav.visible() && window.Konec.visible());
    EXPECT_FALSE(window.Start.visible());
  }
}

TEST_F(GlobalSettingsTest, TextsComeFromTheLanguageInMemoryNotFromTheFile) {
  drive.write(R"(C:\KivTanOr5\dLangv.dat)", std::string("\x02\0\0\0", 4));
  windows.Languagem = 1;  // as the main window's load left it
  ASSERT_TRUE(open(Mode::GroupHiding));
  EXPECT_EQ(window.Uloz.caption(), "Save");
  EXPECT_EQ(window.VychoziNastav.caption(), "Default settings");
  EXPECT_EQ(window.Konec.caption(), "Close");
  EXPECT_EQ(window.PVisble.text(), "            Preparations: hide");
  EXPECT_EQ(window.Schlussler.caption(), "Schüsslerovy salts");
  EXPECT_EQ(window.Australske.caption(), "Australian flower essence");
  EXPECT_EQ(window.Praparaty2.caption(), "Preparations2");
  EXPECT_EQ(window.Koloidni.caption(), "Colloidal silver");
  EXPECT_EQ(window.MePreparat.caption(), "Preparations own");
  EXPECT_EQ(window.Starlife.caption(), "Stalife");
  EXPECT_EQ(window.caption(), "Global Settings");

  windows.Languagem = 3;
  ASSERT_TRUE(open(Mode::Branding));
  EXPECT_EQ(window.NadpisWindowL.caption(), "Text över frekvenser:");
  EXPECT_EQ(window.FrekvencyColorL.caption(), "Sidofönsterfärg:");
  EXPECT_EQ(window.Uloz.caption(), "Spara");
  EXPECT_EQ(window.Praparaty.caption(), "Preparations1");  // only group-hiding sets those
}

TEST_F(GlobalSettingsTest, GroupHidingSaveWritesFiftyTwoLinesAndEndsTheProgram) {
  struct Case {
    std::vector<forms::CheckBox TForm27::*> ticked;
    std::vector<int> hiddenLines;
  };
  const Case cases[] = {
      {{}, {}},
      {{&TForm27::MePreparat}, {24}},
      {{&TForm27::Velmira, &TForm27::Schlussler, &TForm27::QuantumMinerals, &TForm27::NuSkin,
        &TForm27::NastrZdr, &TForm27::Starlife, &TForm27::Zinzino},
       {1, 11, 12, 26, 27, 28, 29}},
  };
  for (const Case& c : cases) {
    testing::TestDrive run;
    forms::ScriptedDesktop runDesktop;
    forms::Application runApp{runDesktop};
    WindowSet runWindows{run.platform()};
    auto& form = runApp.create<TForm27>(runWindows);
    runApp.dispatch([&] { form.open(Mode::GroupHiding); });
    for (auto box : c.ticked)
      runApp.tick(form.*box, true);
    ASSERT_TRUE(runApp.click(form.Uloz));
    const std::string bytes = run.read(kGroupHidingFile);
    EXPECT_EQ(bytes, groupHidingBytes(c.hiddenLines));
    EXPECT_EQ(bytes.size(), 156u);
    EXPECT_FALSE(run.exists(kBrandingFile));
    EXPECT_TRUE(runApp.terminated());
  }
}

TEST_F(GlobalSettingsTest, BrandingSaveWritesTheTextsAsTypedAndTheFourColours) {
  ASSERT_TRUE(open(Mode::Branding));
  app.changeText(window.NameWindow, " Ordinace Kopřiva ");
  app.changeText(window.NadpisWindow, "Frekvence:");
  app.changeText(window.AdrLogo, R"(C:\Logo\logo.bmp)");
  app.choose(window.WindowsColor, 3);
  app.choose(window.FrekvencyColor1, 15);
  app.choose(window.TlacitkaColor, 8);
  ASSERT_TRUE(app.click(window.Uloz));
  EXPECT_EQ(drive.read(kBrandingFile),
            " Ordinace Kop\xF8iva \r\nFrekvence:\r\nC:\\Logo\\logo.bmp\r\n3\r\n15\r\n0\r\n8\r\n\r\n"
            "\r\n");
  EXPECT_FALSE(drive.exists(kGroupHidingFile));
  EXPECT_TRUE(app.terminated());
}

TEST_F(GlobalSettingsTest, ColourSaveEmptiesTheTextsOfAnEarlierRun) {
  drive.write(kBrandingFile, "Ordinace\r\nText\r\nlogo.bmp\r\n1\r\n2\r\n3\r\n4\r\n\r\n\r\n");
  ASSERT_TRUE(open(Mode::Colour));
  EXPECT_FALSE(app.changeText(window.NameWindow, "hidden"));
  app.choose(window.FrekvencyColor2, 13);
  ASSERT_TRUE(app.click(window.Uloz));
  EXPECT_EQ(drive.read(kBrandingFile), "\r\n\r\n\r\n0\r\n0\r\n13\r\n0\r\n\r\n\r\n");
  EXPECT_TRUE(app.terminated());
}

TEST_F(GlobalSettingsTest, DefaultDeletesOnlyTheFileOfItsModeAndEndsTheProgram) {
  struct Case {
    Mode mode;
    const char* deleted;
    const char* kept;
  };
  const Case cases[] = {
      {Mode::GroupHiding, kGroupHidingFile, kBrandingFile},
      {Mode::Branding, kBrandingFile, kGroupHidingFile},
      {Mode::Colour, kBrandingFile, kGroupHidingFile},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.deleted);
    testing::TestDrive run;
    run.write(kGroupHidingFile, groupHidingBytes({3}));
    run.write(kBrandingFile, "\r\n\r\n\r\n1\r\n1\r\n1\r\n1\r\n\r\n\r\n");
    forms::ScriptedDesktop runDesktop;
    forms::Application runApp{runDesktop};
    WindowSet runWindows{run.platform()};
    auto& form = runApp.create<TForm27>(runWindows);
    runApp.dispatch([&] { form.open(c.mode); });
    ASSERT_TRUE(runApp.click(form.VychoziNastav));
    EXPECT_FALSE(run.exists(c.deleted));
    EXPECT_TRUE(run.exists(c.kept));
    EXPECT_TRUE(runApp.terminated());
    EXPECT_TRUE(runDesktop.requests().empty());  // no question, no error
  }
  // Nothing to delete is no error either.
  ASSERT_TRUE(open(Mode::Colour));
  ASSERT_TRUE(app.click(window.VychoziNastav));
  EXPECT_TRUE(app.terminated());
  EXPECT_TRUE(desktop.errors().empty());
}

TEST_F(GlobalSettingsTest, OnlyTheGroupBoxesAreCarriedFromOneOpeningToTheNext) {
  drive.write(kGroupHidingFile, groupHidingBytes({2, 3}));  // never read back
  ASSERT_TRUE(open(Mode::GroupHiding));
  EXPECT_FALSE(window.Joalis.checked());
  app.tick(window.Zinzino, true);
  app.click(window.Konec);
  EXPECT_FALSE(window.visible());

  ASSERT_TRUE(open(Mode::Branding));
  app.changeText(window.AdrLogo, "logo.bmp");
  app.choose(window.WindowsColor, 4);
  app.closeWindow(window);
  EXPECT_FALSE(window.visible());

  ASSERT_TRUE(open(Mode::Branding));
  EXPECT_EQ(window.AdrLogo.text(), "");
  EXPECT_EQ(window.WindowsColor.itemIndex(), 0);
  ASSERT_TRUE(open(Mode::GroupHiding));
  EXPECT_TRUE(window.Zinzino.checked());
  EXPECT_EQ(drive.read(kGroupHidingFile), groupHidingBytes({2, 3}));
  EXPECT_FALSE(app.terminated());
}

TEST_F(GlobalSettingsTest, AFailedSaveIsReportedAndTheProgramGoesOn) {
  drive.remove(R"(C:\KivTanOr5)");
  for (const Mode mode : {Mode::GroupHiding, Mode::Branding}) {
    desktop.clear();
    ASSERT_TRUE(open(mode));
    ASSERT_TRUE(app.click(window.Uloz));
    ASSERT_EQ(desktop.errors().size(), 1u);
    EXPECT_NE(desktop.errors()[0].find(mode == Mode::GroupHiding ? "GlobalSetPrep.dll"
                                                                 : "GlobalSetting.dll"),
              std::string::npos);
    EXPECT_FALSE(app.terminated());
    EXPECT_TRUE(window.visible());
  }
}

TEST_F(GlobalSettingsTest, ThePaletteStripShowsTheSixteenColoursUnderTheRows) {
  const forms::Image& strip = window.Image1.image();
  ASSERT_EQ(strip.width, 445);
  ASSERT_EQ(strip.height, 32);
  EXPECT_EQ(window.Image2.image(), strip);
  EXPECT_EQ(window.Image1.parent(), &window.Panel1);
  EXPECT_EQ(window.Image2.parent(), &window.Panel2);

  struct Cell {
    int cell;
    std::uint32_t pixel;
  };
  for (const Cell c : {Cell{1, 0xFF92E8FAu}, Cell{4, 0xFF0000FFu}, Cell{7, 0xFFC0C0C0u},
                       Cell{10, 0xFFFFFBF0u}, Cell{15, 0xFFFF0000u}}) {
    const forms::Rect r = paletteCell(c.cell);
    EXPECT_GE(r.width, 27);
    EXPECT_LE(r.width, 28);
    EXPECT_EQ(strip.at(r.left + r.width / 2, 16), c.pixel) << c.cell;
  }
  // Cell 0: a black cross on white, corner to corner.
  const forms::Rect none = paletteCell(0);
  EXPECT_EQ(strip.at(0, 0), 0xFF000000u);
  EXPECT_EQ(strip.at(none.right() - 1, 0), 0xFF000000u);
  EXPECT_EQ(strip.at(0, 31), 0xFF000000u);
  EXPECT_EQ(strip.at(none.width / 2, 2), 0xFFFFFFFFu);
  EXPECT_EQ(strip.at(2, 16), 0xFFFFFFFFu);

  for (const forms::RadioGroup* row : {&window.WindowsColor, &window.FrekvencyColor1,
                                       &window.FrekvencyColor2, &window.TlacitkaColor}) {
    EXPECT_EQ(row->items(), std::vector<std::string>(16));
    EXPECT_EQ(row->columns(), 16);
    EXPECT_EQ(row->itemIndex(), 0);
    EXPECT_EQ(row->rect().left + 2, window.Panel1.rect().left + window.Image1.rect().left);
    EXPECT_EQ(row->rect().width, window.Panel1.rect().width);
  }
}

TEST_F(GlobalSettingsTest, NothingOverlapsInEitherLayout) {
  const auto checkApart = [](const std::vector<const forms::Control*>& controls, int width,
                             int height) {
    for (std::size_t i = 0; i < controls.size(); ++i) {
      const forms::Rect r = controls[i]->rect();
      EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right() <= width && r.bottom() <= height)
          << controls[i]->name();
      for (std::size_t k = 0; k < i; ++k) {
        const forms::Rect o = controls[k]->rect();
        EXPECT_TRUE(r.right() <= o.left || o.right() <= r.left || r.bottom() <= o.top ||
                    o.bottom() <= r.top)
            << controls[i]->name() << " overlaps " << controls[k]->name();
      }
    }
  };
  for (const Mode mode : {Mode::Branding, Mode::GroupHiding}) {
    ASSERT_TRUE(open(mode));
    std::vector<const forms::Control*> onWindow;
    std::vector<const forms::Control*> inPanel;
    for (const forms::Control* control : window.controls()) {
      if (!control->showing()) continue;
      if (control->parent() == &window.PSettingpreparat) {
        inPanel.push_back(control);
      } else if (control->parent() == nullptr &&
                 (mode == Mode::Branding || control->rect().top >= 440)) {
        onWindow.push_back(control);  // in group-hiding mode, what the panel leaves uncovered
      }
    }
    checkApart(onWindow, window.clientWidth(), window.clientHeight());
    checkApart(inPanel, window.PSettingpreparat.rect().width,
               window.PSettingpreparat.rect().height);
  }
}

}  // namespace
}  // namespace tavi::editor
