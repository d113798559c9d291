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

}  // namespace tavi::editor
