#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

#include "editor/global_settings_window.h"
#include "editor/language_window.h"
#include "editor/main_window/main_window.h"
#include "editor/main_window/service_codes.h"
#include "store/settings_catalogue.h"
#include "store/settings_paths.h"
#include "store/suite_files.h"
#include "texts/language.h"
#include "texts/text_table.h"

namespace tavi::editor {
namespace {

// Each tiny button owns one flag file, read by the suite's other programs; the extended ranges'
// switch also widens the sensitivity and "Plus + %" ranges of this window at its next start.
constexpr std::string_view kProcZatTlFlag = R"(C:\KivTanOr5\datZatPr.dat)";
constexpr std::string_view kStavPredTlFlag = R"(C:\KivTanOr5\PredViz.dat)";
constexpr std::string_view kTher6Flag = R"(C:\KivTanOr5\Ther6.dat)";
constexpr std::string_view kRozsireniSWEFlag = store::kExtendedRangesSwitch;

constexpr texts::MessageNumber kHoldElectrodes = 426;

// The "Plus + %" bars store a step; the user sees the percentage it stands for. Steps 9 to 13
// exist only on the extended range of `pricist`.
constexpr std::array<int, 14> kStepPercent = {0,   25,  50,  75,  100, 150, 200,
                                              250, 300, 400, 500, 600, 750, 1000};

int Toprocet(int step) {
  if (step < 0 || step >= static_cast<int>(kStepPercent.size())) {
    throw std::out_of_range("no percentage for step " + std::to_string(step));
  }
  return kStepPercent[static_cast<std::size_t>(step)];
}

constexpr texts::MessageNumber kWrongPort = 122;

// "1" to "99", written without a leading zero, sign or blank.
bool isPortNumber(const std::string& text) {
  auto digit = [](char c, char lowest) { return c >= lowest && c <= '9'; };
  if (text.size() == 1) return digit(text[0], '1');
  if (text.size() == 2) return digit(text[0], '1') && digit(text[1], '0');
  return false;
}

// The help documents come with the installation; the shell opens them with whatever viewer the
// desktop has, and a missing one is the shell's to report.
// The suite has always opened the descriptions on drive "c:" and the preparations' document on
// "C:"; the shell sees the path as written.
constexpr std::string_view kDescriptions = R"(c:\KivTanOr5\PicWlud)";
constexpr std::string_view kDocuments = R"(C:\KivTanOr5\PicWlud)";
using store::windowsPath;
constexpr std::string_view kVelmiraCzech = windowsPath<kDescriptions, store::kVelmiraPictureCzech>;
constexpr std::string_view kVelmiraSwedish =
    windowsPath<kDescriptions, store::kVelmiraPictureSwedish>;
constexpr std::string_view kVelmiraOther = windowsPath<kDescriptions, store::kVelmiraPictureOther>;
constexpr std::string_view kJoalisDocument = windowsPath<kDescriptions, store::kJoalisDescription>;
constexpr std::string_view kEnergyDocument = windowsPath<kDescriptions, store::kEnergyDescription>;
constexpr std::string_view kDiochiDocument = windowsPath<kDescriptions, store::kDiochiDescription>;
constexpr std::string_view kDoTerraDocument =
    windowsPath<kDescriptions, store::kDoTerraDescription>;
constexpr std::string_view kNadejeDocument = windowsPath<kDescriptions, store::kNadejeDescription>;
constexpr std::string_view kBachDocument = windowsPath<kDescriptions, store::kBachDescription>;
constexpr std::string_view kBioligoDocument =
    windowsPath<kDescriptions, store::kBioligoDescription>;
constexpr std::string_view kAustralianDocument =
    windowsPath<kDescriptions, store::kAustralianDescription>;
constexpr std::string_view kHerbalDocument = windowsPath<kDescriptions, store::kHerbalDescription>;
constexpr std::string_view kSchusslerDocument =
    windowsPath<kDescriptions, store::kSchusslerDescription>;
constexpr std::string_view kPreparationsDocument =
    windowsPath<kDocuments, store::kPreparationsDescription>;
// Followed by the language index and ".pdf".
constexpr std::string_view kSettingsDocumentStem = R"(C:\KivTanOr5\PicWlud\SettingInf)";

constexpr texts::MessageNumber kTherapyWarning = 41;
constexpr texts::MessageNumber kPathHelp = 403;
constexpr texts::MessageNumber kPreparationsHelp = 404;
constexpr texts::MessageNumber kDisplayHelp = 433;

}  // namespace

void TForm8::bindOptionHandlers() {
  nastav_citlivost.onChange = [this] { nastav_citlivostChange(); };
  nastav_limit.onChange = [this] { nastav_limitChange(); };
  VelPism.onChange = [this] { VelPismChange(); };
  pricist.onChange = [this] { pricistChange(); };
  PlusRife.onChange = [this] { PlusRifeChange(); };
  Zpusob_mereni.onClick = [this] { Zpusob_mereniClick(); };

  COM_Nr.onExit = [this] { COM_NrExit(); };
  COM_Nr.onKeyDown = [this](forms::Key key) { COM_NrKeyDown(key); };
  ResetAll.onClick = [this] { ResetAllClick(); };

  ProcZatTl.onClick = [this] { ProcZatTlClick(); };
  StavPredTl.onClick = [this] { StavPredTlClick(); };
  Ther6.onClick = [this] { Ther6Click(); };
  RozsireniSWE.onClick = [this] { RozsireniSWEClick(); };

  bindHelpHandlers();

  Upgrade2.onClick = [this] { Upgrade4Click(); };
  // The link opens from the keyboard too.
  Upgrade2.onKeyDown = [this](forms::Key key) {
    if (key == forms::Key::Enter) Upgrade4Click();
  };
  Image1.onClick = [this] { Image1Click(); };
  BtColor.onClick = [this] { BtColorClick(); };
  BtDBZ.onClick = [this] { BtDBZClick(); };
}

void TForm8::nastav_citlivostChange() {
  citlivost_ukazatel1.setCaption(std::to_string(nastav_citlivost.position()));
}

void TForm8::nastav_limitChange() {
  limit_ukazatel.setCaption(std::to_string(nastav_limit.position()));
}

void TForm8::VelPismChange() {
  UkazatelPismo.setCaption(std::to_string(VelPism.position()));
}

void TForm8::pricistChange() {
  Kolikmin.setCaption(std::to_string(Toprocet(pricist.position())));
}

void TForm8::PlusRifeChange() {
  PlusRifeStav.setCaption(std::to_string(Toprocet(PlusRife.position())));
}

void TForm8::Zpusob_mereniClick() {
  // The save stores the choice; here the user is only reminded what the electrode asks of them.
  if (Zpusob_mereni.itemIndex() == 1) app().desktop().showMessage(FATisk(kHoldElectrodes));
}

void TForm8::toggleFlag(std::string_view path) {
  if (windows_.files.FlagExists(path)) {
    windows_.files.ClearFlag(path);
  } else {
    windows_.files.SetFlag(path);
  }
}

void TForm8::ProcZatTlClick() {
  toggleFlag(kProcZatTlFlag);
}

void TForm8::StavPredTlClick() {
  toggleFlag(kStavPredTlFlag);
}

void TForm8::Ther6Click() {
  toggleFlag(kTher6Flag);
}

void TForm8::RozsireniSWEClick() {
  toggleFlag(kRozsireniSWEFlag);
}

void TForm8::Upgrade4Click() {
  app().desktop().shellOpen(kUpgradePage);
}

void TForm8::Image1Click() {
  if (windows_.Form9 == nullptr) throw std::logic_error("the language window is missing");
  windows_.Form9->show();
}

void TForm8::BtColorClick() {
  // A port typed since the load is dropped, as the service codes drop theirs.
  restoreComField();
  openGlobalSettings(windows_, GlobalSettingsMode::Colour);
}

void TForm8::BtDBZClick() {
  // Once shown, the field stays until the next start; the save stores it only while shown.
  CestaDBZ.setVisible(true);
}

void TForm8::COM_NrExit() {
  checkComField();
}

void TForm8::COM_NrKeyDown(forms::Key key) {
  // Every other key is the field's own business; nothing is filtered while typing.
  if (key == forms::Key::Enter) checkComField();
}

void TForm8::checkComField() {
  const std::string text = COM_Nr.text();
  // A service code is no port and is never reported as a wrong one.
  const bool serviceCode = serviceFunction(text).has_value();
  ResetAll.setVisible(serviceCode);
  if (serviceCode || text.empty()) return;
  if (isPortNumber(text)) return;
  app().desktop().showMessage(FATisk(kWrongPort));
  COM_Nr.setText("");
  setFocus(COM_Nr);
}

void TForm8::bindHelpHandlers() {
  IVelmira.onClick = [this] { IVelmiraClick(); };
  IJoalis.onClick = [this] { IJoalisClick(); };
  IEnergy.onClick = [this] { IEnergyClick(); };
  IDiochi.onClick = [this] { IDiochiClick(); };
  IdoTERRA.onClick = [this] { IdoTERRAClick(); };
  INadeje.onClick = [this] { INadejeClick(); };
  IBachBox.onClick = [this] { IBachBoxClick(); };
  IBioligo.onClick = [this] { IBioligoClick(); };
  IAustralske.onClick = [this] { IAustralskeClick(); };
  IBenedictus.onClick = [this] { IBenedictusClick(); };
  ISchlussler.onClick = [this] { ISchlusslerClick(); };
  IPrepPrep.onClick = [this] { IPrepPrepClick(); };
  SettingInfo.onClick = [this] { SettingInfoClick(); };

  Info.onClick = [this] { InfoClick(); };
  InfoDopl.onClick = [this] { InfoDoplClick(); };
  IPrepPrepPrep.onClick = [this] { InfoDoplClick(); };
  InfoPC.onClick = [this] { InfoPCClick(); };
  Info_pouz.onClick = [this] { Info_pouzClick(); };
}

void TForm8::IVelmiraClick() {
  switch (windows_.Languagem) {
    case texts::kCzech:
      app().desktop().shellOpen(kVelmiraCzech);
      break;
    case texts::kSwedish:
      app().desktop().shellOpen(kVelmiraSwedish);
      break;
    default:
      app().desktop().shellOpen(kVelmiraOther);
      break;
  }
}

void TForm8::IJoalisClick() {
  app().desktop().shellOpen(kJoalisDocument);
}

void TForm8::IEnergyClick() {
  app().desktop().shellOpen(kEnergyDocument);
}

void TForm8::IDiochiClick() {
  app().desktop().shellOpen(kDiochiDocument);
}

void TForm8::IdoTERRAClick() {
  app().desktop().shellOpen(kDoTerraDocument);
}

void TForm8::INadejeClick() {
  app().desktop().shellOpen(kNadejeDocument);
}

void TForm8::IBachBoxClick() {
  app().desktop().shellOpen(kBachDocument);
}

void TForm8::IBioligoClick() {
  app().desktop().shellOpen(kBioligoDocument);
}

void TForm8::IAustralskeClick() {
  app().desktop().shellOpen(kAustralianDocument);
}

void TForm8::IBenedictusClick() {
  app().desktop().shellOpen(kHerbalDocument);
}

void TForm8::ISchlusslerClick() {
  app().desktop().shellOpen(kSchusslerDocument);
}

void TForm8::IPrepPrepClick() {
  app().desktop().shellOpen(kPreparationsDocument);
}

void TForm8::SettingInfoClick() {
  app().desktop().shellOpen(std::string(kSettingsDocumentStem) +
                            std::to_string(windows_.Languagem) + ".pdf");
}

void TForm8::InfoClick() {
  app().desktop().showMessage(FATisk(kTherapyWarning));
}

void TForm8::InfoDoplClick() {
  app().desktop().showMessage(FATisk(kPreparationsHelp));
}

void TForm8::InfoPCClick() {
  app().desktop().showMessage(FATisk(kDisplayHelp));
}

void TForm8::Info_pouzClick() {
  app().desktop().showMessage(FATisk(kPathHelp));
}

}  // namespace tavi::editor
