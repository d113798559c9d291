#include <gtest/gtest.h>

#include <string_view>

#include "texts/text_table.h"

namespace tavi::texts {
namespace {

constexpr TextRow kRows[] = {
    {418, {"Uložit", "Save", "Speichern", "Spara", "Сохранить"}},
    sameInEveryLanguage(420, "Velmira"),
    czechAndEnglish(2044, "Nejprve je nutno otevřít klienta.",
                    "It is not necessary to open the client first."),
};
constexpr TextTable kTable(kRows);

struct LookupCase {
  MessageNumber number;
  LanguageIndex language;
  std::string_view editor;
  std::string_view installer;
};

const LookupCase kCases[] = {
    {418, kCzech, "Uložit", "Uložit"},
    {418, kEnglish, "Save", "Save"},
    {418, kSwedish, "Spara", "Spara"},
    {418, kRussian, "Сохранить", "Сохранить"},
    {420, kGerman, "Velmira", "Velmira"},
    {2044, kCzech, "Nejprve je nutno otevřít klienta.", "Nejprve je nutno otevřít klienta."},
    {2044, kRussian, "It is not necessary to open the client first.",
     "It is not necessary to open the client first."},
    // A number the table lacks: no other table or language stands in.
    {419, kEnglish, "?????????", ""},
    {0, kCzech, "?????????", ""},
    {-418, kCzech, "?????????", ""},
    // A language outside 0..4 has no text for any number.
    {418, 5, "?????????", ""},
    {418, 7, "?????????", ""},
    {418, -1, "?????????", ""},
};

TEST(TextLookupTest, EditorAndInstallerRules) {
  for (const LookupCase& c : kCases) {
    SCOPED_TRACE(::testing::Message() << c.number << " in language " << c.language);
    EXPECT_EQ(kTable.editorText(c.number, c.language), c.editor);
    EXPECT_EQ(kTable.installerText(c.number, c.language), c.installer);
  }
}

TEST(TextLookupTest, EachTableAnswersOnlyForItsOwnRows) {
  static constexpr TextRow kOtherRows[] = {sameInEveryLanguage(419, "Close")};
  constexpr TextTable kOther(kOtherRows);
  EXPECT_EQ(kOther.editorText(419, kEnglish), "Close");
  EXPECT_EQ(kOther.editorText(418, kEnglish), "?????????");
  EXPECT_EQ(kTable.editorText(419, kEnglish), "?????????");
}

}  // namespace
}  // namespace tavi::texts
