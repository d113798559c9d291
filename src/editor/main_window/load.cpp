#include <algorithm>
#include <array>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/product_lines.h"
#include "editor/main_window/main_window.h"
#include "store/settings_catalogue.h"
#include "texts/language.h"

namespace tavi::editor {
namespace {

// Smaller windows are drawn at 85 instead of 96 pixels per inch.
constexpr int kSmallerPixelsPerInch = 85;
constexpr int kUpgradeFontSize = 10;

// The text without its last character, which may take several bytes.
std::string withoutLastCharacter(std::string text) {
  if (text.empty()) return text;
  std::size_t end = text.size() - 1;
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
    --end;
  text.resize(end);
  return text;
}

}  // namespace

void TForm8::bindLoadSaveHandlers() {
  vyplnset.onClick = [this] { vyplnsetClick(); };
  Uloz.onClick = [this] { UlozClick(); };
}

void TForm8::vyplnsetClick() {
  loaded_.run([this] { load(); });
}

void TForm8::load() {
  store::SettingsFiles& files = windows_.files;
  show();
  Upgrade1.setFontSize(kUpgradeFontSize);
  Upgrade2.setFontSize(kUpgradeFontSize);
  applyWindowSwitches();
  windows_.Languagem = texts::loadLanguage(files);
  VegeTXT.setVisible(files.FlagExists(store::kVegeTxtSwitch));
  MePreparat.setVisible(files.FlagExists(store::kOwnPreparationsFile));
  hideGroupsSwitchedOffGlobally();
  if (windows_.Languagem == texts::kSwedish) Upgrade1.setText("Uppgradera");
  putCaptions();

  Cesta.setText(storedLine(store::valueSetting("Cesta").path));
  CestaDBZ.setText(storedLine(store::valueSetting("CestaDBZ").path));
  // Only the DBZ button shows the database folder; the save then stores it.
  CestaDBZ.setVisible(false);

  loadOptionFlags();
  loadProductLines();
  loadValues();
  centre();
  VyplnCtvereckyClick();
}

void TForm8::applyWindowSwitches() {
  const store::SettingsFiles& files = windows_.files;
  if (files.FlagExists(store::kExtendedRangesSwitch)) {
    nastav_citlivost.setMax(*store::valueSetting("nastav_citlivost").extendedMaximum);
    Citlivos_mala1.setCaption("150%");
    pricist.setMax(*store::valueSetting("pricist").extendedMaximum);
  }
  if (files.FlagExists(store::kScaleWindowsFlag)) {
    scaleTo(kSmallerPixelsPerInch);
    centre();
  }
}

void TForm8::loadFlag(forms::CheckBox& box) {
  const store::OptionFlag& flag = store::optionFlag(box.name());
  if (flag.load == store::FlagLoad::NotRead) return;
  const bool present = windows_.files.FlagExists(flag.path);
  box.setChecked(flag.sense == store::FlagSense::PresentTicks ? present : !present);
}

void TForm8::loadOptionFlags() {
  for (forms::CheckBox* box : {&PosF, &PosF2, &DetekMaxToDo, &Podadresar})
    loadFlag(*box);
  // The suite always offers Velmira; the box only shows that.
  Velmira.setChecked(true);
  loadFlag(AddFile);
  const store::OptionFlag& method = store::optionFlag("Zpusob_mereni");
  Zpusob_mereni.setItemIndex(windows_.files.FlagExists(method.path) ? *method.radioItem : 0);
  for (forms::CheckBox* box :
       {&OpenLast,     &Automat,     &EmailTiming,  &VegeTXT,   &NewVesion,    &NevT_Color,
        &BezDiakrit,   &BezDiakrit2, &ScaleWindows, &DarkColor, &ProtokolSUMA, &SlowPC,
        &ProcZobr,     &PrgRavo,     &PrgElzapp,    &Animal,    &MtdVsbl,      &YearFirs,
        &CheckProgram, &PckPrep,     &ZobrVPrep}) {
    loadFlag(*box);
  }
}

void TForm8::loadProductLines() {
  for (forms::CheckBox* box : {&BachBox, &HerbalExtracts, &Bioligo, &doTERRA, &Schlussler,
                               &Australske, &Energy, &Diochi, &Joalis, &Nadeje}) {
    box->setChecked(windows_.files.FlagExists(store::productLineFlag(box->name()).path));
  }
}

void TForm8::loadValues() {
  const store::SettingsFiles& files = windows_.files;
  // The stored byte, or the setting's default when its file is absent.
  auto stored = [&files](std::string_view control) -> int {
    const store::ValueSetting& setting = store::valueSetting(control);
    return files.FlagExists(setting.path) ? files.ReadByteFile(setting.path) : setting.defaultValue;
  };
  // An index past the last item shows the last item.
  const int lastItem = static_cast<int>(detail_samost3.items().size()) - 1;
  detail_samost3.setItemIndex(std::min(stored("detail_samost3"), lastItem));
  // The bars clamp a stored value into their range themselves.
  pricist.setPosition(stored("pricist"));
  PlusRife.setPosition(stored("PlusRife"));
  VelPism.setPosition(stored("VelPism"));

  const std::string_view zoom = store::valueSetting("ZoomWin").path;
  ZoomWin.setText(files.FlagExists(zoom) ? std::to_string(files.ReadByteFile(zoom)) : "");
  nastav_limit.setPosition(stored("nastav_limit"));
  COM_Nr.setText(storedLine(store::valueSetting("COM_Nr").path));
  // Without a stored sensitivity the bar keeps what it shows.
  const std::string_view sensitivity = store::valueSetting("nastav_citlivost").path;
  if (files.FlagExists(sensitivity)) nastav_citlivost.setPosition(files.ReadByteFile(sensitivity));
}

std::string TForm8::storedLine(std::string_view path) const {
  const store::SettingsFiles& files = windows_.files;
  return files.FlagExists(path) ? files.ReadLineFile(path) : std::string();
}

void TForm8::putCaptions() {
  // "Perc.:" becomes "Perc. [%]".
  ProcZobr.setCaption(withoutLastCharacter(FATisk(16401)) + " [%]");
  MePreparat.setCaption(FATisk(2250));
  Praparaty.setCaption(FATisk(47) + "1");
  Praparaty2.setCaption(FATisk(47) + "2");
  Praparaty3.setCaption(FATisk(47) + "3");
  Koloidni.setCaption(FATisk(28));
  Zelene.setCaption(FATisk(901));
  setCaption(FATisk(400));
  Edit2.setText(FATisk(405));
  Label3.setCaption(FATisk(406));
  Info_pouz.setCaption(FATisk(408));
  InfoDopl.setCaption(FATisk(409));
  Podadresar.setCaption(FATisk(410));
  BezDiakrit.setCaption(FATisk(430));
  BezDiakrit2.setCaption(FATisk(430) + " II");
  PrgRavo.setCaption(FATisk(412));
  PrgElzapp.setCaption(FATisk(413));
  AddFile.setCaption(FATisk(414));
  NewVesion.setCaption(FATisk(428));
  YearFirs.setCaption(FATisk(442) + ": " + windows_.files.platform().today());
  VegeTXT.setCaption(FATisk(438));
  OpenLast.setCaption(FATisk(434));
  ScaleWindows.setCaption(FATisk(431));
  DarkColor.setCaption(FATisk(436));
  ProtokolSUMA.setCaption(FATisk(437));
  SlowPC.setCaption(FATisk(432));
  InfoPC.setCaption(FATisk(400) + " PC");
  DetekMaxToDo.setCaption(FATisk(55));
  Edit1.setText(FATisk(415));
  Citlivos_popis1.setCaption(FATisk(416));
  Citlivos_popis2.setCaption(FATisk(435));
  Uloz.setCaption(FATisk(418));
  Konec.setCaption(FATisk(419));
  Citlivos_popis4.setCaption(FATisk(427));
  BtColor.setCaption(FATisk(443));
  CheckProgram.setCaption(FATisk(2709));
  Velmira.setCaption(FATisk(420));
  for (forms::CheckBox* box : {&Joalis, &Energy, &Diochi, &Nadeje, &BachBox, &Bioligo, &doTERRA,
                               &Schlussler, &Australske, &HerbalExtracts}) {
    // A language without names keeps the box's caption.
    std::string caption = box->caption();
    catalogue::FAPreptech(store::productLineFlag(box->name()).productLine, caption,
                          windows_.Languagem);
    box->setCaption(std::move(caption));
  }
  Zpusob_mereni.setCaption(FATisk(417));
  Zpusob_mereni.clearItems();
  Zpusob_mereni.addItem(FATisk(422));
  Zpusob_mereni.addItem(FATisk(423));
}

void TForm8::hideGroupsSwitchedOffGlobally() {
  const store::SettingsFiles& files = windows_.files;
  if (!files.FlagExists(store::kGroupHidingFile)) return;
  const std::vector<std::string> lines = files.ReadListFile(store::kGroupHidingFile);
  const std::span<const store::GroupHidingLine> named = store::groupHidingLines();
  // Lines past the named ones are read by the suite's other programs only; a short file is
  // fine.
  for (std::size_t i = 0; i < lines.size() && i < named.size(); ++i) {
    if (lines[i] != "1") continue;
    const store::GroupHidingLine& hidden = named[i];
    if (hidden.groupRow) {
      const GroupRow row = groupRow(hidden.name);
      for (forms::Control* control : std::array<forms::Control*, 4>{
               &row.open, &row.selectAll, &row.allSelected, &row.anySelected}) {
        control->setVisible(false);
      }
      continue;
    }
    for (std::string_view name : {hidden.name, hidden.infoButton}) {
      if (name.empty()) continue;
      forms::Control* control = findControl(name);
      if (control == nullptr) throw std::logic_error("the main window lacks " + std::string(name));
      control->setVisible(false);
    }
  }
}

}  // namespace tavi::editor
