#include "editor/product_window.h"

#include <stdexcept>
#include <string_view>

#include "catalogue/product_flags.h"
#include "catalogue/product_names.h"
#include "editor/main_window.h"
#include "editor/product_window_texts.h"
#include "store/settings_catalogue.h"
#include "texts/language.h"

namespace tavi::editor {
namespace {

constexpr std::string_view kHealthDetoxDocument1 = R"(c:\KivTanOr5\HealthDetox1.pdf)";
constexpr std::string_view kHealthDetoxDocument2 = R"(c:\KivTanOr5\HealthDetox2.pdf)";

constexpr texts::MessageNumber kSaveText = 418;
constexpr texts::MessageNumber kCloseText = 419;
constexpr texts::MessageNumber kMarkAllText = 429;

const catalogue::ProductGroup& groupOf(const ProductWindowDesign& design) {
  const catalogue::ProductGroup* group = catalogue::findGroup(design.groupKey);
  if (group == nullptr) {
    throw std::invalid_argument("no product group is called " + std::string(design.groupKey));
  }
  return *group;
}

}  // namespace

TProductWindow::TProductWindow(forms::Application& app, WindowSet& windows,
                               const ProductWindowDesign& design)
    : Form(app, std::string(design.name), std::string(design.designCaption), design.clientWidth,
           design.clientHeight),
      windows_(windows),
      design_(design),
      group_(groupOf(design)),
      table_(design.greenFoodText ? productWindowTextTableWithGreenFood()
                                  : productWindowTextTable()),
      layout_(layOutProductWindow(design)),
      boxes_([&] {
        std::vector<std::unique_ptr<forms::CheckBox>> boxes;
        for (const auto& [index, rect] : layout_.boxes) {
          boxes.push_back(std::make_unique<forms::CheckBox>(
              *this, catalogue::checkBoxName(group_, index), rect,
              std::string(catalogue::FADoplnky(index, texts::kCzech))));
        }
        return boxes;
      }()),
      CheckVSE(*this, "CheckVSE", layout_.checkAll, ""),
      Vse(*this, "Vse", layout_.selectAll, "Označit vše a uložit"),
      Uloz(*this, "Uloz", layout_.save, "Uložit"),
      Konec(*this, "Konec", layout_.close, "Konec"),
      Nastav(*this, "Nastav", layout_.fill, "Nastav") {
  setColor(forms::Color::silver());
  // The box beside Vse holds the state that Vse applies.
  CheckVSE.setLabel(Vse);
  Nastav.setVisible(false);
  if (design.documentButtons) {
    Info1.emplace(*this, "Info1", layout_.document1, "Info1");
    Info2.emplace(*this, "Info2", layout_.document2, "Info2");
    Info1->onClick = [this] { Info1Click(); };
    Info2->onClick = [this] { Info2Click(); };
  }
  Vse.onClick = [this] { VseClick(); };
  Uloz.onClick = [this] { UlozClick(); };
  Konec.onClick = [this] { KonecClick(); };
  Nastav.onClick = [this] { NastavClick(); };
  centre();
  windows.*design.instance = this;
}

forms::CheckBox& TProductWindow::product(catalogue::ProductIndex index) const {
  const std::string name = catalogue::checkBoxName(group_, index);
  for (const auto& box : boxes_) {
    if (box->name() == name) return *box;
  }
  throw std::out_of_range("the window " + this->name() + " has no box " + name);
}

std::string TProductWindow::FATisk(int volba) const {
  return std::string(table_.editorText(volba, windows_.Languagem));
}

void TProductWindow::NastavClick() {
  filled_.run([this] { fill(); });
}

void TProductWindow::fill() {
  store::SettingsFiles& files = windows_.files;
  setColor(files.FlagExists(store::kDarkThemeFlag) ? forms::Color::grey() : forms::Color::silver());
  // A language file too short to read ends the fill here; the window keeps its texts.
  windows_.Languagem = texts::loadLanguage(files);
  if (design_.titleText != 0) {
    setCaption(FATisk(design_.titleText) + std::string(design_.titleSuffix));
  }
  Uloz.setCaption(FATisk(kSaveText));
  Konec.setCaption(FATisk(kCloseText));
  Vse.setCaption(FATisk(kMarkAllText));
  for (const catalogue::ProductIndex index : group_.products) {
    product(index).setCaption(std::string(catalogue::FADoplnky(index, windows_.Languagem)));
  }
  const catalogue::SelectedProducts selected(files);
  for (const catalogue::ProductIndex index : group_.products) {
    product(index).setChecked(selected.contains(index));
  }
  centre();
}

void TProductWindow::VseClick() {
  for (const auto& box : boxes_)
    box->setChecked(CheckVSE.checked());
  UlozClick();
}

void TProductWindow::UlozClick() {
  // Boxes not set from the flag files would delete the stored selection.
  if (!filled_.allowsSave(app().desktop())) return;
  // A flag that cannot be written ends the save at that product: the indicators are not
  // refreshed and the window stays open.
  for (const catalogue::ProductIndex index : group_.products) {
    if (product(index).checked()) {
      catalogue::selectProduct(windows_.files, index);
    } else {
      catalogue::deselectProduct(windows_.files, index);
    }
  }
  if (windows_.Form8 != nullptr) windows_.Form8->VyplnCtvereckyClick();
  hide();
}

void TProductWindow::KonecClick() {
  hide();
}

void TProductWindow::Info1Click() {
  app().desktop().shellOpen(kHealthDetoxDocument1);
}

void TProductWindow::Info2Click() {
  app().desktop().shellOpen(kHealthDetoxDocument2);
}

}  // namespace tavi::editor
