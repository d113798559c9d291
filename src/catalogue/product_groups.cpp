#include "catalogue/product_groups.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <initializer_list>
#include <stdexcept>

namespace tavi::catalogue {
namespace {

struct IndexRange {
  ProductIndex first;
  ProductIndex last;
};

// Spells a group's products as the ranges they are known by; a wrong count does not compile.
template <std::size_t Count>
consteval std::array<ProductIndex, Count> indices(std::initializer_list<IndexRange> ranges) {
  std::array<ProductIndex, Count> result{};
  std::size_t next = 0;
  for (const IndexRange& range : ranges) {
    for (ProductIndex index = range.first; index <= range.last; ++index) {
      if (next == Count) throw "more products than the group's count";
      result[next++] = index;
    }
  }
  if (next != Count) throw "fewer products than the group's count";
  return result;
}

constexpr auto kPraparaty = indices<16>({{1, 8}, {57, 60}, {67, 70}});
constexpr auto kPraparaty2 = indices<21>({{9, 29}});
constexpr auto kKoloidni = indices<1>({{30, 30}});
constexpr auto kQuantumMinerals = indices<6>({{31, 36}});
constexpr auto kPraparaty3 = indices<14>({{37, 50}});
constexpr auto kFinClub = indices<41>({{51, 56}, {245, 279}});
constexpr auto kLR = indices<6>({{61, 66}});
constexpr auto kZelene = indices<4>({{71, 74}});
constexpr auto kDedek = indices<21>({{80, 89}, {145, 155}});
constexpr auto kBenedictusP = indices<10>({{90, 99}});
constexpr auto kHealthDetox = indices<40>({{101, 140}});
constexpr auto kMycomedika = indices<32>({{160, 191}});
constexpr auto kHarmonelo = indices<8>({{201, 208}});
constexpr auto kNuSkin = indices<20>({{211, 230}});
constexpr auto kZinzino = indices<13>({{231, 243}});
constexpr auto kNastrZdr = indices<19>({{280, 298}});
constexpr auto kStarlife = indices<22>({{300, 321}});

using enum CheckBoxNaming;

constexpr ProductGroup kGroups[] = {
    {"Praparaty", "TForm10", kPraparaty, DopButt, "PraparatyAll", "Prep", "Prepx", true},
    {"Praparaty2", "TForm11", kPraparaty2, DopButt, "Praparaty2All", "Prep2", "Prep2x", true},
    {"Koloidni", "TForm12", kKoloidni, DopButt, "KoloidniAll", "ChKoloid", "ChKoloidx", true},
    {"QuantumMinerals", "TForm13", kQuantumMinerals, DopButt, "QuantumMineralsAll", "ChQuantum",
     "ChQuantumx", true},
    {"Praparaty3", "TForm14", kPraparaty3, DopButt, "Praparaty3All", "Prep3", "Prep3x", true},
    {"FinClub", "TForm15", kFinClub, DopButt, "FinClubAll", "Fin", "Finx", true},
    {"LR", "TForm16", kLR, DopButt, "LRAll", "ChLR", "ChLRx", true},
    {"Zelene", "TForm20", kZelene, DopButt, "ZeleneAll", "ChZel", "ChZelx", true},
    {"Dedek", "TForm22", kDedek, DopButt, "DedekAll", "ChDedek", "ChDedekx", true},
    {"BenedictusP", "TForm19", kBenedictusP, DopButt, "TlBenedisctus", "ChBenedic", "ChBenedicx",
     true},
    {"HealthDetox", "TForm24", kHealthDetox, CheckBox, "HealthDetoxAll", "ChHealth", "ChHealthx",
     true},
    {"Mycomedika", "TForm28", kMycomedika, CheckBox, "MycomedikaAll", "ChMycomedika",
     "ChMycomedikax", false},
    {"Harmonelo", "TForm29", kHarmonelo, CheckBox, "HarmoneloAll", "ChHarmonelo", "ChHarmonelox",
     false},
    {"NuSkin", "TForm30", kNuSkin, CheckBox, "NuSkinAll", "ChNuSkin", "ChNuSkinx", false},
    {"Zinzino", "TForm33", kZinzino, CheckBox, "ZinzinoAll", "ChZinzino", "ChZinzinox", false},
    {"NastrZdr", "TForm31", kNastrZdr, CheckBox, "NastrZdrAll", "ChNastrZdr", "ChNastrZdrx", false},
    {"Starlife", "TForm32", kStarlife, CheckBox, "StarlifeAll", "ChStarlife", "ChStarlifex", false},
};

// The position in kGroups of each product's group, -1 for an index that names no product:
// looking up every product's group one by one stays linear in the number of products.
constexpr auto kGroupOfIndex = [] {
  std::array<int, kLastProductIndex + 1> result{};
  result.fill(-1);
  for (std::size_t group = 0; group < std::size(kGroups); ++group) {
    for (const ProductIndex index : kGroups[group].products)
      result[static_cast<std::size_t>(index)] = static_cast<int>(group);
  }
  return result;
}();

}  // namespace

std::span<const ProductGroup> allGroups() {
  return kGroups;
}

const ProductGroup* findGroup(std::string_view key) {
  const auto found = std::ranges::find(kGroups, key, &ProductGroup::key);
  return found == std::ranges::end(kGroups) ? nullptr : &*found;
}

const ProductGroup* groupOfWindow(std::string_view windowClass) {
  const auto found = std::ranges::find(kGroups, windowClass, &ProductGroup::window);
  return found == std::ranges::end(kGroups) ? nullptr : &*found;
}

const ProductGroup* groupOfProduct(ProductIndex index) {
  if (index < kFirstProductIndex || index > kLastProductIndex) return nullptr;
  const int group = kGroupOfIndex[static_cast<std::size_t>(index)];
  return group < 0 ? nullptr : &kGroups[group];
}

bool isProduct(ProductIndex index) {
  return groupOfProduct(index) != nullptr;
}

std::string checkBoxName(const ProductGroup& group, ProductIndex index) {
  if (groupOfProduct(index) != &group) {
    throw std::invalid_argument("product " + std::to_string(index) + " is not in the group " +
                                std::string(group.key));
  }
  return (group.checkBoxes == CheckBoxNaming::DopButt ? "DopButt" : "CheckBox") +
         std::to_string(index);
}

}  // namespace tavi::catalogue
