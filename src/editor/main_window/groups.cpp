#include <algorithm>
#include <stdexcept>
#include <string>
#include <string_view>

#include "catalogue/product_flags.h"
#include "editor/main_window/main_window.h"
#include "editor/own_preparations_window.h"
#include "editor/product_window.h"

namespace tavi::editor {
namespace {

struct GroupHandlers {
  std::string_view key;
  void (TForm8::*open)();
  void (TForm8::*selectAll)();
};

constexpr GroupHandlers kGroupHandlers[] = {
    {"QuantumMinerals", &TForm8::QuantumMineralsClick, &TForm8::QuantumMineralsAllClick},
    {"Praparaty", &TForm8::PraparatyClick, &TForm8::PraparatyAllClick},
    {"Praparaty2", &TForm8::Praparaty2Click, &TForm8::Praparaty2AllClick},
    {"Praparaty3", &TForm8::Praparaty3Click, &TForm8::Praparaty3AllClick},
    {"FinClub", &TForm8::FinClubClick, &TForm8::FinClubAllClick},
    {"LR", &TForm8::LRClick, &TForm8::LRAllClick},
    {"Koloidni", &TForm8::KoloidniClick, &TForm8::KoloidniAllClick},
    {"Zelene", &TForm8::ZeleneClick, &TForm8::ZeleneAllClick},
    {"HealthDetox", &TForm8::HealthDetoxClick, &TForm8::HealthDetoxAllClick},
    {"BenedictusP", &TForm8::BenedictusPClick, &TForm8::TlBenedisctusClick},
    {"Dedek", &TForm8::DedekClick, &TForm8::DedekAllClick},
    {"Mycomedika", &TForm8::MycomedikaClick, &TForm8::MycomedikaAllClick},
    {"Harmonelo", &TForm8::HarmoneloClick, &TForm8::HarmoneloAllClick},
    {"NuSkin", &TForm8::NuSkinClick, &TForm8::NuSkinAllClick},
    {"Starlife", &TForm8::StarlifeClick, &TForm8::StarlifeAllClick},
    {"NastrZdr", &TForm8::NastrZdrClick, &TForm8::NastrZdrAllClick},
    {"Zinzino", &TForm8::ZinzinoClick, &TForm8::ZinzinoAllClick},
};

TProductWindow& selectionWindow(const WindowSet& windows, const catalogue::ProductGroup& group) {
  TProductWindow* window = windows.productWindow(group.window);
  if (window == nullptr) {
    throw std::logic_error("the selection window " + std::string(group.window) +
                           " does not exist yet");
  }
  return *window;
}

}  // namespace

void TForm8::bindGroupHandlers() {
  for (const GroupHandlers& handlers : kGroupHandlers) {
    GroupRow row = groupRow(handlers.key);
    row.open.onClick = [this, open = handlers.open] { (this->*open)(); };
    row.selectAll.onClick = [this, selectAll = handlers.selectAll] { (this->*selectAll)(); };
  }
}

void TForm8::openGroup(std::string_view key) {
  TProductWindow& window = selectionWindow(windows_, groupRow(key).group);
  window.show();
  window.NastavClick();
}

void TForm8::selectWholeGroup(std::string_view key) {
  // The indicators that decide below are only as good as the load that set them.
  if (!loaded_.allowsSave(app().desktop(), windows_.Languagem)) return;
  GroupRow row = groupRow(key);
  TProductWindow& window = selectionWindow(windows_, row.group);
  window.show();
  window.NastavClick();
  // The indicator as last refreshed decides, even when another program has changed the flag
  // files since: all selected deselects the group, anything less selects all of it.
  window.CheckVSE.setChecked(!row.allSelected.checked());
  window.VseClick();
}

void TForm8::MePreparatClick() {
  if (windows_.Form25 == nullptr) throw std::logic_error("the own preparations window is missing");
  windows_.Form25->show();
  windows_.Form25->NastavClick();
}

void TForm8::QuantumMineralsClick() {
  openGroup("QuantumMinerals");
}
void TForm8::PraparatyClick() {
  openGroup("Praparaty");
}
void TForm8::Praparaty2Click() {
  openGroup("Praparaty2");
}
void TForm8::Praparaty3Click() {
  openGroup("Praparaty3");
}
void TForm8::FinClubClick() {
  openGroup("FinClub");
}
void TForm8::LRClick() {
  openGroup("LR");
}
void TForm8::KoloidniClick() {
  openGroup("Koloidni");
}
void TForm8::ZeleneClick() {
  openGroup("Zelene");
}
void TForm8::HealthDetoxClick() {
  openGroup("HealthDetox");
}
void TForm8::BenedictusPClick() {
  openGroup("BenedictusP");
}
void TForm8::DedekClick() {
  openGroup("Dedek");
}
void TForm8::MycomedikaClick() {
  openGroup("Mycomedika");
}
void TForm8::HarmoneloClick() {
  openGroup("Harmonelo");
}
void TForm8::NuSkinClick() {
  openGroup("NuSkin");
}
void TForm8::StarlifeClick() {
  openGroup("Starlife");
}
void TForm8::NastrZdrClick() {
  openGroup("NastrZdr");
}
void TForm8::ZinzinoClick() {
  openGroup("Zinzino");
}

void TForm8::QuantumMineralsAllClick() {
  selectWholeGroup("QuantumMinerals");
}
void TForm8::PraparatyAllClick() {
  selectWholeGroup("Praparaty");
}
void TForm8::Praparaty2AllClick() {
  selectWholeGroup("Praparaty2");
}
void TForm8::Praparaty3AllClick() {
  selectWholeGroup("Praparaty3");
}
void TForm8::FinClubAllClick() {
  selectWholeGroup("FinClub");
}
void TForm8::LRAllClick() {
  selectWholeGroup("LR");
}
void TForm8::KoloidniAllClick() {
  selectWholeGroup("Koloidni");
}
void TForm8::ZeleneAllClick() {
  selectWholeGroup("Zelene");
}
void TForm8::HealthDetoxAllClick() {
  selectWholeGroup("HealthDetox");
}
void TForm8::TlBenedisctusClick() {
  selectWholeGroup("BenedictusP");
}
void TForm8::DedekAllClick() {
  selectWholeGroup("Dedek");
}
void TForm8::MycomedikaAllClick() {
  selectWholeGroup("Mycomedika");
}
void TForm8::HarmoneloAllClick() {
  selectWholeGroup("Harmonelo");
}
void TForm8::NuSkinAllClick() {
  selectWholeGroup("NuSkin");
}
void TForm8::StarlifeAllClick() {
  selectWholeGroup("Starlife");
}
void TForm8::NastrZdrAllClick() {
  selectWholeGroup("NastrZdr");
}
void TForm8::ZinzinoAllClick() {
  selectWholeGroup("Zinzino");
}

void TForm8::VyplnCtvereckyClick() {
  // Only existence is tested, so a missing PrepSwich folder simply leaves every box unticked.
  const catalogue::SelectedProducts flags(windows_.files);
  auto selected = [&flags](catalogue::ProductIndex index) { return flags.contains(index); };
  for (const catalogue::ProductGroup& group : catalogue::allGroups()) {
    GroupRow row = groupRow(group.key);
    row.allSelected.setChecked(std::all_of(group.products.begin(), group.products.end(), selected));
    row.anySelected.setChecked(std::any_of(group.products.begin(), group.products.end(), selected));
  }
}

}  // namespace tavi::editor
