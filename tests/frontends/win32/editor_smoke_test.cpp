#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "editor/editor.h"
#include "editor/main_window/main_window.h"
#include "editor/product_window.h"
#include "forms/scripted_desktop.h"
#include "frontends/win32/renderer.h"
#include "frontends/win32/test_helpers.h"
#include "support/test_drive.h"

namespace tavi::frontends::win32::testing {
namespace {

// "Tavi Setting" with the system's own controls on a temporary drive holding a few settings,
// driven through the real controls.
class EditorSmokeTest : public ::testing::Test {
 protected:
  EditorSmokeTest() {
    renderer.sync();
    SetForegroundWindow(GetAncestor(native(editor.Form8.Uloz), GA_ROOT));
    renderer.processPendingMessages();
  }

  static tavi::testing::TestDrive& withSettings(tavi::testing::TestDrive& drive) {
    drive.write(R"(C:\KivTanOr5\dLangv.dat)", std::string("\1\0\0\0", 4));
    drive.write(R"(C:\KivTanOr5\datLimit.dat)", "\x50");
    drive.write(R"(C:\KivTanOr5\PrepSwich\DopButt212.dat)", "");
    drive.write(R"(C:\KivTanOr5\PrepSwich\DopButt215.dat)", "");
    return drive;
  }

  HWND native(const forms::Control& control) const {
    HWND window = renderer.nativeWindow(control);
    if (window == nullptr) ADD_FAILURE() << "no native window for " << control.name();
    return window;
  }

  void scrollRight(const forms::ScrollBar& bar) {
    HWND window = native(bar);
    SendMessageW(GetParent(window), WM_HSCROLL, MAKEWPARAM(SB_LINERIGHT, 0),
                 reinterpret_cast<LPARAM>(window));
  }

  tavi::testing::TestDrive drive;
  forms::ScriptedDesktop desktop;
  editor::Editor editor{withSettings(drive).platform(), desktop};
  Renderer renderer{editor.app, drive.platform()};
};

TEST_F(EditorSmokeTest, AGroupAndTheMainSettingsAreChosenThroughTheControlsAndSaved) {
  editor::TForm8& main = editor.Form8;
  EXPECT_EQ(shownText(native(main.Uloz)), "Save");
  // Only the main window has native controls at start; the others get theirs when they first
  // show.
  for (const auto& form : editor.app.forms()) {
    EXPECT_EQ(renderer.window(*form) != nullptr, form.get() == &main) << form->name();
  }

  // The limit bar moves one step with its right arrow.
  scrollRight(main.nastav_limit);
  EXPECT_EQ(main.nastav_limit.position(), 81);
  EXPECT_EQ(scrollPosition(native(main.nastav_limit)), 81);

  // The Nu Skin window opens filled from the flag files, beside the main window.
  press(native(main.groupRow("NuSkin").open));
  editor::TProductWindow& nuSkin = editor.Form30;
  HWND nuSkinWindow = GetAncestor(native(nuSkin.Uloz), GA_ROOT);
  ASSERT_TRUE(IsWindowVisible(nuSkinWindow));
  EXPECT_TRUE(IsWindowVisible(GetAncestor(native(main.Uloz), GA_ROOT)));
  EXPECT_EQ(shownText(nuSkinWindow), "Nu Skin");
  EXPECT_TRUE(isChecked(native(nuSkin.product(212))));
  EXPECT_FALSE(isChecked(native(nuSkin.product(211))));

  // Ticking 211 and unticking 215, then saving, writes exactly that choice.
  press(native(nuSkin.product(211)));
  press(native(nuSkin.product(215)));
  press(native(nuSkin.Uloz));
  EXPECT_EQ(drive.filesIn(R"(C:\KivTanOr5\PrepSwich)"),
            (std::vector<std::string>{"DopButt211.dat", "DopButt212.dat"}));
  EXPECT_FALSE(IsWindowVisible(nuSkinWindow));
  EXPECT_TRUE(isChecked(native(main.groupRow("NuSkin").anySelected)));
  EXPECT_FALSE(isChecked(native(main.groupRow("NuSkin").allSelected)));

  // A port typed into its field and the main window's save end the program with the files.
  press(native(main.COM_Nr));
  type(native(main.COM_Nr), L'3');
  press(native(main.Uloz));
  EXPECT_TRUE(editor.app.terminated());
  EXPECT_EQ(drive.read(R"(C:\KivTanOr5\datLimit.dat)"), "\x51");
  EXPECT_EQ(drive.read(R"(C:\KivTanOr5\COM_Nr.dat)"), "3\r\n");
  EXPECT_TRUE(desktop.errors().empty());
}

TEST_F(EditorSmokeTest, TheMainWindowsKonecEndsTheProgramWithoutWriting) {
  const auto before = drive.filesIn(R"(C:\KivTanOr5)");
  scrollRight(editor.Form8.nastav_limit);
  press(native(editor.Form8.Konec));
  EXPECT_TRUE(editor.app.terminated());
  EXPECT_EQ(drive.filesIn(R"(C:\KivTanOr5)"), before);
  EXPECT_EQ(drive.read(R"(C:\KivTanOr5\datLimit.dat)"), "\x50");
}

}  // namespace
}  // namespace tavi::frontends::win32::testing
