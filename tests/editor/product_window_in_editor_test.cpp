#include <gtest/gtest.h>

#include "editor/main_window/main_window.h"
#include "editor/product_window.h"
#include "editor_test_support.h"

namespace tavi::editor {
namespace {

using testing::EditorSession;

// The selection windows follow the stored dark-theme flag, not the main window's box: a tick
// that was not saved changes nothing.
TEST(ProductWindowInEditor, ColourComesFromTheStoredFlagNotFromTheMainWindowsBox) {
  for (const bool stored : {false, true}) {
    SCOPED_TRACE(stored);
    EditorSession session;
    if (stored) session.drive.write(R"(C:\KivTanOr5\DarkColor.dat)", "");
    Editor& editor = session.start();
    ASSERT_TRUE(editor.app.tick(editor.Form8.DarkColor, !stored));
    ASSERT_TRUE(editor.app.click(editor.Form8.NuSkin));
    EXPECT_EQ(editor.Form30.color(), stored ? forms::Color::grey() : forms::Color::silver());
  }
}

}  // namespace
}  // namespace tavi::editor
