#include "editor/product_window_layout.h"

#include <algorithm>
#include <cstddef>
#include <numeric>

#include "catalogue/product_names.h"
#include "texts/characters.h"
#include "texts/language.h"

namespace tavi::editor {
namespace {

// Tahoma 8 pt at 96 dpi: about 6 pixels per average character; a check box's square and its
// gap take 17 more.
constexpr int kCharacterWidth = 6;
constexpr int kCheckMarkWidth = 17;
constexpr int kBoxHeight = 17;
constexpr int kMargin = 8;
constexpr int kColumnGap = 8;
constexpr int kButtonHeight = 25;
constexpr int kRowGap = 6;
constexpr int kLargestRowPitch = 22;
constexpr int kSaveWidth = 87;
constexpr int kDocumentWidth = 75;
// "Alles markieren und speichern" is the longest caption of Vse.
constexpr int kSelectAllWidth = 190;

int captionWidth(catalogue::ProductIndex product) {
  std::size_t longest = 0;
  for (texts::LanguageIndex language = 0; language < texts::kLanguageCount; ++language) {
    longest = std::max(longest, texts::characterCount(catalogue::FADoplnky(product, language)));
  }
  return kCheckMarkWidth + kCharacterWidth * static_cast<int>(longest) + 4;
}

// Each column gets what it needs while that is no more than an even share of what is left;
// the widest columns share the rest.
std::vector<int> columnWidths(const std::vector<int>& needs, int available) {
  std::vector<std::size_t> order(needs.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::ranges::sort(order, {}, [&](std::size_t i) { return needs[i]; });
  std::vector<int> widths(needs.size());
  int left = available;
  for (std::size_t k = 0; k < order.size(); ++k) {
    const int share = left / static_cast<int>(order.size() - k);
    widths[order[k]] = std::min(needs[order[k]], share);
    left -= widths[order[k]];
  }
  // Spare width spreads the columns instead of leaving it all at the right.
  const int spare = left / static_cast<int>(needs.size());
  for (int& width : widths)
    width += spare;
  return widths;
}

}  // namespace

ProductWindowLayout layOutProductWindow(const ProductWindowDesign& design) {
  ProductWindowLayout layout;
  const int width = design.clientWidth;
  const int height = design.clientHeight;

  const int saveTop = height - kMargin - kButtonHeight;
  const int selectAllTop = saveTop - kRowGap - kButtonHeight;
  layout.checkAll = {kMargin, selectAllTop + (kButtonHeight - kBoxHeight) / 2, kCheckMarkWidth,
                     kBoxHeight};
  layout.selectAll = {kMargin + kCheckMarkWidth + 4, selectAllTop, kSelectAllWidth, kButtonHeight};
  layout.save = {kMargin, saveTop, kSaveWidth, kButtonHeight};
  layout.close = {kMargin + kSaveWidth + kColumnGap, saveTop, kSaveWidth, kButtonHeight};
  const int documentLeft = width - kMargin - kDocumentWidth;
  layout.document1 = {documentLeft, selectAllTop, kDocumentWidth, kButtonHeight};
  layout.document2 = {documentLeft, saveTop, kDocumentWidth, kButtonHeight};
  layout.fill = {documentLeft, kMargin, kDocumentWidth, kButtonHeight};

  std::size_t rows = 1;
  std::vector<int> needs;
  for (const auto& column : design.columns) {
    rows = std::max(rows, column.size());
    int need = 0;
    for (const catalogue::ProductIndex product : column)
      need = std::max(need, captionWidth(product));
    needs.push_back(need);
  }
  const int columns = static_cast<int>(design.columns.size());
  const std::vector<int> widths =
      columnWidths(needs, width - 2 * kMargin - (columns - 1) * kColumnGap);
  const int boxArea = selectAllTop - kMargin - kMargin;
  const int pitch = std::clamp(boxArea / static_cast<int>(rows), kBoxHeight, kLargestRowPitch);

  int left = kMargin;
  for (std::size_t c = 0; c < design.columns.size(); ++c) {
    int top = kMargin;
    for (const catalogue::ProductIndex product : design.columns[c]) {
      layout.boxes.push_back({product, {left, top, widths[c], kBoxHeight}});
      top += pitch;
    }
    left += widths[c] + kColumnGap;
  }
  return layout;
}

}  // namespace tavi::editor
