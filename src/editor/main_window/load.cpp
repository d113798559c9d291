#include <algorithm>
#include <string>

#include "editor/main_window/main_window.h"
#include "store/settings_catalogue.h"
#include "texts/language.h"

namespace tavi::editor {
namespace {

// Smaller windows are drawn at 85 instead of 96 pixels per inch.
constexpr int kSmallerPixelsPerInch = 85;
constexpr int kUpgradeFontSize = 10;

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

}  // namespace tavi::editor
