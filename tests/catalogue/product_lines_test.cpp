#include "catalogue/product_lines.h"

#include <gtest/gtest.h>

#include <vector>

namespace tavi::catalogue {
namespace {

TEST(ProductLines, TenLinesInIdOrder) {
  const auto lines = allProductLines();
  ASSERT_EQ(lines.size(), 10u);
  for (std::size_t i = 0; i < lines.size(); ++i)
    EXPECT_EQ(lines[i].id, ProductLineId(i + 1));
}

struct CaptionCase {
  ProductLineId id;
  texts::LanguageIndex language;
  std::string expected;
};

TEST(ProductLines, FAPreptechSetsTheCaptionOrLeavesTheTextAlone) {
  const std::string untouched = "as passed";
  const std::vector<CaptionCase> cases = {
      {1, 0, "Schüsslerovy soli"},
      {1, 3, "Schüsslersalter"},
      {1, 4, "Соли Schüssler"},
      {2, 4, "Dr.Bach esence"},
      {5, 0, "Naděje"},
      {5, 1, "Nadeje"},
      {7, 2, "dōTERRA"},
      {8, 1, "Australian flower essence"},
      {9, 4, "Травяные экстракты"},
      {10, 3, "Diochi"},
      // No default caption: the text stays as the caller passed it.
      {0, 0, untouched},
      {11, 1, untouched},
      {-1, 1, untouched},
      {3, 7, untouched},
      {3, 5, untouched},
      {3, -1, untouched},
  };
  for (const CaptionCase& c : cases) {
    std::string text = untouched;
    FAPreptech(c.id, text, c.language);
    EXPECT_EQ(text, c.expected) << "id " << c.id << ", language " << c.language;
  }
}

TEST(ProductLines, AnEmptyTextStaysEmptyForAnUnknownLanguage) {
  std::string text;
  FAPreptech(3, text, 7);
  EXPECT_EQ(text, "");
}

}  // namespace
}  // namespace tavi::catalogue
