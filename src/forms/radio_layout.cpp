#include "forms/radio_layout.h"

#include <algorithm>

namespace tavi::forms {

std::vector<Rect> radioItemRects(const RadioGroup& group, int lineHeight) {
  const int count = static_cast<int>(group.items().size());
  std::vector<Rect> places;
  if (count == 0) return places;
  const int columns = std::clamp(group.columns(), 1, count);
  const int rows = (count + columns - 1) / columns;
  const Rect& area = group.rect();
  const int inner = std::max(area.height - lineHeight - 5, rows);
  const int rowHeight = inner / rows;
  const int top = lineHeight + 1 + (inner % rows) / 2;
  constexpr int margin = 8;
  const int columnWidth = std::max((area.width - 2 * margin + 6) / columns, 1);
  places.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    places.push_back(
        {margin + (i / rows) * columnWidth, top + (i % rows) * rowHeight, columnWidth, rowHeight});
  }
  return places;
}

}  // namespace tavi::forms
