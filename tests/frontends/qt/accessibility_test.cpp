#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleInterface>
#include <QLineEdit>
#include <QTest>
#include <QWidget>
#include <map>
#include <string>

#include "editor/editor.h"
#include "editor/main_window/main_window.h"
#include "editor/product_window.h"
#include "forms/accessibility.h"
#include "forms/scripted_desktop.h"
#include "frontends/qt/renderer.h"
#include "qt_session.h"
#include "support/test_drive.h"

namespace tavi::frontends::qt::testing {
namespace {

// The editor drawn with Qt in one language (0 Czech, 1 English, 2 German), the Nu Skin window
// opened beside the main window.
class AccessibilityTest : public ::testing::TestWithParam<int> {
 protected:
  AccessibilityTest() {
    editor.app.click(editor.Form8.NuSkin);
    renderer.sync();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(renderer.window(editor.Form30)));
  }

  static tavi::testing::TestDrive& inLanguage(tavi::testing::TestDrive& drive, char language) {
    drive.write(R"(C:\KivTanOr5\dLangv.dat)", std::string{language, '\0', '\0', '\0'});
    return drive;
  }

  QString toolTip(const forms::Control& control) const {
    return renderer.widget(control)->toolTip();
  }

  QtSession session;
  tavi::testing::TestDrive drive;
  forms::ScriptedDesktop desktop;
  editor::Editor editor{inLanguage(drive, static_cast<char>(GetParam())).platform(), desktop};
  Renderer renderer{editor.app, drive.platform()};
};

class NamesTest : public AccessibilityTest {};
class ToolTipsTest : public AccessibilityTest {};

TEST_P(NamesTest, QtAccessibilityReadsTheModelsNamesAndTheRoleOfEachKind) {
  using Kind = forms::ControlKind;
  const std::map<Kind, QAccessible::Role> roles = {
      {Kind::Button, QAccessible::Button},          {Kind::CheckBox, QAccessible::CheckBox},
      {Kind::RadioGroup, QAccessible::Grouping},    {Kind::Edit, QAccessible::EditableText},
      {Kind::ScrollBar, QAccessible::ScrollBar},    {Kind::Label, QAccessible::StaticText},
      {Kind::ProgressBar, QAccessible::ProgressBar}};
  int named = 0;
  for (const forms::Form* form :
       {static_cast<forms::Form*>(&editor.Form8), static_cast<forms::Form*>(&editor.Form30)}) {
    for (const forms::Control* control : form->controls()) {
      QWidget* widget = renderer.widget(*control);
      ASSERT_NE(widget, nullptr) << control->name();
      QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
      ASSERT_NE(accessible, nullptr) << control->name();
      const std::string name = forms::accessibleName(*control);
      EXPECT_EQ(accessible->text(QAccessible::Name).toStdString(), name) << control->name();
      named += name.empty() ? 0 : 1;
      if (const auto role = roles.find(forms::accessibleKind(*control)); role != roles.end()) {
        EXPECT_EQ(accessible->role(), role->second) << control->name();
      }
    }
  }
  EXPECT_GT(named, 150);
}

TEST_P(NamesTest, AFieldOrBarIsAnnouncedByItsLabel) {
  auto nameOf = [this](const forms::Control& control) {
    return QAccessible::queryAccessibleInterface(renderer.widget(control))
        ->text(QAccessible::Name)
        .toStdString();
  };
  EXPECT_EQ(nameOf(editor.Form8.Cesta), editor.Form8.Edit2.text());
  EXPECT_EQ(nameOf(editor.Form8.nastav_limit), editor.Form8.Citlivos_popis4.caption());
  EXPECT_EQ(nameOf(editor.Form30.product(224)), editor.Form30.product(224).caption());
  EXPECT_EQ(nameOf(editor.Form30.CheckVSE), editor.Form30.Vse.caption());
}

INSTANTIATE_TEST_SUITE_P(CzechAndEnglish, NamesTest, ::testing::Values(0, 1));

TEST_P(ToolTipsTest, ACutCaptionShowsWhole) {
  editor::TProductWindow& nuSkin = editor.Form30;
  EXPECT_EQ(toolTip(nuSkin.product(211)), "");
  EXPECT_EQ(toolTip(nuSkin.product(224)).toStdString(), nuSkin.product(224).caption());
  EXPECT_EQ(toolTip(nuSkin.Uloz), "");
  // Every tip there is the whole caption of its box.
  for (const auto& box : nuSkin.productBoxes()) {
    const QString tip = toolTip(*box);
    if (!tip.isEmpty()) {
      EXPECT_EQ(tip.toStdString(), box->caption()) << box->name();
    }
  }
}

TEST_P(ToolTipsTest, TheMainWindowsCaptionFieldShowsWholeOnlyWhereCut) {
  const editor::TForm8& main = editor.Form8;
  // The German caption is longer than its field: it grows into the free space on its left and
  // shows whole, so it needs no tip.
  if (GetParam() == 2) {
    ASSERT_EQ(main.Edit1.text(), "Nahrungsergänzungsmittel:");
  }
  EXPECT_EQ(static_cast<QLineEdit*>(renderer.widget(main.Edit1))->text().toStdString(),
            main.Edit1.text());
  EXPECT_EQ(toolTip(main.Edit1), "");
  EXPECT_EQ(toolTip(main.Edit2), "");
  // A typed field never shows its value as a tip.
  EXPECT_EQ(toolTip(main.Cesta), "");
}

INSTANTIATE_TEST_SUITE_P(CzechAndGerman, ToolTipsTest, ::testing::Values(0, 2));

}  // namespace
}  // namespace tavi::frontends::qt::testing
