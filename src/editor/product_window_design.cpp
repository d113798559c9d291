#include "editor/product_window_design.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <initializer_list>
#include <stdexcept>
#include <string>

#include "editor/editor_windows.h"

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

#define TAVI_NOT_A_SELECTION_WINDOW(number, Class)
#define TAVI_SELECTION_WINDOW_DESIGN(number, ...) \
  {"TForm" #number, "Form" #number, __VA_ARGS__, &WindowSet::Form##number},
constexpr ProductWindowDesign kDesigns[] = {
    TAVI_EDITOR_WINDOWS(TAVI_NOT_A_SELECTION_WINDOW, TAVI_SELECTION_WINDOW_DESIGN)};
#undef TAVI_NOT_A_SELECTION_WINDOW
#undef TAVI_SELECTION_WINDOW_DESIGN

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
