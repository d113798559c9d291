#include "editor/product_window.h"

#include <stdexcept>
#include <string_view>

#include "catalogue/product_flags.h"
#include "catalogue/product_names.h"
#include "editor/main_window/main_window.h"
#include "store/settings_catalogue.h"
#include "store/settings_paths.h"
#include "store/suite_files.h"
#include "texts/language.h"
#include "texts/product_window_table.h"

namespace tavi::editor {
namespace {

// On drive "c:", as the suite has always opened them.
constexpr std::string_view kDocumentFolder = R"(c:\KivTanOr5)";
constexpr std::string_view kHealthDetoxDocument1 =
    store::windowsPath<kDocumentFolder, store::kHealthDetoxDocument1>;
constexpr std::string_view kHealthDetoxDocument2 =
    store::windowsPath<kDocumentFolder, store::kHealthDetoxDocument2>;

constexpr texts::MessageNumber kSaveText = 418;
constexpr texts::MessageNumber kCloseText = 419;
constexpr texts::MessageNumber kMarkAllText = 429;

const catalogue::ProductGroup& groupOf(const ProductWindowDesign& design) {
  const catalogue::ProductGroup* group = catalogue::groupOfWindow(design.windowClass);
  if (group == nullptr) {
    throw std::invalid_argument("no product group has the window " +
                                std::string(design.windowClass));
  }
  return *group;
}

}  // namespace

TProductWindow::TProductWindow(forms::Application& app, WindowSet& windows,
                               const ProductWindowDesign& design)
    : EditorWindow(app, windows,
                   design.greenFoodText ? texts::productWindowTextTableWithGreenFood()
                                        : texts::productWindowTextTable(),
                   std::string(design.name), std::string(design.designCaption), design.clientWidth,
                   design.clientHeight),
      design_(design),
      group_(groupOf(design)),
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
  if (!filled_.allowsSave(app().desktop(), windows_.Languagem)) return;
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
