#include "texts/main_window_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string_view>
#include <vector>

namespace tavi::texts {
namespace {

// The numbers of the table: whole bands by the screen that uses them, less the gaps.
std::set<MessageNumber> expectedNumbers() {
  const std::vector<std::pair<MessageNumber, MessageNumber>> bands = {
      {1, 59},    {100, 128}, {150, 172},   {201, 207},   {250, 258},   {400, 443},    {600, 607},
      {801, 809}, {901, 903}, {2001, 2084}, {2250, 2252}, {2701, 2709}, {16400, 16401}};
  std::set<MessageNumber> gaps = {106, 108, 407, 424, 425, 441, 804, 2043};
  for (MessageNumber n = 2010; n <= 2020; ++n)
    gaps.insert(n);
  for (MessageNumber n = 2028; n <= 2030; ++n)
    gaps.insert(n);
  for (MessageNumber n = 2047; n <= 2049; ++n)
    gaps.insert(n);
  for (MessageNumber n = 2063; n <= 2068; ++n)
    gaps.insert(n);

  std::set<MessageNumber> numbers;
  for (const auto& [first, last] : bands) {
    for (MessageNumber n = first; n <= last; ++n) {
      if (!gaps.contains(n)) numbers.insert(n);
    }
  }
  return numbers;
}

TEST(MainWindowTableTest, HoldsExactlyTheNumbersOfItsBandsLessTheGaps) {
  const TextTable table = mainWindowTextTable();
  std::multiset<MessageNumber> numbers;
  for (const TextRow& row : table.rows())
    numbers.insert(row.number);
  const std::set<MessageNumber> expected = expectedNumbers();
  EXPECT_EQ(std::set<MessageNumber>(numbers.begin(), numbers.end()), expected);
  EXPECT_EQ(numbers.size(), expected.size()) << "a number appears twice";
  EXPECT_EQ(expected.size(), 258u);
}

TEST(MainWindowTableTest, EveryTextIsPresentOnOneLine) {
  for (const TextRow& row : mainWindowTextTable().rows()) {
    for (const std::string_view text : row.texts) {
      EXPECT_FALSE(text.empty()) << row.number;
      EXPECT_EQ(text.find_first_of("\r\n"), std::string_view::npos) << row.number;
    }
  }
}

struct TextCase {
  MessageNumber number;
  LanguageIndex language;
  std::string_view text;
};

// Texts whose exact form matters: blanks, inner quotes and the wording of each table.
const TextCase kTexts[] = {
    {418, kCzech, "Uložit"},
    {418, kEnglish, "Save"},
    {418, kSwedish, "Spara"},
    {47, kEnglish, "Preparations"},
    {47, kGerman, "Präparationen"},
    {47, kSwedish, "Utvärdering"},
    {16401, kCzech, "Proc.:"},
    {16401, kEnglish, "Perc.:"},
    {16401, kRussian, "Проц.:"},
    {901, kCzech, "Zelené potraviny"},
    {901, kGerman, "Green food"},
    {7, kEnglish, "     Extension:"},
    {8, kRussian, "Birthdate: "},
    {17, kSwedish, "Frequency  in Hz"},
    {201, kGerman, "            New"},
    {414, kRussian, "Программы из  Nev Ludrin"},
    {422, kRussian, "Tелеметрия"},  // begins with a Latin T
    {433, kCzech,
     "PC musí být správně nastaven: 1)Nastaveni/usnadnění přístupu/obrazovka/ měřítko a "
     "rozložení=100% 2) Nastaveni/usnadnění přístupu/obrazovka/ rozlišení cca 1600x900"},
    {433, kEnglish,
     "PC must be set correctly: 1)Setting/accessibility/screen/scale and layout = 100%     "
     "2)Setting / accessibility / screen / resolution approx. 1600x900"},
    {121, kEnglish, "If the client is already saved, use \"Open\" next time."},
    {41, kSwedish,
     "OBSERVERA: Zorb-mätningar utförs bäst minst efter 3 dagar. Den externa enheten måste "
     "alltid vara ansluten till datorn. Om \"elektrod\" är vald måste elektrode hållas under "
     "hela terapin."},
    {403, kGerman,
     "Der Pfad zum Speichern der Programme und der Protokolle mit dem Schrägstrich \"\\\" wird "
     "in das Fenster geschrieben."},
    {24, kCzech, "Přidat ke stávajícím datům?   Přidat - Yes. Přepsat - No."},
    {24, kSwedish, "Do you want to add to exits?"},
    {2044, kCzech, "Nejprve je nutno otevřít klienta."},
    {2044, kEnglish, "It is not necessary to open the client first."},
    {601, kCzech, "Počet"},
    {601, kRussian, "Quantity"},
    {606, kCzech, "Celkový"},
    {607, kCzech, "čas v min."},
};

TEST(MainWindowTableTest, TextsKeepTheirExactForm) {
  const TextTable table = mainWindowTextTable();
  for (const TextCase& c : kTexts) {
    SCOPED_TRACE(::testing::Message() << c.number << " in language " << c.language);
    EXPECT_EQ(table.editorText(c.number, c.language), c.text);
  }
}

TEST(MainWindowTableTest, GapsAndUnknownLanguagesGiveTheDefault) {
  const TextTable table = mainWindowTextTable();
  for (const MessageNumber gap : {106, 108, 407, 424, 425, 441, 804, 2010, 2043, 2068, 16402}) {
    for (LanguageIndex language = kCzech; language < kLanguageCount; ++language) {
      EXPECT_EQ(table.editorText(gap, language), kEditorDefaultText) << gap;
    }
  }
  EXPECT_EQ(table.editorText(418, 7), kEditorDefaultText);
}

}  // namespace
}  // namespace tavi::texts
