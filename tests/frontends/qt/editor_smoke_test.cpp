#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "editor/editor.h"
#include "editor/main_window/main_window.h"
#include "editor/product_window.h"
#include "forms/scripted_desktop.h"
#include "frontends/qt/renderer.h"
#include "qt_session.h"
#include "support/test_drive.h"

namespace tavi::frontends::qt::testing {
namespace {

// The editor with the Qt front end on a temporary drive holding a few settings, driven
// through its real widgets.
class EditorSmokeTest : public ::testing::Test {
 protected:
  EditorSmokeTest() {
    renderer.sync();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(renderer.window(editor.Form8)));
  }

  static tavi::testing::TestDrive& withSettings(tavi::testing::TestDrive& drive) {
    drive.write(R"(C:\KivTanOr5\dLangv.dat)", std::string("\1\0\0\0", 4));
    drive.write(R"(C:\KivTanOr5\datLimit.dat)", "\x50");
    drive.write(R"(C:\KivTanOr5\PrepSwich\DopButt212.dat)", "");
    drive.write(R"(C:\KivTanOr5\PrepSwich\DopButt215.dat)", "");
    return drive;
  }

  template <class Widget>
  Widget& native(const forms::Control& control) {
    auto* widget = dynamic_cast<Widget*>(renderer.widget(control));
    if (widget == nullptr) throw std::logic_error("no widget of that class for " + control.name());
    return *widget;
  }

  QtSession session;
  tavi::testing::TestDrive drive;
  forms::ScriptedDesktop desktop;
  editor::Editor editor{withSettings(drive).platform(), desktop};
  Renderer renderer{editor.app, drive.platform()};
};

TEST_F(EditorSmokeTest, AGroupAndTheMainSettingsAreChosenThroughTheWidgetsAndSaved) {
  editor::TForm8& main = editor.Form8;
  ASSERT_TRUE(renderer.window(main)->isVisible());
  // Only the main window has widgets at start; the others get theirs when they first show.
  for (const auto& form : editor.app.forms()) {
    EXPECT_EQ(renderer.window(*form) != nullptr, form.get() == &main) << form->name();
  }

  // The limit bar moves one step with its right arrow.
  auto& limit = native<QScrollBar>(main.nastav_limit);
  const int before = main.nastav_limit.position();
  QTest::mouseClick(&limit, Qt::LeftButton, {}, QPoint(limit.width() - 3, limit.height() / 2));
  EXPECT_EQ(main.nastav_limit.position(), before + 1);
  EXPECT_EQ(limit.value(), before + 1);

  // The Nu Skin window opens filled from the flag files, beside the main window.
  QTest::mouseClick(&native<QPushButton>(main.groupRow("NuSkin").open), Qt::LeftButton);
  editor::TProductWindow& nuSkin = editor.Form30;
  QWidget& nuSkinWindow = *renderer.window(nuSkin);
  ASSERT_TRUE(nuSkinWindow.isVisible());
  EXPECT_TRUE(renderer.window(main)->isVisible());
  EXPECT_EQ(nuSkinWindow.windowTitle(), "Nu Skin");
  EXPECT_EQ(native<QPushButton>(nuSkin.Uloz).text(), "Save");
  EXPECT_TRUE(native<QCheckBox>(nuSkin.product(212)).isChecked());
  EXPECT_FALSE(native<QCheckBox>(nuSkin.product(211)).isChecked());

  // Ticking 211 and unticking 215, then saving, writes exactly that choice.
  QTest::mouseClick(&native<QCheckBox>(nuSkin.product(211)), Qt::LeftButton);
  QTest::mouseClick(&native<QCheckBox>(nuSkin.product(215)), Qt::LeftButton);
  QTest::mouseClick(&native<QPushButton>(nuSkin.Uloz), Qt::LeftButton);
  EXPECT_EQ(drive.filesIn(R"(C:\KivTanOr5\PrepSwich)"),
            (std::vector<std::string>{"DopButt211.dat", "DopButt212.dat"}));
  EXPECT_FALSE(nuSkinWindow.isVisible());
  // The main window's any-selected indicator of the group shows the saved choice.
  EXPECT_TRUE(native<QCheckBox>(main.groupRow("NuSkin").anySelected).isChecked());
  EXPECT_FALSE(native<QCheckBox>(main.groupRow("NuSkin").allSelected).isChecked());

  // A port typed into its field and the main window's save end the program with the files,
  // the same bytes as the Windows program leaves.
  auto& port = native<QLineEdit>(main.COM_Nr);
  QTest::mouseClick(&port, Qt::LeftButton);
  QTest::keyClicks(&port, "3");
  QTest::mouseClick(&native<QPushButton>(main.Uloz), Qt::LeftButton);
  EXPECT_TRUE(editor.app.terminated());
  EXPECT_EQ(drive.read(R"(C:\KivTanOr5\datLimit.dat)"), "\x51");
  EXPECT_EQ(drive.read(R"(C:\KivTanOr5\COM_Nr.dat)"), "3\r\n");
  EXPECT_TRUE(desktop.errors().empty());
}

TEST_F(EditorSmokeTest, TheMainWindowsKonecEndsTheProgram) {
  QTest::mouseClick(&native<QPushButton>(editor.Form8.Konec), Qt::LeftButton);
  EXPECT_TRUE(editor.app.terminated());
}

}  // namespace
}  // namespace tavi::frontends::qt::testing
