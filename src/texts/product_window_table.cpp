#include "texts/product_window_table.h"

namespace tavi::texts {
namespace {

// German and Swedish 47 are worded here as these windows have always shown them.
// clang-format off
constexpr TextRow kColloidalSilver{28, {"Koloidní stříbro", "Colloidal silver", "Kolloidales Silber", "Kolloidalt silver", "Коллоидное серебро"}};
constexpr TextRow kPreparations{47, {"Přípravky", "Preparations", "Preparations", "Preparation", "Препараты"}};
constexpr TextRow kSave{418, {"Uložit", "Save", "Speichern", "Spara", "Сохранить"}};
constexpr TextRow kClose{419, {"Konec", "Close", "Ende", "Stäng", "Конец"}};
constexpr TextRow kMarkAllAndSave{429, {"Označit vše a uložit", "Mark all and save", "Alles markieren und speichern", "Markera alla och spara", "Отметить все и сохранить"}};
constexpr TextRow kGreenFood = czechAndEnglish(901, "Zelené potraviny", "Green food");
// clang-format on

constexpr TextRow kRows[] = {kColloidalSilver, kPreparations, kSave, kClose, kMarkAllAndSave};
constexpr TextRow kRowsWithGreenFood[] = {kColloidalSilver, kPreparations,   kSave,
                                          kClose,           kMarkAllAndSave, kGreenFood};

}  // namespace

TextTable productWindowTextTable() {
  return TextTable(kRows);
}

TextTable productWindowTextTableWithGreenFood() {
  return TextTable(kRowsWithGreenFood);
}

}  // namespace tavi::texts
