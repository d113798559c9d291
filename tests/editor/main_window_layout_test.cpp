#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/product_groups.h"
#include "editor/main_window/flag_strip.h"
#include "editor/main_window/main_window.h"
#include "editor/window_set.h"
#include "forms/application.h"
#include "forms/scripted_desktop.h"
#include "support/test_drive.h"

namespace tavi::editor {
namespace {

using forms::ControlKind;
using forms::Rect;

// The main window as designed: constructed, never filled.
class MainWindowDesign : public ::testing::Test {
 protected:
  testing::TestDrive drive;
  forms::ScriptedDesktop desktop;
  forms::Application app{desktop};
  WindowSet windows{drive.platform()};
  TForm8 window{app, windows};
};

// The rectangle in the window's client area, through the panels that hold the control.
Rect onWindow(const forms::Control& control) {
  Rect rect = control.rect();
  for (const forms::Panel* panel = control.parent(); panel != nullptr; panel = panel->parent()) {
    rect.left += panel->rect().left;
    rect.top += panel->rect().top;
  }
  return rect;
}

std::string captionOf(const forms::Control& control) {
  switch (control.kind()) {
    case ControlKind::Edit:
      return static_cast<const forms::Edit&>(control).text();
    case ControlKind::Button:
    case ControlKind::CheckBox:
    case ControlKind::Label:
    case ControlKind::Panel:
    case ControlKind::RadioGroup:
      return static_cast<const forms::CaptionedControl&>(control).caption();
    default:
      return {};
  }
}

TEST_F(MainWindowDesign, FrameIsTheDesignedOne) {
  EXPECT_EQ(window.name(), "Form8");
  EXPECT_EQ(window.clientWidth(), 732);
  EXPECT_EQ(window.clientHeight(), 655);
  EXPECT_EQ(window.color(), forms::Color::rgb(147, 147, 255));
  EXPECT_EQ(window.font().name, "Tahoma");
  EXPECT_EQ(window.font().pointSize, 8);
  EXPECT_EQ(window.caption().rfind("Tavi Setting 3.01 ", 0), 0u);
  EXPECT_NE(window.caption().find(kMakerSite), std::string::npos);
  EXPECT_FALSE(window.visible());
  EXPECT_EQ(windows.Form8, &window);
}

struct DesignedControl {
  std::string_view name;
  ControlKind kind;
  int left;
  int top;
  std::optional<std::string_view> caption = std::nullopt;
  bool visible = true;
};

TEST_F(MainWindowDesign, ControlsStandWhereTheDesignPutsThem) {
  const DesignedControl controls[] = {
      {"Edit2", ControlKind::Edit, 11, 8, "Cesta k adresáři:"},
      {"Edit3", ControlKind::Edit, 300, 8, R"(C:\TaviTherapy\)"},
      {"Cesta", ControlKind::Edit, 11, 32, ""},
      {"CestaDBZ", ControlKind::Edit, 11, 57, "", false},
      {"Info_pouz", ControlKind::Button, 338, 55, "Info"},
      {"BtDBZ", ControlKind::Button, 432, 55, "DBZ"},
      {"SettingInfo", ControlKind::Button, 12, 81, "Info"},
      {"BtColor", ControlKind::Button, 273, 81, "Barva"},
      {"ProcZatTl", ControlKind::Button, 550, 8, "Z"},
      {"RozsireniSWE", ControlKind::Button, 586, 8, "S"},
      {"ResetAll", ControlKind::Button, 596, 8, "Res", false},
      {"COM_Nr", ControlKind::Edit, 660, 8, ""},
      {"Image1", ControlKind::Picture, 550, 56},
      {"InfoPC", ControlKind::Button, 548, 81},
      {"Velmira", ControlKind::CheckBox, 280, 148, "Velmira"},
      {"IVelmira", ControlKind::Button, 444, 147, "i"},
      {"IBenedictus", ControlKind::Button, 444, 336, "i"},
      {"MePreparat", ControlKind::Button, 279, 386, "Přípravky vlastní"},
      {"IPrepPrep", ControlKind::Button, 548, 138, "Info"},
      {"nastav_citlivost", ControlKind::ScrollBar, 13, 472},
      {"nastav_limit", ControlKind::ScrollBar, 12, 525},
      {"VelPism", ControlKind::ScrollBar, 12, 564},
      {"Panel3", ControlKind::Panel, 145, 460},
      {"Zpusob_mereni", ControlKind::RadioGroup, 275, 539, "Způsob detekce:"},
      {"Citlivos_mala", ControlKind::Label, 13, 490, "0 %"},
      {"Citlivos_mala1", ControlKind::Label, 98, 490, "120 %"},
      {"Upgrade1", ControlKind::Edit, 11, 590, "Upgrade:"},
      {"Uloz", ControlKind::Button, 11, 615, "Uložit"},
      {"Konec", ControlKind::Button, 110, 615, "Konec"},
      {"Info", ControlKind::Button, 209, 615, "Info"},
      {"Podadresar", ControlKind::CheckBox, 12, 107},
      {"NevT_Color", ControlKind::CheckBox, 12, 430, "NevT Color"},
      {"PosF2", ControlKind::CheckBox, 31, 192, "Pos. F,L,I,M"},
      {"Automat", ControlKind::CheckBox, 12, 277, "Automat"},
      {"EmailTiming", ControlKind::CheckBox, 12, 175, "Email Timing"},
      {"Animal", ControlKind::CheckBox, 400, 592, "Zvíře", false},
      {"BezDiakrit2", ControlKind::CheckBox, 146, 294, "Bez diakritiky II", false},
      {"ZoomWin", ControlKind::Edit, 470, 590, "", false},
      {"MtdVsbl", ControlKind::CheckBox, 520, 592, "", false},
      {"vyplnset", ControlKind::Button, 320, 615, "vyplnset", false},
      {"VyplnCtverecky", ControlKind::Button, 410, 615, "VyplnCtverecky", false},
  };
  for (const DesignedControl& expected : controls) {
    SCOPED_TRACE(std::string(expected.name));
    const forms::Control* control = window.findControl(expected.name);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->kind(), expected.kind);
    EXPECT_EQ(onWindow(*control).left, expected.left);
    EXPECT_EQ(onWindow(*control).top, expected.top);
    if (expected.caption) {
      EXPECT_EQ(captionOf(*control), *expected.caption);
    }
    EXPECT_EQ(control->visible(), expected.visible);
  }
  EXPECT_EQ(window.ProcZatTl.rect().width, 13);
  EXPECT_EQ(window.Image1.rect(), (Rect{550, 56, 153, 23}));
  EXPECT_EQ(window.Cesta.rect().width, 449);
}

TEST_F(MainWindowDesign, ValueControlsHaveTheirDesignedRangesAndLabels) {
  struct Bar {
    const forms::ScrollBar& bar;
    int min, max, position;
    const forms::Label& value;
    const forms::Panel* panel;
  };
  const Bar bars[] = {
      {window.nastav_citlivost, 10, 120, 67, window.citlivost_ukazatel1, nullptr},
      {window.nastav_limit, 70, 95, 80, window.limit_ukazatel, nullptr},
      {window.VelPism, 8, 12, 8, window.UkazatelPismo, nullptr},
      {window.pricist, 0, 8, 0, window.Kolikmin, &window.Panel3},
      {window.PlusRife, 0, 8, 0, window.PlusRifeStav, &window.Panel3},
  };
  for (const Bar& expected : bars) {
    SCOPED_TRACE(expected.bar.name());
    EXPECT_EQ(expected.bar.min(), expected.min);
    EXPECT_EQ(expected.bar.max(), expected.max);
    EXPECT_EQ(expected.bar.position(), expected.position);
    EXPECT_EQ(expected.value.caption(), std::to_string(expected.position));
    EXPECT_EQ(expected.bar.parent(), expected.panel);
  }
  EXPECT_EQ(window.VelPism.smallChange(), 2);
  EXPECT_EQ(window.VelPism.largeChange(), 1);

  EXPECT_EQ(window.Zpusob_mereni.items(), (std::vector<std::string>{"Telemetricky", "Elektroda"}));
  EXPECT_EQ(window.Zpusob_mereni.columns(), 2);
  EXPECT_EQ(window.Zpusob_mereni.itemIndex(), 0);
  EXPECT_EQ(window.detail_samost3.items(), (std::vector<std::string>{"X", "[", "Σ"}));
  EXPECT_EQ(window.detail_samost3.itemIndex(), 0);
  EXPECT_EQ(window.detail_samost3.parent(), &window.Panel3);
  EXPECT_EQ(window.pops3.caption(), "Plus + %");
  EXPECT_EQ(window.PlusRifePop.caption(), "Export + %");
}

TEST_F(MainWindowDesign, EveryGroupHasItsRowAtTheRightEdgeInTheDesignedOrder) {
  const std::string_view topToBottom[] = {
      "QuantumMinerals", "Praparaty", "Praparaty2",  "Praparaty3",  "FinClub", "LR",
      "Koloidni",        "Zelene",    "HealthDetox", "BenedictusP", "Dedek",   "Mycomedika",
      "Harmonelo",       "NuSkin",    "Starlife",    "NastrZdr",    "Zinzino"};
  int previousTop = 0;
  for (std::string_view key : topToBottom) {
    SCOPED_TRACE(std::string(key));
    const TForm8::GroupRow row = window.groupRow(key);
    EXPECT_EQ(row.open.name(), key);
    EXPECT_EQ(row.selectAll.name(), row.group.selectAllButton);
    EXPECT_EQ(row.allSelected.name(), row.group.allSelectedIndicator);
    EXPECT_EQ(row.anySelected.name(), row.group.anySelectedIndicator);

    EXPECT_EQ(row.open.rect().width, 128);
    EXPECT_EQ(row.open.rect().height, 25);
    EXPECT_EQ(row.selectAll.caption(), "•");
    EXPECT_EQ(row.selectAll.rect().width, 12);
    EXPECT_EQ(row.selectAll.rect().height, 23);
    EXPECT_EQ(row.selectAll.rect().right(), row.open.rect().left);
    for (const forms::CheckBox* indicator : {&row.allSelected, &row.anySelected}) {
      EXPECT_EQ(indicator->rect().width, 14);
      EXPECT_EQ(indicator->rect().height, 19);
      EXPECT_EQ(indicator->caption(), "");
      EXPECT_FALSE(indicator->enabled());
      EXPECT_FALSE(indicator->checked());
    }
    EXPECT_EQ(row.allSelected.rect().right(), row.anySelected.rect().left);
    EXPECT_EQ(row.anySelected.rect().right(), row.selectAll.rect().left);
    EXPECT_EQ(row.allSelected.rect().left, 546);
    EXPECT_GT(row.open.rect().top, previousTop);
    previousTop = row.open.rect().top;
  }
  EXPECT_EQ(window.QuantumMinerals.rect().top, 162);
  EXPECT_EQ(window.Zinzino.rect().top, 539);
  EXPECT_THROW(window.groupRow("Velmira"), std::out_of_range);
}

TEST_F(MainWindowDesign, GroupButtonsCarryTheirDesignCaptions) {
  const std::pair<const forms::Button&, std::string_view> captions[] = {
      {window.Praparaty, "Přípravky1"},     {window.Praparaty2, "Přípravky2"},
      {window.Praparaty3, "Přípravky3"},    {window.Koloidni, "Koloidní stříbro"},
      {window.Zelene, "Zelené potraviny"},  {window.QuantumMinerals, "Quantum Minerals"},
      {window.BenedictusP, "Benedictus"},   {window.Dedek, "Dedek Korenar"},
      {window.NuSkin, "Nu Skin"},           {window.NastrZdr, "Nástroje zdraví"},
      {window.HealthDetox, "Health Detox"},
  };
  for (const auto& [button, caption] : captions)
    EXPECT_EQ(button.caption(), caption);
}

TEST_F(MainWindowDesign, IndicatorsCannotBeTickedByHand) {
  window.show();
  EXPECT_FALSE(app.tick(window.ChNuSkin, true));
  EXPECT_FALSE(app.click(window.ChKoloidx));
  EXPECT_FALSE(window.ChNuSkin.checked());
  EXPECT_FALSE(window.ChKoloidx.checked());
}

// Where the design lays one control on another on purpose.
bool designedToOverlap(const forms::Control& a, const forms::Control& b, const TForm8& window) {
  auto pair = [&](const forms::Control& x, const forms::Control& y) {
    return (&a == &x && &b == &y) || (&a == &y && &b == &x);
  };
  if (pair(window.PckPrep, window.InfoDopl) || pair(window.ZobrVPrep, window.InfoDopl)) return true;
  // The open buttons of the group rows are packed a pixel or two into each other.
  const bool bothOpenButtons =
      catalogue::findGroup(a.name()) != nullptr && catalogue::findGroup(b.name()) != nullptr;
  const int overlap =
      std::min(a.rect().bottom(), b.rect().bottom()) - std::max(a.rect().top, b.rect().top);
  return bothOpenButtons && overlap <= 2;
}

bool holds(const forms::Control& outer, const forms::Control& inner) {
  for (const forms::Panel* panel = inner.parent(); panel != nullptr; panel = panel->parent()) {
    if (panel == &outer) return true;
  }
  return false;
}

bool intersect(const Rect& a, const Rect& b) {
  return a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
}

TEST_F(MainWindowDesign, VisibleControlsLieInsideTheWindowWithoutCoveringEachOther) {
  std::vector<const forms::Control*> showing;
  for (const forms::Control* control : window.controls()) {
    if (control->showing()) showing.push_back(control);
  }
  // ResetAll appears beside the toggle buttons once a service code is typed.
  showing.push_back(&window.ResetAll);

  for (const forms::Control* control : showing) {
    const Rect rect = onWindow(*control);
    EXPECT_TRUE(rect.left >= 0 && rect.top >= 0 && rect.right() <= window.clientWidth() &&
                rect.bottom() <= window.clientHeight())
        << control->name();
    if (const forms::Panel* panel = control->parent()) {
      EXPECT_TRUE(control->rect().right() <= panel->rect().width &&
                  control->rect().bottom() <= panel->rect().height)
          << control->name() << " sticks out of " << panel->name();
    }
  }
  for (std::size_t i = 0; i < showing.size(); ++i) {
    for (std::size_t j = i + 1; j < showing.size(); ++j) {
      const forms::Control& a = *showing[i];
      const forms::Control& b = *showing[j];
      if (holds(a, b) || holds(b, a) || designedToOverlap(a, b, window)) continue;
      EXPECT_FALSE(intersect(onWindow(a), onWindow(b))) << a.name() << " covers " << b.name();
    }
  }
}

// Tahoma 8 pt: about 6 pixels for an average character, half that for a blank.
int textWidth(std::string_view text) {
  int width = 0;
  for (unsigned char c : text) {
    if ((c & 0xC0) == 0x80) continue;  // continuation byte of a UTF-8 sequence
    width += (c == ' ') ? 3 : 6;
  }
  return width;
}

TEST_F(MainWindowDesign, EveryDesignCaptionFitsItsControl) {
  constexpr int kBox = 17;         // a check box or radio button before its text
  constexpr int kButtonFrame = 4;  // a button's border on both sides
  for (const forms::Control* control : window.controls()) {
    const std::string caption = captionOf(*control);
    const int width = control->rect().width;
    switch (control->kind()) {
      case ControlKind::Button:
        EXPECT_LE(textWidth(caption) + kButtonFrame, width) << control->name();
        break;
      case ControlKind::CheckBox:
        EXPECT_LE((caption.empty() ? 13 : kBox + textWidth(caption)), width) << control->name();
        break;
      case ControlKind::Label:
      case ControlKind::Edit:
        EXPECT_LE(textWidth(caption), width) << control->name();
        break;
      case ControlKind::RadioGroup: {
        const auto& group = static_cast<const forms::RadioGroup&>(*control);
        EXPECT_LE(textWidth(caption), width) << control->name();
        for (const std::string& item : group.items()) {
          EXPECT_LE(kBox + textWidth(item), width / group.columns()) << control->name();
        }
        break;
      }
      default:
        break;
    }
  }
}

// The colour of a flag's pixel, from its left and top in hundredths of the flag.
std::uint32_t flagPixel(const forms::Image& strip, int flag, int xPercent, int yPercent) {
  return strip.at(flag * 39 + 36 * xPercent / 100, 23 * yPercent / 100);
}

TEST_F(MainWindowDesign, FlagStripShowsCzechBritishGermanAndRussianFlags) {
  const forms::Image& strip = window.Image1.image();
  ASSERT_EQ(strip.width, 153);
  ASSERT_EQ(strip.height, 23);
  EXPECT_EQ(strip, drawFlagStrip());
  const std::uint32_t white = 0xFFFFFFFFu;
  struct Sample {
    int flag, x, y;
    std::uint32_t colour;
  };
  const Sample samples[] = {
      {0, 90, 10, white},       {0, 90, 90, 0xFFD7141Au}, {0, 5, 50, 0xFF11457Eu},
      {1, 50, 50, 0xFFC8102Eu}, {1, 5, 50, 0xFFC8102Eu},  {1, 33, 16, 0xFF012169u},
      {1, 50, 5, 0xFFC8102Eu},  {2, 50, 10, 0xFF000000u}, {2, 50, 50, 0xFFDD0000u},
      {2, 50, 90, 0xFFFFCE00u}, {3, 50, 10, white},       {3, 50, 50, 0xFF0039A6u},
      {3, 50, 90, 0xFFD52B1Eu},
  };
  for (const Sample& sample : samples) {
    EXPECT_EQ(flagPixel(strip, sample.flag, sample.x, sample.y), sample.colour)
        << "flag " << sample.flag << " at " << sample.x << "%, " << sample.y << "%";
  }
  // Between the flags the window shows through.
  EXPECT_EQ(strip.at(37, 11), 0xFF9393FFu);
}

}  // namespace
}  // namespace tavi::editor
