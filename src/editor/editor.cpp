#include "editor/editor.h"

#include "editor/global_settings_window.h"
#include "editor/language_window.h"
#include "editor/main_window/main_window.h"
#include "editor/own_preparations_window.h"
#include "editor/product_window.h"
#include "editor/product_window_design.h"
#include "store/settings_paths.h"

namespace tavi::editor {

namespace {

// A save that was stopped leaves its temporary files beside the settings; they go before the
// first window reads anything.
platform::Platform& withoutLeftOvers(platform::Platform& platform) {
  platform.removeTemporaryFiles(store::kSettingsFolder);
  std::string_view flags = store::kProductFlagFolder;
  flags.remove_suffix(1);
  platform.removeTemporaryFiles(flags);
  return platform;
}

}  // namespace

// The members are declared in the order of creation, so each window is created once, in that
// order, and the main window's creation handler runs before any other window exists.
#define TAVI_CREATE_WINDOW(number, Class) , Form##number(app.create<Class>(windows))
#define TAVI_CREATE_SELECTION_WINDOW(number, ...) \
  , Form##number(createSelectionWindow("TForm" #number))
Editor::Editor(platform::Platform& platform, forms::DesktopServices& desktop)
    : app(desktop, [this] { return windows.Languagem; }),
      windows(withoutLeftOvers(platform))
          TAVI_EDITOR_WINDOWS(TAVI_CREATE_WINDOW, TAVI_CREATE_SELECTION_WINDOW) {}
#undef TAVI_CREATE_WINDOW
#undef TAVI_CREATE_SELECTION_WINDOW

TProductWindow& Editor::createSelectionWindow(std::string_view windowClass) {
  return app.create<TProductWindow>(windows, productWindowDesign(windowClass));
}

}  // namespace tavi::editor
