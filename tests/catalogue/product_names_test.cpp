#include "catalogue/product_names.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "catalogue/product_groups.h"
#include "catalogue/product_name_table.h"

namespace tavi::catalogue {
namespace {

constexpr std::string_view kNoBreakSpace = "\xC2\xA0";

struct NameCase {
  ProductIndex index;
  texts::LanguageIndex language;
  std::string_view expected;
};

TEST(ProductNames, FADoplnkyByLanguage) {
  const std::vector<NameCase> cases = {
      {1, 0, "Ořešák --------"},
      {1, 1, "Walnut -------"},
      {1, 4, "грецкий орех "},
      {6, 1, "Fennel -------- "},
      {7, 4, "Ursa ----------"},
      {29, 0, "Soda Bicarbona "},
      {29, 1, "Soda Bicarbona "},
      {29, 4, "Сода Бикарбон"},
      {30, 0, "Koloidní stříbro "},
      {30, 1, "Colloidal silver"},
      {30, 3, "Kolloidalt silver"},
      {71, 2, "Grüne Gerste ---"},
      {95, 0, "Plísně den"},
      {95, 4, "Fuzzy Day"},
      {99, 3, "Hives"},
      // Untranslated names are the same in every language.
      {8, 3, "Extrakt mučenky pletní + piperin"},
      {139, 4, "ŽELEZO vitamin komplex"},
      {224, 0, "FLEXCREME - krém na klouby, kosti, šlachy, kůži"},
      {224, 4, "FLEXCREME - krém na klouby, kosti, šlachy, kůži"},
      {230, 2, "V – Shakes – veganský protein"},
      {317, 1, "Colagen Star "},
      // The blank after the word is a no-break space.
      {16, 0, "DMSO\u00A0 --------"},
      {17, 2, "DS2\u00A0  --------"},
      {18, 1, "Křídlatka\u00A0----"},
      {19, 4, "Kalísia vonná\u00A0 -"},
      // An unknown language: language-bound products give the default, the six brands do not.
      {1, 7, "???????"},
      {8, 5, "???????"},
      {29, -1, "???????"},
      {30, 7, "???????"},
      {140, 7, "???????"},
      {160, 7, "acerola"},
      {201, 7, "Harmonelo Colostrum"},
      {201, -1, "Harmonelo Colostrum"},
      {224, 7, "FLEXCREME - krém na klouby, kosti, šlachy, kůži"},
      {243, 5, "Leanshake"},
      {298, 9, "Quercetin"},
      {321, 7, "Probiotic Star"},
      // No product, no name.
      {0, 0, "???????"},
      {100, 1, "???????"},
      {209, 0, "???????"},
      {299, 0, "???????"},
      {322, 0, "???????"},
      {-1, 0, "???????"},
  };
  for (const NameCase& c : cases) {
    EXPECT_EQ(FADoplnky(c.index, c.language), c.expected)
        << "product " << c.index << ", language " << c.language;
  }
}

TEST(ProductNames, EveryProductHasOneNonEmptyNameInEveryLanguage) {
  std::map<ProductIndex, int> rows;
  for (const ProductNameRow& row : productNameRows()) {
    ++rows[row.index];
    EXPECT_FALSE(row.name.empty()) << row.index;
  }
  for (ProductIndex index = 0; index <= 322; ++index) {
    EXPECT_EQ(rows[index], isProduct(index) ? 1 : 0) << index;
    if (!isProduct(index)) continue;
    for (texts::LanguageIndex language = 0; language < 5; ++language) {
      const std::string_view name = FADoplnky(index, language);
      EXPECT_NE(name, kUnknownProductName) << index;
      EXPECT_FALSE(name.empty()) << index;
    }
  }
}

TEST(ProductNames, TranslationsStartFromTheCzechName) {
  std::vector<ProductIndex> translated;
  for (const TranslatedNameRow& row : translatedNameRows()) {
    translated.push_back(row.index);
    const auto names = productNameRows();
    const auto czech = std::ranges::find(names, row.index, &ProductNameRow::index);
    ASSERT_NE(czech, names.end()) << row.index;
    EXPECT_EQ(row.names[0], czech->name) << row.index;
    EXPECT_TRUE(groupOfProduct(row.index)->namesFollowLanguage) << row.index;
  }
  const std::vector<ProductIndex> expected = {1,  2,  3,  4,  5,  6,  7,  29, 30, 71,
                                              90, 91, 92, 93, 94, 95, 96, 97, 98, 99};
  EXPECT_EQ(translated, expected);
}

// A careless edit turns no-break spaces into blanks or spreads them; only four names hold one.
TEST(ProductNames, NoBreakSpacesOnlyInProducts16To19) {
  for (const ProductNameRow& row : productNameRows()) {
    const bool expected = row.index >= 16 && row.index <= 19;
    EXPECT_EQ(row.name.find(kNoBreakSpace) != std::string_view::npos, expected) << row.index;
  }
  for (const TranslatedNameRow& row : translatedNameRows()) {
    for (std::string_view name : row.names) {
      EXPECT_EQ(name.find(kNoBreakSpace), std::string_view::npos) << row.index;
    }
  }
}

}  // namespace
}  // namespace tavi::catalogue
