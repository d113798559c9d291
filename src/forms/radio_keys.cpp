#include "forms/radio_keys.h"

#include <algorithm>

namespace tavi::forms {

std::optional<int> itemForArrow(const RadioGroup& group, Key key) {
  const int count = static_cast<int>(group.items().size());
  const int chosen = group.itemIndex();
  int next = chosen;
  switch (key) {
    case Key::Up:
    case Key::Left:
      next = chosen < 0 ? 0 : chosen - 1;
      break;
    case Key::Down:
    case Key::Right:
      next = chosen < 0 ? 0 : chosen + 1;
      break;
    default:
      return std::nullopt;
  }
  if (count == 0) return chosen;
  return std::clamp(next, 0, count - 1);
}

}  // namespace tavi::forms
