#include "editor/window_set.h"

#include <array>
#include <utility>

namespace tavi::editor {

TProductWindow* WindowSet::productWindow(std::string_view windowClass) const {
  const std::array<std::pair<std::string_view, TProductWindow*>, 17> windows = {{
      {"TForm10", Form10},
      {"TForm11", Form11},
      {"TForm12", Form12},
      {"TForm13", Form13},
      {"TForm14", Form14},
      {"TForm15", Form15},
      {"TForm16", Form16},
      {"TForm19", Form19},
      {"TForm20", Form20},
      {"TForm22", Form22},
      {"TForm24", Form24},
      {"TForm28", Form28},
      {"TForm29", Form29},
      {"TForm30", Form30},
      {"TForm31", Form31},
      {"TForm32", Form32},
      {"TForm33", Form33},
  }};
  for (const auto& [name, window] : windows) {
    if (name == windowClass) return window;
  }
  return nullptr;
}

}  // namespace tavi::editor
