#include "catalogue/product_lines.h"

#include <gtest/gtest.h>

#include <vector>

#include "store/settings_catalogue.h"

namespace tavi::catalogue {
namespace {

TEST(ProductLines, TenLinesInIdOrder) {
  const auto lines = allProductLines();
  ASSERT_EQ(lines.size(), 10u);
  for (std::size_t i = 0; i < lines.size(); ++i)
    EXPECT_EQ(lines[i].id, ProductLineId(i + 1));
  EXPECT_EQ(lines[0].checkBox, "Schlussler");
  EXPECT_EQ(lines[0].flagFile, R"(C:\KivTanOr5\datSchlu.dat)");
  EXPECT_EQ(lines[6].checkBox, "doTERRA");
  EXPECT_EQ(lines[6].flagFile, R"(C:\KivTanOr5\datDoTERR.dat)");
  EXPECT_EQ(lines[9].flagFile, R"(C:\KivTanOr5\datDiochi.dat)");
}

// The main window's load and save keep their own list of these check boxes and files.
TEST(ProductLines, AgreeWithTheMainWindowSettings) {
  const auto flags = store::productLineFlags();
  ASSERT_EQ(flags.size(), allProductLines().size());
  for (const ProductLine& line : allProductLines()) {
    SCOPED_TRACE(line.checkBox);
    const store::ProductLineFlag& flag = store::productLineFlag(line.checkBox);
    EXPECT_EQ(flag.path, line.flagFile);
    EXPECT_EQ(flag.productLine, line.id);
  }
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
