#pragma once

#include <string_view>

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

  TForm8& Form8;
  TForm9& Form9;
  TProductWindow& Form10;
  TProductWindow& Form11;
  TProductWindow& Form12;
  TProductWindow& Form13;
  TProductWindow& Form14;
  TProductWindow& Form15;
  TProductWindow& Form16;
  TProductWindow& Form20;
  TProductWindow& Form24;
  TForm25& Form25;
  TProductWindow& Form19;
  TProductWindow& Form22;
  TForm27& Form27;
  TProductWindow& Form28;
  TProductWindow& Form29;
  TProductWindow& Form30;
  TProductWindow& Form31;
  TProductWindow& Form32;
  TProductWindow& Form33;

 private:
  TProductWindow& createSelectionWindow(std::string_view windowClass);
};

}  // namespace tavi::editor
