#include "texts/own_preparations_table.h"

namespace tavi::texts {
namespace {

// 28, 47 and 429 are not shown here; the window shares them with the selection windows.
// clang-format off
constexpr TextRow kRows[] = {
    {28, {"Koloidní stříbro", "Colloidal silver", "Kolloidales Silber", "Kolloidalt silver", "Коллоидное серебро"}},
    {47, {"Přípravky", "Preparations", "Preparations", "Preparation", "Препараты"}},
    {418, {"Uložit", "Save", "Speichern", "Spara", "Сохранить"}},
    {419, {"Konec", "Close", "Ende", "Stäng", "Конец"}},
    {429, {"Označit vše a uložit", "Mark all and save", "Alles markieren und speichern", "Markera alla och spara", "Отметить все и сохранить"}},
    {2250, {"Přípravky vlastní", "Preparations own", "Eigene Preparations", "Förberedelser egna", "Препараты собственные"}},
    {2251, {"Prosím, odstraňte prázdné položky.", "Please remove empty items.", "Bitte entfernen Sie leere Positionen.", "Ta bort tomma föremål.", "Пожалуйста, удалите пустые предметы."}},
    {2252, {"Prosím, odstraňte zdvojené položky.", "Please remove duplicates.", "Bitte entfernen Sie Duplikate", "Ta bort dubbletter.", "Пожалуйста, удалите дубликаты."}},
};
// clang-format on

}  // namespace

TextTable ownPreparationsTextTable() {
  return TextTable(kRows);
}

}  // namespace tavi::texts
