#include "editor/window_set.h"

namespace tavi::editor {

TProductWindow* WindowSet::productWindow(std::string_view windowClass) const {
#define TAVI_NOT_A_SELECTION_WINDOW(number, Class)
#define TAVI_SELECTION_WINDOW(number, ...) \
  if (windowClass == "TForm" #number) return Form##number;
  TAVI_EDITOR_WINDOWS(TAVI_NOT_A_SELECTION_WINDOW, TAVI_SELECTION_WINDOW)
#undef TAVI_NOT_A_SELECTION_WINDOW
#undef TAVI_SELECTION_WINDOW
  return nullptr;
}

}  // namespace tavi::editor
