#include "texts/program_messages_table.h"

namespace tavi::texts {
namespace {

// File names, paths and characters go in unchanged through %1 and %2.
// clang-format off
constexpr TextRow kRows[] = {
    {kCannotRead,
     {"Nelze přečíst %1: %2", "Cannot read %1: %2", "%1 kann nicht gelesen werden: %2",
      "Det går inte att läsa %1: %2", "Не удаётся прочитать %1: %2"}},
    {kCannotWrite,
     {"Nelze zapsat %1: %2", "Cannot write %1: %2", "%1 kann nicht geschrieben werden: %2",
      "Det går inte att skriva %1: %2", "Не удаётся записать %1: %2"}},
    {kCannotReplace,
     {"Nelze nahradit %1: %2", "Cannot replace %1: %2", "%1 kann nicht ersetzt werden: %2",
      "Det går inte att ersätta %1: %2", "Не удаётся заменить %1: %2"}},

    {kFileMissing,
     {"soubor neexistuje", "the file does not exist", "die Datei existiert nicht",
      "filen finns inte", "файл не существует"}},
    {kFolderMissing,
     {"složka neexistuje", "the folder does not exist", "der Ordner existiert nicht",
      "mappen finns inte", "папка не существует"}},
    {kIsFolder,
     {"je to složka, ne soubor", "it is a folder, not a file", "es ist ein Ordner, keine Datei",
      "det är en mapp, inte en fil", "это папка, а не файл"}},
    {kAccessDenied,
     {"přístup byl odepřen", "access is denied", "der Zugriff wurde verweigert",
      "åtkomst nekad", "доступ запрещён"}},
    {kWriteProtected,
     {"disk je chráněn proti zápisu", "the disk is write-protected",
      "der Datenträger ist schreibgeschützt", "disken är skrivskyddad",
      "диск защищён от записи"}},
    {kFileInUse,
     {"soubor používá jiný program", "the file is in use by another program",
      "die Datei wird von einem anderen Programm verwendet",
      "filen används av ett annat program", "файл используется другой программой"}},
    {kDiskFull,
     {"disk je plný", "the disk is full", "der Datenträger ist voll", "disken är full",
      "диск заполнен"}},
    {kFileEmpty,
     {"soubor je prázdný", "the file is empty", "die Datei ist leer", "filen är tom",
      "файл пуст"}},
    {kFileTooShort,
     {"soubor je příliš krátký", "the file is too short", "die Datei ist zu kurz",
      "filen är för kort", "файл слишком короткий"}},
    {kSameFile,
     {"je to tentýž soubor, který se má kopírovat", "it is the file to be copied itself",
      "es ist die zu kopierende Datei selbst", "det är själva filen som ska kopieras",
      "это и есть копируемый файл"}},
    {kPathTooLong,
     {"cesta je příliš dlouhá", "the path is too long", "der Pfad ist zu lang",
      "sökvägen är för lång", "путь слишком длинный"}},
    {kDeviceNotReady,
     {"zařízení není připraveno", "the device is not ready", "das Gerät ist nicht bereit",
      "enheten är inte klar", "устройство не готово"}},

    {kUnexpectedError,
     {"Neočekávaná chyba: %1", "Unexpected error: %1", "Unerwarteter Fehler: %1",
      "Oväntat fel: %1", "Непредвиденная ошибка: %1"}},
    {kNothingSaved,
     {"%1\n\nNic nebylo uloženo: toto okno nemohlo načíst uložená nastavení a uložením by je přepsalo.",
      "%1\n\nNothing was saved: this window could not read the stored settings, and saving it would overwrite them.",
      "%1\n\nEs wurde nichts gespeichert: Dieses Fenster konnte die gespeicherten Einstellungen nicht lesen, und Speichern würde sie überschreiben.",
      "%1\n\nIngenting sparades: det här fönstret kunde inte läsa de sparade inställningarna, och att spara skulle skriva över dem.",
      "%1\n\nНичего не сохранено: это окно не смогло прочитать сохранённые настройки, и сохранение перезаписало бы их."}},
    {kWindowNotFilled,
     {"okno nebylo načteno", "the window was not filled", "das Fenster wurde nicht geladen",
      "fönstret lästes inte in", "окно не было загружено"}},

    {kCodePageLacks,
     {"v kódové stránce nastavení %1 chybí %2", "the settings' code page %1 has no %2",
      "die Codepage %1 der Einstellungen enthält %2 nicht", "inställningarnas teckentabell %1 saknar %2",
      "в кодовой странице настроек %1 нет символов %2"}},
    {kFolderNotStorable,
     {"Složku %1 nelze uložit: %2.", "The folder %1 cannot be stored: %2.",
      "Der Ordner %1 kann nicht gespeichert werden: %2.", "Mappen %1 kan inte sparas: %2.",
      "Папку %1 невозможно сохранить: %2."}},
    {kTextsNotStorable,
     {"Texty nelze uložit: %1.", "The texts cannot be stored: %1.",
      "Die Texte können nicht gespeichert werden: %1.", "Texterna kan inte sparas: %1.",
      "Тексты невозможно сохранить: %1."}},
    {kListNotStorable,
     {"Seznam nelze uložit: %1.", "The list cannot be stored: %1.",
      "Die Liste kann nicht gespeichert werden: %1.", "Listan kan inte sparas: %1.",
      "Список невозможно сохранить: %1."}},
};
// clang-format on

}  // namespace

TextTable programMessagesTable() {
  return TextTable(kRows);
}

std::string_view programMessage(MessageNumber number, LanguageIndex language) {
  return programMessagesTable().editorText(number, isKnownLanguage(language) ? language : kEnglish);
}

}  // namespace tavi::texts
