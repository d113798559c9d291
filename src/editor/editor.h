#pragma once

#include <string_view>

#include "editor/editor_windows.h"
#include "editor/window_set.h"
#include "forms/application.h"
#include "forms/desktop_services.h"
#include "platform/platform.h"

namespace tavi::editor {

// The settings editor "Tavi Setting": its application and its 21 windows, created once in
// their fixed order with the main window first. Front ends and tests drive it through `app`.
class Editor {
 public:
  Editor(platform::Platform& platform, forms::DesktopServices& desktop);
  Editor(const Editor&) = delete;
  Editor& operator=(const Editor&) = delete;

  forms::Application app;
  WindowSet windows;

#define TAVI_WINDOW_MEMBER(number, Class) Class& Form##number;
#define TAVI_SELECTION_WINDOW_MEMBER(number, ...) TProductWindow& Form##number;
  TAVI_EDITOR_WINDOWS(TAVI_WINDOW_MEMBER, TAVI_SELECTION_WINDOW_MEMBER)
#undef TAVI_WINDOW_MEMBER
#undef TAVI_SELECTION_WINDOW_MEMBER

 private:
  TProductWindow& createSelectionWindow(std::string_view windowClass);
};

}  // namespace tavi::editor
