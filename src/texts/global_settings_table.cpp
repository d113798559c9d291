#include "texts/global_settings_table.h"

namespace tavi::texts {
namespace {

// clang-format off
constexpr TextRow kRows[] = {
    {28, {"Koloidní stříbro", "Colloidal silver", "Kolloidales Silber", "Kolloidalt silver", "Коллоидное серебро"}},
    {47, {"Přípravky", "Preparations", "Präparationen", "Utvärdering", "Препараты"}},
    {48, {"Uložit", "Save", "Speichern", "Spara", "Сохранить"}},
    {419, {"Konec", "Close", "Ende", "Stäng", "Конец"}},
    sameInEveryLanguage(420, "Velmira"),
    czechAndEnglish(901, "Zelené potraviny", "Green food"),
    {2250, {"Přípravky vlastní", "Preparations own", "Eigene Präparationen", "Förberedelser egna", "Препараты собственные"}},
    {2701, {"Text na horní liště:", "Window bar text:", "Fensterbalkentext:", "Fönstrets text:", "Текст строки окна:"}},
    {2702, {"Text nad frekvencemi:", "Text above frequencies:", "Text über Frequenzen:", "Text över frekvenser:", "Текст над частотами:"}},
    {2703, {"Logo - adresa umístění:", "Logo - location address:", "Logo - Standortadresse:", "Logo - adress:", "Лого - адрес местонахождения:"}},
    {2704, {"Barva hlavních oken:", "Main window color:", "Farbe des Hauptfensters:", "Huvudfönstrets färg:", "Цвет главного окна:"}},
    {2705, {"Barva vedlejších oken:", "Side window color:", "Seitenfensterfarbe:", "Sidofönsterfärg:", "Цвет бокового окна:"}},
    {2706, {"Výchozí nastavení", "Default settings", "Standardeinstellungen", "Standardinställningar", "Настройки по умолчанию"}},
    {2707, {"Barva tlačítek:", "Button color:", "Knopffarbe:", "Knappfärg:", "Цвет кнопки:"}},
    {2708, {"Přípravky: skrýt", "Preparations: hide", "Präparationen: ausblenden", "Utvärdering: dölj", "Препараты: скрыть"}},
};
// clang-format on

}  // namespace

TextTable globalSettingsTextTable() {
  return TextTable(kRows);
}

}  // namespace tavi::texts
