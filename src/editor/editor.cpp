#include "editor/editor.h"

#include "editor/global_settings_window.h"
#include "editor/language_window.h"
#include "editor/main_window.h"
#include "editor/own_preparations_window.h"
#include "editor/product_window.h"
#include "editor/product_window_design.h"

namespace tavi::editor {

// The members are declared in the order of creation, so each window is created once, in that
// order, and the main window's creation handler runs before any other window exists.
Editor::Editor(platform::Platform& platform, forms::DesktopServices& desktop)
    : app(desktop),
      windows(platform),
      Form8(app.create<TForm8>(windows)),
      Form9(app.create<TForm9>(windows)),
      Form10(createSelectionWindow("TForm10")),
      Form11(createSelectionWindow("TForm11")),
      Form12(createSelectionWindow("TForm12")),
      Form13(createSelectionWindow("TForm13")),
      Form14(createSelectionWindow("TForm14")),
      Form15(createSelectionWindow("TForm15")),
      Form16(createSelectionWindow("TForm16")),
      Form20(createSelectionWindow("TForm20")),
      Form24(createSelectionWindow("TForm24")),
      Form25(app.create<TForm25>(windows)),
      Form19(createSelectionWindow("TForm19")),
      Form22(createSelectionWindow("TForm22")),
      Form27(app.create<TForm27>(windows)),
      Form28(createSelectionWindow("TForm28")),
      Form29(createSelectionWindow("TForm29")),
      Form30(createSelectionWindow("TForm30")),
      Form31(createSelectionWindow("TForm31")),
      Form32(createSelectionWindow("TForm32")),
      Form33(createSelectionWindow("TForm33")) {}

TProductWindow& Editor::createSelectionWindow(std::string_view windowClass) {
  return app.create<TProductWindow>(windows, productWindowDesign(windowClass));
}

}  // namespace tavi::editor
