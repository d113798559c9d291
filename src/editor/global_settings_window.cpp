#include "editor/global_settings_window.h"

#include <array>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/product_lines.h"
#include "editor/global_settings_palette.h"
#include "editor/unstorable_text.h"
#include "store/settings_catalogue.h"
#include "texts/global_settings_table.h"
#include "texts/language.h"
#include "texts/program_messages_table.h"

namespace tavi::editor {
namespace {

// Read only by the suite's other programs.
constexpr std::string_view kBrandingFile = R"(C:\KivTanOr5\GlobalSetting.dll)";

constexpr texts::MessageNumber kColloidalSilver = 28;
constexpr texts::MessageNumber kPreparations = 47;
constexpr texts::MessageNumber kSave = 48;
constexpr texts::MessageNumber kClose = 419;
constexpr texts::MessageNumber kVelmira = 420;
constexpr texts::MessageNumber kGreenFood = 901;
constexpr texts::MessageNumber kOwnPreparations = 2250;
constexpr texts::MessageNumber kWindowBarText = 2701;
constexpr texts::MessageNumber kTextAboveFrequencies = 2702;
constexpr texts::MessageNumber kLogoLocation = 2703;
constexpr texts::MessageNumber kMainWindowColour = 2704;
constexpr texts::MessageNumber kSideWindowColour = 2705;
constexpr texts::MessageNumber kDefaultSettings = 2706;
constexpr texts::MessageNumber kButtonColour = 2707;
constexpr texts::MessageNumber kPreparationsHide = 2708;

constexpr std::string_view kHeadingIndent = "            ";  // twelve blanks

// The text rows at the top, each a label with its field.
constexpr int kLabelWidth = 174;
constexpr int kFieldLeft = 186;
constexpr int kFieldWidth = 294;
constexpr forms::Rect textLabel(int row) {
  return {8, 10 + row * 27, kLabelWidth, 13};
}
constexpr forms::Rect textField(int row) {
  return {kFieldLeft, 6 + row * 27, kFieldWidth, 21};
}

// The colour rows and the palette strips share one width, so item i stands over cell i.
constexpr int kRowLeft = 16;
constexpr int kRowWidth = kPaletteWidth + 4;
constexpr forms::Rect colourLabel(int top) {
  return {kRowLeft, top, 300, 13};
}
constexpr forms::Rect colourRow(int top) {
  return {kRowLeft, top, kRowWidth, 32};
}
constexpr forms::Rect paletteFrame(int top) {
  return {kRowLeft, top, kRowWidth, kPaletteHeight + 4};
}
constexpr forms::Rect paletteInFrame = {2, 2, kPaletteWidth, kPaletteHeight};

// The group boxes in two columns inside PSettingpreparat.
constexpr forms::Rect leftBox(int row) {
  return {16, 40 + row * 22, 224, 17};
}
constexpr forms::Rect rightBox(int row) {
  return {256, 40 + row * 22, 224, 17};
}

constexpr forms::Rect button(int column) {
  return {12 + column * 162, 448, 140, 30};
}

std::vector<std::string> colourItems() {
  return std::vector<std::string>(kPaletteCells);
}

std::string czechText(texts::MessageNumber number) {
  return std::string(texts::globalSettingsTextTable().editorText(number, texts::kCzech));
}

// The line of the box of that name, as the main window's box of the same name has it.
std::string czechProductLine(std::string_view box) {
  const catalogue::ProductLineId id = store::productLineFlag(box).productLine;
  std::string caption;
  catalogue::FAPreptech(id, caption, texts::kCzech);
  return caption;
}

}  // namespace

TForm27::TForm27(forms::Application& app, WindowSet& windows)
    : EditorWindow(app, windows, texts::globalSettingsTextTable(), "Form27", "Global Settings", 488,
                   487),
      NameWindowL(*this, "NameWindowL", textLabel(0), czechText(kWindowBarText)),
      NameWindow(*this, "NameWindow", textField(0), ""),
      NadpisWindowL(*this, "NadpisWindowL", textLabel(1), czechText(kTextAboveFrequencies)),
      NadpisWindow(*this, "NadpisWindow", textField(1), ""),
      AdrLogoL(*this, "AdrLogoL", textLabel(2), czechText(kLogoLocation)),
      AdrLogo(*this, "AdrLogo", textField(2), ""),
      WindowsColorL(*this, "WindowsColorL", colourLabel(90), czechText(kMainWindowColour)),
      WindowsColor(*this, "WindowsColor", colourRow(105), "", colourItems()),
      Panel1(*this, "Panel1", paletteFrame(139)),
      Image1(*this, "Image1", paletteInFrame, &Panel1),
      FrekvencyColorL(*this, "FrekvencyColorL", colourLabel(181), czechText(kSideWindowColour)),
      FrekvencyColor1(*this, "FrekvencyColor1", colourRow(196), "", colourItems()),
      FrekvencyColor2(*this, "FrekvencyColor2", colourRow(230), "", colourItems()),
      Panel2(*this, "Panel2", paletteFrame(264)),
      Image2(*this, "Image2", paletteInFrame, &Panel2),
      TlacitkaColorL(*this, "TlacitkaColorL", colourLabel(306), czechText(kButtonColour)),
      TlacitkaColor(*this, "TlacitkaColor", colourRow(321), "", colourItems()),
      PSettingpreparat(*this, "PSettingpreparat", {0, 0, 488, 440}),
      PVisble(*this, "PVisble", {8, 8, 472, 21},
              std::string(kHeadingIndent) + czechText(kPreparationsHide), &PSettingpreparat),
      Velmira(*this, "Velmira", leftBox(0), czechText(kVelmira), &PSettingpreparat),
      Joalis(*this, "Joalis", leftBox(1), czechProductLine("Joalis"), &PSettingpreparat),
      Energy(*this, "Energy", leftBox(2), czechProductLine("Energy"), &PSettingpreparat),
      Diochi(*this, "Diochi", leftBox(3), czechProductLine("Diochi"), &PSettingpreparat),
      doTERRA(*this, "doTERRA", leftBox(4), czechProductLine("doTERRA"), &PSettingpreparat),
      Nadeje(*this, "Nadeje", leftBox(5), czechProductLine("Nadeje"), &PSettingpreparat),
      Bioligo(*this, "Bioligo", leftBox(6), czechProductLine("Bioligo"), &PSettingpreparat),
      BachBox(*this, "BachBox", leftBox(7), czechProductLine("BachBox"), &PSettingpreparat),
      Australske(*this, "Australske", leftBox(8), czechProductLine("Australske"),
                 &PSettingpreparat),
      HerbalExtracts(*this, "HerbalExtracts", leftBox(9), czechProductLine("HerbalExtracts"),
                     &PSettingpreparat),
      Schlussler(*this, "Schlussler", leftBox(10), czechProductLine("Schlussler"),
                 &PSettingpreparat),
      MePreparat(*this, "MePreparat", leftBox(11), czechText(kOwnPreparations), &PSettingpreparat),
      QuantumMinerals(*this, "QuantumMinerals", rightBox(0), "Quantum Minerals", &PSettingpreparat),
      Praparaty(*this, "Praparaty", rightBox(1), czechText(kPreparations) + "1", &PSettingpreparat),
      Praparaty2(*this, "Praparaty2", rightBox(2), czechText(kPreparations) + "2",
                 &PSettingpreparat),
      Praparaty3(*this, "Praparaty3", rightBox(3), czechText(kPreparations) + "3",
                 &PSettingpreparat),
      FinClub(*this, "FinClub", rightBox(4), "FinClub", &PSettingpreparat),
      LR(*this, "LR", rightBox(5), "LR", &PSettingpreparat),
      Koloidni(*this, "Koloidni", rightBox(6), czechText(kColloidalSilver), &PSettingpreparat),
      Zelene(*this, "Zelene", rightBox(7), czechText(kGreenFood), &PSettingpreparat),
      HealthDetox(*this, "HealthDetox", rightBox(8), "Health Detox", &PSettingpreparat),
      BenedictusP(*this, "BenedictusP", rightBox(9), "Benedictus", &PSettingpreparat),
      Dedek(*this, "Dedek", rightBox(10), "Dedek Korenar", &PSettingpreparat),
      Mycomedika(*this, "Mycomedika", rightBox(11), "Mycomedika", &PSettingpreparat),
      Harmonelo(*this, "Harmonelo", rightBox(12), "Harmonelo", &PSettingpreparat),
      NuSkin(*this, "NuSkin", rightBox(13), "Nu Skin", &PSettingpreparat),
      Starlife(*this, "Starlife", rightBox(14), "Stalife", &PSettingpreparat),
      NastrZdr(*this, "NastrZdr", rightBox(15), "Nástroje zdraví", &PSettingpreparat),
      Zinzino(*this, "Zinzino", rightBox(16), "Zinzino", &PSettingpreparat),
      Uloz(*this, "Uloz", button(0), czechText(kSave)),
      VychoziNastav(*this, "VychoziNastav", button(1), czechText(kDefaultSettings)),
      Konec(*this, "Konec", button(2), czechText(kClose)),
      Start(*this, "Start", {8, 448, 75, 25}, "Start") {
  setColor(forms::Color::silver());
  for (forms::RadioGroup* row :
       {&WindowsColor, &FrekvencyColor1, &FrekvencyColor2, &TlacitkaColor}) {
    row->setColumns(kPaletteCells);
    row->setItemIndex(0);
  }
  NameWindow.setLabel(NameWindowL);
  NadpisWindow.setLabel(NadpisWindowL);
  AdrLogo.setLabel(AdrLogoL);
  WindowsColor.setLabel(WindowsColorL);
  FrekvencyColor1.setLabel(FrekvencyColorL);
  FrekvencyColor2.setLabel(FrekvencyColorL);
  TlacitkaColor.setLabel(TlacitkaColorL);
  // Each palette shows the colours of the rows above it.
  Image1.setLabel(WindowsColorL);
  Image2.setLabel(FrekvencyColorL);
  const forms::Image strip = paletteStrip();
  Image1.setImage(strip);
  Image2.setImage(strip);
  Start.setVisible(false);
  Uloz.onClick = [this] { UlozClick(); };
  VychoziNastav.onClick = [this] { VychoziNastavClick(); };
  Konec.onClick = [this] { KonecClick(); };
  Start.onClick = [this] { StartClick(); };
  centre();
  windows.Form27 = this;
}

void TForm27::open(GlobalSettingsMode mode) {
  show();
  const bool textRows = mode == GlobalSettingsMode::Branding;
  switch (mode) {
    case GlobalSettingsMode::Colour:
    case GlobalSettingsMode::Branding:
      PSettingpreparat.setVisible(false);
      for (forms::Control* control : std::initializer_list<forms::Control*>{
               &NameWindowL, &NadpisWindowL, &AdrLogoL, &NameWindow, &NadpisWindow, &AdrLogo}) {
        control->setVisible(textRows);
      }
      break;
    case GlobalSettingsMode::GroupHiding:
      // The panel covers the text and colour rows, which keep their state beneath it.
      PSettingpreparat.setVisible(true);
      break;
  }
  StartClick();
}

void TForm27::StartClick() {
  NameWindowL.setCaption(FATisk(kWindowBarText));
  NadpisWindowL.setCaption(FATisk(kTextAboveFrequencies));
  AdrLogoL.setCaption(FATisk(kLogoLocation));
  WindowsColorL.setCaption(FATisk(kMainWindowColour));
  FrekvencyColorL.setCaption(FATisk(kSideWindowColour));
  TlacitkaColorL.setCaption(FATisk(kButtonColour));
  PVisble.setText(std::string(kHeadingIndent) + FATisk(kPreparationsHide));

  // Nothing is read back from the files: every opening starts from the defaults.
  for (forms::RadioGroup* row :
       {&WindowsColor, &FrekvencyColor1, &FrekvencyColor2, &TlacitkaColor}) {
    row->setItemIndex(0);
  }
  NameWindow.setText("");
  NadpisWindow.setText("");
  AdrLogo.setText("");

  if (groupHidingMode()) {
    for (forms::Label* label : {&NameWindowL, &NadpisWindowL, &AdrLogoL, &WindowsColorL,
                                &FrekvencyColorL, &TlacitkaColorL}) {
      label->setVisible(false);
    }
    const texts::LanguageIndex language = windows_.Languagem;
    const auto productLine = [language](forms::CheckBox& box) {
      // An unknown language leaves the caption as it is.
      std::string caption = box.caption();
      catalogue::FAPreptech(store::productLineFlag(box.name()).productLine, caption, language);
      box.setCaption(std::move(caption));
    };
    Velmira.setCaption(FATisk(kVelmira));
    productLine(Joalis);
    productLine(Energy);
    productLine(Diochi);
    productLine(Nadeje);
    productLine(BachBox);
    productLine(Bioligo);
    productLine(doTERRA);
    productLine(Schlussler);
    productLine(Australske);
    productLine(HerbalExtracts);
    Praparaty.setCaption(FATisk(kPreparations) + "1");
    Praparaty2.setCaption(FATisk(kPreparations) + "2");
    Praparaty3.setCaption(FATisk(kPreparations) + "3");
    Koloidni.setCaption(FATisk(kColloidalSilver));
    Zelene.setCaption(FATisk(kGreenFood));
    MePreparat.setCaption(FATisk(kOwnPreparations));
  } else {
    WindowsColorL.setVisible(true);
    FrekvencyColorL.setVisible(true);
    TlacitkaColorL.setVisible(true);
  }

  Uloz.setCaption(FATisk(kSave));
  Konec.setCaption(FATisk(kClose));
  VychoziNastav.setCaption(FATisk(kDefaultSettings));
}

void TForm27::UlozClick() {
  std::vector<std::string> lines;
  if (groupHidingMode()) {
    for (const store::GroupHidingLine& line : store::groupHidingLines()) {
      const auto* box = dynamic_cast<const forms::CheckBox*>(findControl(line.name));
      if (box == nullptr) throw std::logic_error("no box for " + std::string(line.name));
      lines.emplace_back(box->checked() ? "1" : "0");
    }
    lines.resize(store::kGroupHidingFileLines, "0");
    windows_.files.WriteListFile(store::kGroupHidingFile, lines);
  } else {
    const std::string texts = NameWindow.text() + NadpisWindow.text() + AdrLogo.text();
    if (const std::string reason =
            unstorableReason(windows_.files.platform(), texts, windows_.Languagem);
        !reason.empty()) {
      app().desktop().showMessage(programMessage(tavi::texts::kTextsNotStorable, {reason}));
      return;
    }
    lines = {NameWindow.text(),
             NadpisWindow.text(),
             AdrLogo.text(),
             std::to_string(WindowsColor.itemIndex()),
             std::to_string(FrekvencyColor1.itemIndex()),
             std::to_string(FrekvencyColor2.itemIndex()),
             std::to_string(TlacitkaColor.itemIndex()),
             "",
             ""};
    windows_.files.WriteListFile(kBrandingFile, lines);
  }
  // Only reached when the file was written; a failed write leaves the editor running.
  app().terminate();
}

void TForm27::VychoziNastavClick() {
  windows_.files.ClearFlag(groupHidingMode() ? store::kGroupHidingFile : kBrandingFile);
  app().terminate();
}

void TForm27::KonecClick() {
  hide();
}

}  // namespace tavi::editor
