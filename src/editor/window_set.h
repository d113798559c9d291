#pragma once

#include <string_view>

#include "editor/editor_windows.h"
#include "platform/platform.h"
#include "store/settings_files.h"
#include "texts/language.h"

namespace tavi::editor {

class TForm8;
class TForm9;
class TProductWindow;
class TForm25;
class TForm27;

// The program-wide state of the editor: its settings files, the language all windows share and
// the single instance of every window, reachable under its design name so that any window can
// show another or call into the main window. A window that is not created yet is nullptr: the
// main window's load runs before the others exist.
struct WindowSet {
  explicit WindowSet(platform::Platform& platform) : files(platform) {}

  store::SettingsFiles files;
  texts::LanguageIndex Languagem = 0;

#define TAVI_WINDOW_POINTER(number, Class) Class* Form##number = nullptr;
#define TAVI_SELECTION_WINDOW_POINTER(number, ...) TProductWindow* Form##number = nullptr;
  TAVI_EDITOR_WINDOWS(TAVI_WINDOW_POINTER, TAVI_SELECTION_WINDOW_POINTER)
#undef TAVI_WINDOW_POINTER
#undef TAVI_SELECTION_WINDOW_POINTER

  // The selection window of a window class name ("TForm<number>"); nullptr when not created yet.
  TProductWindow* productWindow(std::string_view windowClass) const;
};

}  // namespace tavi::editor
