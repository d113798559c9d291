#include "catalogue/product_groups.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <stdexcept>
#include <vector>

namespace tavi::catalogue {
namespace {

TEST(ProductGroups, EveryProductInExactlyOneGroupAndTheGapsInNone) {
  std::map<ProductIndex, std::string_view> owner;
  for (const ProductGroup& group : allGroups()) {
    for (ProductIndex index : group.products) {
      const auto [where, inserted] = owner.emplace(index, group.key);
      EXPECT_TRUE(inserted) << index << " is in " << where->second << " and " << group.key;
    }
  }
  EXPECT_EQ(allGroups().size(), 17u);
  EXPECT_EQ(owner.size(), 294u);

  std::set<ProductIndex> gaps = {100, 209, 210, 244, 299};
  for (ProductIndex i = 75; i <= 79; ++i)
    gaps.insert(i);
  for (ProductIndex i = 141; i <= 144; ++i)
    gaps.insert(i);
  for (ProductIndex i = 156; i <= 159; ++i)
    gaps.insert(i);
  for (ProductIndex i = 192; i <= 200; ++i)
    gaps.insert(i);
  ASSERT_EQ(gaps.size(), 27u);
  for (ProductIndex index = -1; index <= 323; ++index) {
    const bool inUse =
        index >= kFirstProductIndex && index <= kLastProductIndex && !gaps.contains(index);
    EXPECT_EQ(owner.contains(index), inUse) << index;
    EXPECT_EQ(isProduct(index), inUse) << index;
    const ProductGroup* group = groupOfProduct(index);
    EXPECT_EQ(group == nullptr ? std::string_view{} : group->key,
              inUse ? owner[index] : std::string_view{})
        << index;
  }
}

struct GroupCase {
  std::string_view key;
  std::string_view window;
  std::size_t count;
  ProductIndex first;
  ProductIndex last;
  std::string_view anyIndicator;
};

TEST(ProductGroups, RecordsInCatalogueOrder) {
  const std::vector<GroupCase> cases = {
      {"Praparaty", "TForm10", 16, 1, 70, "Prepx"},
      {"Praparaty2", "TForm11", 21, 9, 29, "Prep2x"},
      {"Koloidni", "TForm12", 1, 30, 30, "ChKoloidx"},
      {"QuantumMinerals", "TForm13", 6, 31, 36, "ChQuantumx"},
      {"Praparaty3", "TForm14", 14, 37, 50, "Prep3x"},
      {"FinClub", "TForm15", 41, 51, 279, "Finx"},
      {"LR", "TForm16", 6, 61, 66, "ChLRx"},
      {"Zelene", "TForm20", 4, 71, 74, "ChZelx"},
      {"Dedek", "TForm22", 21, 80, 155, "ChDedekx"},
      {"BenedictusP", "TForm19", 10, 90, 99, "ChBenedicx"},
      {"HealthDetox", "TForm24", 40, 101, 140, "ChHealthx"},
      {"Mycomedika", "TForm28", 32, 160, 191, "ChMycomedikax"},
      {"Harmonelo", "TForm29", 8, 201, 208, "ChHarmonelox"},
      {"NuSkin", "TForm30", 20, 211, 230, "ChNuSkinx"},
      {"Zinzino", "TForm33", 13, 231, 243, "ChZinzinox"},
      {"NastrZdr", "TForm31", 19, 280, 298, "ChNastrZdrx"},
      {"Starlife", "TForm32", 22, 300, 321, "ChStarlifex"},
  };
  const auto groups = allGroups();
  ASSERT_EQ(groups.size(), cases.size());
  for (std::size_t i = 0; i < cases.size(); ++i) {
    const GroupCase& expected = cases[i];
    const ProductGroup& group = groups[i];
    SCOPED_TRACE(expected.key);
    EXPECT_EQ(group.key, expected.key);
    EXPECT_EQ(group.window, expected.window);
    ASSERT_EQ(group.products.size(), expected.count);
    EXPECT_EQ(group.products.front(), expected.first);
    EXPECT_EQ(group.products.back(), expected.last);
    EXPECT_EQ(group.anySelectedIndicator, expected.anyIndicator);
    EXPECT_EQ(findGroup(expected.key), &group);
  }
  EXPECT_EQ(findGroup("Benedictus"), nullptr);
  EXPECT_EQ(findGroup("praparaty"), nullptr);
}

TEST(ProductGroups, ProductsKeepTheCatalogueOrderAcrossRanges) {
  const ProductGroup& praparaty = *findGroup("Praparaty");
  const std::vector<ProductIndex> expected = {1,  2,  3,  4,  5,  6,  7,  8,
                                              57, 58, 59, 60, 67, 68, 69, 70};
  EXPECT_EQ(std::vector<ProductIndex>(praparaty.products.begin(), praparaty.products.end()),
            expected);

  const ProductGroup& dedek = *findGroup("Dedek");
  EXPECT_EQ(dedek.products[9], 89);
  EXPECT_EQ(dedek.products[10], 145);
}

TEST(ProductGroups, MainWindowControlsOfOddlyNamedGroups) {
  const ProductGroup& benedictus = *findGroup("BenedictusP");
  EXPECT_EQ(benedictus.selectAllButton, "TlBenedisctus");
  EXPECT_EQ(benedictus.allSelectedIndicator, "ChBenedic");
  const ProductGroup& finClub = *findGroup("FinClub");
  EXPECT_EQ(finClub.selectAllButton, "FinClubAll");
  EXPECT_EQ(finClub.allSelectedIndicator, "Fin");
  EXPECT_EQ(findGroup("Koloidni")->allSelectedIndicator, "ChKoloid");
}

TEST(ProductGroups, CheckBoxNames) {
  EXPECT_EQ(checkBoxName(*findGroup("Praparaty"), 57), "DopButt57");
  EXPECT_EQ(checkBoxName(*findGroup("BenedictusP"), 99), "DopButt99");
  EXPECT_EQ(checkBoxName(*findGroup("HealthDetox"), 101), "CheckBox101");
  EXPECT_EQ(checkBoxName(*findGroup("Starlife"), 321), "CheckBox321");
  EXPECT_THROW(checkBoxName(*findGroup("Praparaty"), 9), std::invalid_argument);
  EXPECT_THROW(checkBoxName(*findGroup("Starlife"), 299), std::invalid_argument);
}

TEST(ProductGroups, OnlyTheSixBrandsKeepTheirNamesInEveryLanguage) {
  const std::set<std::string_view> fixed = {"Mycomedika", "Harmonelo", "NuSkin",
                                            "Zinzino",    "NastrZdr",  "Starlife"};
  for (const ProductGroup& group : allGroups()) {
    EXPECT_EQ(group.namesFollowLanguage, !fixed.contains(group.key)) << group.key;
    EXPECT_EQ(group.checkBoxes == CheckBoxNaming::CheckBox,
              fixed.contains(group.key) || group.key == "HealthDetox")
        << group.key;
  }
}

}  // namespace
}  // namespace tavi::catalogue
