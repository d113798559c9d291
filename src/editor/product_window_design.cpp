#include "editor/product_window_design.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <initializer_list>
#include <stdexcept>
#include <string>

namespace tavi::editor {
namespace {

using catalogue::ProductIndex;
using Column = std::span<const ProductIndex>;

// A run of boxes from first to last, upwards or downwards.
struct Run {
  ProductIndex first;
  ProductIndex last;
};

// Spells a column as the runs it is known by; a wrong count does not compile.
template <std::size_t Count>
consteval std::array<ProductIndex, Count> column(std::initializer_list<Run> runs) {
  std::array<ProductIndex, Count> result{};
  std::size_t next = 0;
  for (const Run& run : runs) {
    const ProductIndex step = run.first <= run.last ? 1 : -1;
    for (ProductIndex index = run.first;; index += step) {
      if (next == Count) throw "more boxes than the column's count";
      result[next++] = index;
      if (index == run.last) break;
    }
  }
  if (next != Count) throw "fewer boxes than the column's count";
  return result;
}

constexpr auto kPraparaty = column<16>({{1, 8}, {59, 60}, {57, 58}, {67, 70}});
constexpr auto kPraparaty2Left = column<14>({{29, 20}, {17, 16}, {19, 18}});
constexpr auto kPraparaty2Right = column<7>({{9, 15}});
constexpr auto kKoloidni = column<1>({{30, 30}});
constexpr auto kQuantumMinerals = column<6>({{31, 36}});
constexpr auto kPraparaty3 =
    column<14>({{37, 38}, {42, 43}, {39, 39}, {41, 41}, {44, 50}, {40, 40}});
constexpr auto kFinClubLeft = column<11>({{51, 56}, {245, 249}});
constexpr auto kFinClubMiddle = column<15>({{250, 264}});
constexpr auto kFinClubRight = column<15>({{265, 279}});
constexpr auto kLR = column<6>({{61, 66}});
constexpr auto kZelene = column<4>({{72, 71}, {73, 74}});
constexpr auto kDedekLeft = column<11>({{145, 155}});
constexpr auto kDedekRight = column<10>({{80, 89}});
constexpr auto kBenedictusP = column<10>({{90, 99}});
constexpr auto kHealthDetoxLeft = column<20>({{101, 120}});
constexpr auto kHealthDetoxRight = column<20>({{121, 140}});
constexpr auto kMycomedikaLeft = column<16>({{160, 175}});
constexpr auto kMycomedikaRight = column<16>({{176, 191}});
constexpr auto kHarmonelo = column<8>({{201, 208}});
constexpr auto kNuSkinLeft = column<10>({{211, 220}});
constexpr auto kNuSkinRight = column<10>({{221, 230}});
constexpr auto kZinzinoLeft = column<8>({{231, 238}});
constexpr auto kZinzinoRight = column<5>({{239, 243}});
constexpr auto kNastrZdrLeft = column<10>({{280, 289}});
constexpr auto kNastrZdrRight = column<9>({{290, 298}});
constexpr auto kStarlifeLeft = column<11>({{300, 310}});
constexpr auto kStarlifeRight = column<11>({{311, 321}});

constexpr Column kPraparatyColumns[] = {kPraparaty};
constexpr Column kPraparaty2Columns[] = {kPraparaty2Left, kPraparaty2Right};
constexpr Column kKoloidniColumns[] = {kKoloidni};
constexpr Column kQuantumMineralsColumns[] = {kQuantumMinerals};
constexpr Column kPraparaty3Columns[] = {kPraparaty3};
constexpr Column kFinClubColumns[] = {kFinClubLeft, kFinClubMiddle, kFinClubRight};
constexpr Column kLRColumns[] = {kLR};
constexpr Column kZeleneColumns[] = {kZelene};
constexpr Column kDedekColumns[] = {kDedekLeft, kDedekRight};
constexpr Column kBenedictusPColumns[] = {kBenedictusP};
constexpr Column kHealthDetoxColumns[] = {kHealthDetoxLeft, kHealthDetoxRight};
constexpr Column kMycomedikaColumns[] = {kMycomedikaLeft, kMycomedikaRight};
constexpr Column kHarmoneloColumns[] = {kHarmonelo};
constexpr Column kNuSkinColumns[] = {kNuSkinLeft, kNuSkinRight};
constexpr Column kZinzinoColumns[] = {kZinzinoLeft, kZinzinoRight};
constexpr Column kNastrZdrColumns[] = {kNastrZdrLeft, kNastrZdrRight};
constexpr Column kStarlifeColumns[] = {kStarlifeLeft, kStarlifeRight};

constexpr texts::MessageNumber kFixedTitle = 0;
constexpr texts::MessageNumber kColloidalSilver = 28;
constexpr texts::MessageNumber kPreparations = 47;
constexpr texts::MessageNumber kGreenFood = 901;

// clang-format off
constexpr ProductWindowDesign kDesigns[] = {
    {"TForm10", "Form10", "Praparaty", "Přípravky1", kPreparations, " 1", 300, 459, kPraparatyColumns, false, false, &WindowSet::Form10},
    {"TForm11", "Form11", "Praparaty2", "Přípravky2", kPreparations, " 2", 494, 400, kPraparaty2Columns, false, false, &WindowSet::Form11},
    {"TForm12", "Form12", "Koloidni", "Koloidni", kColloidalSilver, "", 300, 400, kKoloidniColumns, false, false, &WindowSet::Form12},
    {"TForm13", "Form13", "QuantumMinerals", "Quantum Minerals", kFixedTitle, "", 300, 400, kQuantumMineralsColumns, false, false, &WindowSet::Form13},
    {"TForm14", "Form14", "Praparaty3", "Alternativni Medicina", kPreparations, " 3", 300, 400, kPraparaty3Columns, false, false, &WindowSet::Form14},
    {"TForm15", "Form15", "FinClub", "FinClub", kFixedTitle, "", 563, 400, kFinClubColumns, false, false, &WindowSet::Form15},
    {"TForm16", "Form16", "LR", "LR", kFixedTitle, "", 300, 400, kLRColumns, false, false, &WindowSet::Form16},
    {"TForm20", "Form20", "Zelene", "Zelene potraviny", kGreenFood, "", 300, 400, kZeleneColumns, true, false, &WindowSet::Form20},
    {"TForm24", "Form24", "HealthDetox", "Health Detox", kFixedTitle, "", 310, 459, kHealthDetoxColumns, false, true, &WindowSet::Form24},
    {"TForm19", "Form19", "BenedictusP", "Benedisctus", kFixedTitle, "", 300, 400, kBenedictusPColumns, true, false, &WindowSet::Form19},
    {"TForm22", "Form22", "Dedek", "Dedek korenar", kFixedTitle, "", 481, 400, kDedekColumns, false, false, &WindowSet::Form22},
    {"TForm28", "Form28", "Mycomedika", "Mycomedika", kFixedTitle, "", 328, 462, kMycomedikaColumns, false, false, &WindowSet::Form28},
    {"TForm29", "Form29", "Harmonelo", "Harmonelo", kFixedTitle, "", 284, 293, kHarmoneloColumns, false, false, &WindowSet::Form29},
    {"TForm30", "Form30", "NuSkin", "Nu Skin", kFixedTitle, "", 305, 327, kNuSkinColumns, false, false, &WindowSet::Form30},
    {"TForm31", "Form31", "NastrZdr", "Nástroje zdraví", kFixedTitle, "", 290, 325, kNastrZdrColumns, false, false, &WindowSet::Form31},
    {"TForm32", "Form32", "Starlife", "Starlife", kFixedTitle, "", 305, 327, kStarlifeColumns, false, false, &WindowSet::Form32},
    {"TForm33", "Form33", "Zinzino", "Zinzino", kFixedTitle, "", 322, 375, kZinzinoColumns, false, false, &WindowSet::Form33},
};
// clang-format on

}  // namespace

std::span<const ProductWindowDesign> productWindowDesigns() {
  return kDesigns;
}

const ProductWindowDesign& productWindowDesign(std::string_view windowClass) {
  const auto found = std::ranges::find(kDesigns, windowClass, &ProductWindowDesign::windowClass);
  if (found == std::ranges::end(kDesigns)) {
    throw std::invalid_argument("no selection window is called " + std::string(windowClass));
  }
  return *found;
}

}  // namespace tavi::editor
