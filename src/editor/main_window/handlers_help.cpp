#include <string>
#include <string_view>

#include "editor/main_window/main_window.h"
#include "texts/language.h"
#include "texts/text_table.h"

namespace tavi::editor {
namespace {

// The help documents come with the installation; the shell opens them with whatever viewer the
// desktop has, and a missing one is the shell's to report.
constexpr std::string_view kVelmiraCzech = R"(c:\KivTanOr5\PicWlud\Pellin.jpg)";
constexpr std::string_view kVelmiraSwedish = R"(c:\KivTanOr5\PicWlud\PellinSE.jpg)";
constexpr std::string_view kVelmiraOther = R"(c:\KivTanOr5\PicWlud\PellinEN.jpg)";
constexpr std::string_view kJoalisDocument = R"(c:\KivTanOr5\PicWlud\Joalis.txt)";
constexpr std::string_view kEnergyDocument = R"(c:\KivTanOr5\PicWlud\Energy.txt)";
constexpr std::string_view kDiochiDocument = R"(c:\KivTanOr5\PicWlud\Diochi.txt)";
constexpr std::string_view kDoTerraDocument = R"(c:\KivTanOr5\PicWlud\DoTerra.txt)";
constexpr std::string_view kNadejeDocument = R"(c:\KivTanOr5\PicWlud\Nadeje.txt)";
constexpr std::string_view kBachDocument = R"(c:\KivTanOr5\PicWlud\Bachovy.txt)";
constexpr std::string_view kBioligoDocument = R"(c:\KivTanOr5\PicWlud\Bioligo.txt)";
constexpr std::string_view kAustralianDocument = R"(c:\KivTanOr5\PicWlud\Australske.txt)";
constexpr std::string_view kHerbalDocument = R"(c:\KivTanOr5\PicWlud\HebalExtracts.pdf)";
constexpr std::string_view kSchusslerDocument = R"(c:\KivTanOr5\PicWlud\Schussler.txt)";
constexpr std::string_view kPreparationsDocument = R"(C:\KivTanOr5\PicWlud\PreparatP.pdf)";
// Followed by the language index and ".pdf".
constexpr std::string_view kSettingsDocumentStem = R"(C:\KivTanOr5\PicWlud\SettingInf)";

constexpr texts::MessageNumber kTherapyWarning = 41;
constexpr texts::MessageNumber kPathHelp = 403;
constexpr texts::MessageNumber kPreparationsHelp = 404;
constexpr texts::MessageNumber kDisplayHelp = 433;

}  // namespace

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
