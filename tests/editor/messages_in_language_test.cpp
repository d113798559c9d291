// The messages the design's tables lack, shown by the real windows in a Czech, a German and a
// Russian suite: each reads in the suite's language, with the file, the folder and the
// characters exactly as they are.
#include <gtest/gtest.h>

#include <array>
#include <cctype>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "editor/global_settings_window.h"
#include "editor/own_preparations_window.h"
#include "editor/product_window.h"
#include "main_window_load_save_support.h"

namespace tavi::editor {
namespace {

using testing::EditorSession;
using testing::languageFile;
using testing::settingsFile;
using Texts = std::vector<std::string>;

constexpr std::array<texts::LanguageIndex, 3> kLanguages = {texts::kCzech, texts::kGerman,
                                                            texts::kRussian};

struct Message {
  const char* name;
  unsigned codePage = 1250;
  std::function<void(const tavi::testing::TestDrive&)> fault = {};
  std::function<void(EditorSession&)> act = {};
  bool errorBox = true;
  // What the boxes say, in the order of kLanguages.
  std::array<Texts, 3> shown;
};

void save(EditorSession& session) {
  session.editor().app.click(session.editor().Form8.Uloz);
}

std::function<void(EditorSession&)> saveOwnPreparations(std::string text) {
  return [text](EditorSession& session) {
    Editor& editor = session.editor();
    editor.app.click(editor.Form8.MePreparat);
    editor.app.changeText(editor.Form25.MemoNONE, text);
    editor.app.click(editor.Form25.Uloz);
  };
}

const Message kMessages[] = {
    {.name = "an empty settings file stops the load and the save is refused",
     .fault = [](const auto& drive) { drive.write(settingsFile("datLimit.dat"), ""); },
     .act = save,
     .shown = {{{"Nelze přečíst C:\\KivTanOr5\\datLimit.dat: soubor je prázdný",
                 "Nelze přečíst C:\\KivTanOr5\\datLimit.dat: soubor je prázdný\n\nNic nebylo "
                 "uloženo: toto okno nemohlo načíst uložená nastavení a uložením by je přepsalo."},
                {"C:\\KivTanOr5\\datLimit.dat kann nicht gelesen werden: die Datei ist leer",
                 "C:\\KivTanOr5\\datLimit.dat kann nicht gelesen werden: die Datei ist leer\n\nEs "
                 "wurde nichts gespeichert: Dieses Fenster konnte die gespeicherten Einstellungen "
                 "nicht lesen, und Speichern würde sie überschreiben."},
                {"Не удаётся прочитать C:\\KivTanOr5\\datLimit.dat: файл пуст",
                 "Не удаётся прочитать C:\\KivTanOr5\\datLimit.dat: файл пуст\n\nНичего не "
                 "сохранено: это окно не смогло прочитать сохранённые настройки, и сохранение "
                 "перезаписало бы их."}}}},
    {.name = "a read-only settings file",
     .fault = [](const auto& drive) { drive.setReadOnly(settingsFile("datLimit.dat")); },
     .act = save,
     .shown = {{{"Nelze zapsat C:\\KivTanOr5\\datLimit.dat: přístup byl odepřen"},
                {"C:\\KivTanOr5\\datLimit.dat kann nicht geschrieben werden: der Zugriff wurde "
                 "verweigert"},
                {"Не удаётся записать C:\\KivTanOr5\\datLimit.dat: доступ запрещён"}}}},
    {.name = "a folder where a settings file is expected",
     .fault =
         [](const auto& drive) {
           drive.remove(settingsFile("datLimit.dat"));
           drive.makeFolder(settingsFile("datLimit.dat"));
         },
     .act = save,
     .shown = {{{"Nelze zapsat C:\\KivTanOr5\\datLimit.dat: je to složka, ne soubor"},
                {"C:\\KivTanOr5\\datLimit.dat kann nicht geschrieben werden: es ist ein Ordner, "
                 "keine Datei"},
                {"Не удаётся записать C:\\KivTanOr5\\datLimit.dat: это папка, а не файл"}}}},
    {.name = "the settings folder gone before the save",
     .act =
         [](EditorSession& session) {
           session.drive.remove(R"(C:\KivTanOr5)");
           save(session);
         },
     .shown = {{{"Nelze zapsat C:\\KivTanOr5\\datFontScale.dat: složka neexistuje"},
                {"C:\\KivTanOr5\\datFontScale.dat kann nicht geschrieben werden: der Ordner "
                 "existiert nicht"},
                {"Не удаётся записать C:\\KivTanOr5\\datFontScale.dat: папка не существует"}}}},
    {.name = "a full disk while the own preparations are written",
     .act = saveOwnPreparations("Heřmánek\r\nŠalvěj\r\n"),
     .shown = {{{"Nelze zapsat C:\\KivTanOr5\\Preparat.txt: disk je plný"},
                {"C:\\KivTanOr5\\Preparat.txt kann nicht geschrieben werden: der Datenträger ist "
                 "voll"},
                {"Не удаётся записать C:\\KivTanOr5\\Preparat.txt: диск заполнен"}}}},
    {.name = "a file where the product folder is expected",
     .fault =
         [](const auto& drive) {
           drive.remove(R"(C:\KivTanOr5\PrepSwich)");
           drive.write(R"(C:\KivTanOr5\PrepSwich)", "in the way");
         },
     .act =
         [](EditorSession& session) {
           Editor& editor = session.editor();
           editor.app.click(editor.Form8.NuSkin);
           editor.app.tick(editor.Form30.product(211), true);
           editor.app.click(editor.Form30.Uloz);
         },
     .shown = {{{"Nelze zapsat C:\\KivTanOr5\\PrepSwich\\DopButt211.dat: složka neexistuje"},
                {"C:\\KivTanOr5\\PrepSwich\\DopButt211.dat kann nicht geschrieben werden: der "
                 "Ordner existiert nicht"},
                {"Не удаётся записать C:\\KivTanOr5\\PrepSwich\\DopButt211.dat: папка не "
                 "существует"}}}},
    {.name = "an output folder the code page cannot hold",
     .codePage = 1252,
     .fault = [](const auto& drive) { drive.makeFolder("C:\\Данные"); },
     .act =
         [](EditorSession& session) {
           session.editor().app.changeText(session.editor().Form8.Cesta, "C:\\Данные");
           save(session);
         },
     .errorBox = false,
     .shown = {{{"DIR: Složku C:\\Данные\\ nelze uložit: v kódové stránce nastavení 1252 chybí "
                 "Д, а, н, ы, е."},
                {"DIR: Der Ordner C:\\Данные\\ kann nicht gespeichert werden: die Codepage 1252 "
                 "der Einstellungen enthält Д, а, н, ы, е nicht."},
                {"DIR: Папку C:\\Данные\\ невозможно сохранить: в кодовой странице настроек 1252 "
                 "нет символов Д, а, н, ы, е."}}}},
    {.name = "own preparations the code page cannot hold",
     .codePage = 1252,
     .act = saveOwnPreparations("Minze\r\nČaj\r\n"),
     .errorBox = false,
     .shown = {{{"Seznam nelze uložit: v kódové stránce nastavení 1252 chybí Č."},
                {"Die Liste kann nicht gespeichert werden: die Codepage 1252 der Einstellungen "
                 "enthält Č nicht."},
                {"Список невозможно сохранить: в кодовой странице настроек 1252 нет символов "
                 "Č."}}}},
    {.name = "window texts the code page cannot hold",
     .codePage = 1252,
     .act =
         [](EditorSession& session) {
           Editor& editor = session.editor();
           editor.app.changeText(editor.Form8.COM_Nr, "3702");
           editor.app.keyDown(editor.Form8.COM_Nr, forms::Key::Enter);
           editor.app.click(editor.Form8.ResetAll);
           editor.app.changeText(editor.Form27.NameWindow, "Praxis Tōkyō");
           editor.app.click(editor.Form27.Uloz);
         },
     .errorBox = false,
     .shown = {{{"Texty nelze uložit: v kódové stránce nastavení 1252 chybí ō."},
                {"Die Texte können nicht gespeichert werden: die Codepage 1252 der Einstellungen "
                 "enthält ō nicht."},
                {"Тексты невозможно сохранить: в кодовой странице настроек 1252 нет символов "
                 "ō."}}}},
};

struct Row {
  const Message* message;
  std::size_t language;
};

std::vector<Row> rows() {
  std::vector<Row> all;
  for (const Message& message : kMessages) {
    for (std::size_t language = 0; language < kLanguages.size(); ++language)
      all.push_back({&message, language});
  }
  return all;
}

// Names the row in a failure instead of dumping its bytes.
[[maybe_unused]] void PrintTo(const Row& row, std::ostream* out) {
  *out << row.message->name << ", language " << kLanguages[row.language];
}

class MessagesInLanguage : public ::testing::TestWithParam<Row> {};

TEST_P(MessagesInLanguage, ReadInTheSuitesLanguage) {
  const Message& message = *GetParam().message;
  const std::size_t language = GetParam().language;
  tavi::testing::TestDriveOptions options;
  options.codePage = message.codePage;
  options.writeFailsHalfway = [](std::string_view path) {
    return path == R"(C:\KivTanOr5\Preparat.txt)";
  };
  EditorSession session(options);
  session.drive.write(settingsFile("dLangv.dat"), languageFile(kLanguages[language]));
  session.drive.write(settingsFile("datLimit.dat"), testing::byteFile(85));
  session.drive.write(settingsFile("Preparat.txt"), "Heřmánek\r\n");
  session.drive.makeFolder(R"(C:\TaviTherapy)");
  session.drive.write(settingsFile("0cestaEx.txt"), "C:\\TaviTherapy\\\r\n");
  if (message.fault) message.fault(session.drive);

  session.start();
  message.act(session);

  EXPECT_EQ(message.errorBox ? session.desktop.errors() : session.desktop.messages(),
            message.shown[language]);
  if (!message.errorBox) {
    EXPECT_TRUE(session.desktop.errors().empty());
  }
}

std::string rowName(const ::testing::TestParamInfo<Row>& row) {
  constexpr std::array<const char*, 3> kNames = {"Czech", "German", "Russian"};
  std::string name;
  for (const char c : std::string(row.param.message->name)) {
    if (std::isalnum(static_cast<unsigned char>(c))) {
      name += c;
    } else if (!name.empty() && name.back() != '_') {
      name += '_';
    }
  }
  return name + kNames[row.param.language];
}

INSTANTIATE_TEST_SUITE_P(Suites, MessagesInLanguage, ::testing::ValuesIn(rows()), rowName);

}  // namespace
}  // namespace tavi::editor
