#include <gtest/gtest.h>
#include <oleacc.h>
#include <windows.h>

#include <map>
#include <string>

#include "editor/editor.h"
#include "editor/main_window/main_window.h"
#include "editor/product_window.h"
#include "forms/accessibility.h"
#include "forms/scripted_desktop.h"
#include "frontends/win32/native_text.h"
#include "frontends/win32/renderer.h"
#include "frontends/win32/wide_text.h"
#include "support/test_drive.h"

namespace tavi::frontends::win32::testing {
namespace {

// COM for the test's thread, as a screen reader's process has it.
class ComSession {
 public:
  ComSession() { CoInitialize(nullptr); }
  ~ComSession() { CoUninitialize(); }
  ComSession(const ComSession&) = delete;
  ComSession& operator=(const ComSession&) = delete;
};

// What a screen reader learns of a window through MSAA.
struct Announced {
  std::string name;
  long role = -1;
};

Announced announced(HWND window) {
  Announced result;
  IAccessible* accessible = nullptr;
  if (FAILED(AccessibleObjectFromWindow(window, OBJID_CLIENT, __uuidof(IAccessible),
                                        reinterpret_cast<void**>(&accessible)))) {
    return result;
  }
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR name = nullptr;
  if (accessible->get_accName(self, &name) == S_OK && name != nullptr) {
    result.name = narrow(std::wstring_view(name, SysStringLen(name)));
  }
  SysFreeString(name);
  VARIANT role{};
  if (SUCCEEDED(accessible->get_accRole(self, &role)) && role.vt == VT_I4) result.role = role.lVal;
  accessible->Release();
  return result;
}

// "Tavi Setting" with the system's controls in one language (0 Czech, 1 English, 2 German),
// the Nu Skin window opened beside the main window.
class AccessibilityTest : public ::testing::TestWithParam<int> {
 protected:
  AccessibilityTest() {
    renderer.sync();
    editor.app.click(editor.Form8.NuSkin);
    renderer.sync();
    renderer.processPendingMessages();
  }

  static tavi::testing::TestDrive& inLanguage(tavi::testing::TestDrive& drive, char language) {
    drive.write(R"(C:\KivTanOr5\dLangv.dat)", std::string{language, '\0', '\0', '\0'});
    return drive;
  }

  HWND native(const forms::Control& control) const { return renderer.nativeWindow(control); }
  std::string toolTip(const forms::Control& control) const {
    return narrow(renderer.window(control.form())->toolTips().of(native(control)));
  }

  ComSession com;
  tavi::testing::TestDrive drive;
  forms::ScriptedDesktop desktop;
  editor::Editor editor{inLanguage(drive, static_cast<char>(GetParam())).platform(), desktop};
  Renderer renderer{editor.app, drive.platform()};
};

class NamesTest : public AccessibilityTest {};
class ToolTipsTest : public AccessibilityTest {};

TEST_P(NamesTest, MsaaReadsTheModelsNamesAndTheRoleOfEachKind) {
  using Kind = forms::ControlKind;
  const std::map<Kind, long> roles = {{Kind::Button, ROLE_SYSTEM_PUSHBUTTON},
                                      {Kind::CheckBox, ROLE_SYSTEM_CHECKBUTTON},
                                      {Kind::RadioGroup, ROLE_SYSTEM_GROUPING},
                                      {Kind::Edit, ROLE_SYSTEM_TEXT},
                                      {Kind::Memo, ROLE_SYSTEM_TEXT},
                                      {Kind::ScrollBar, ROLE_SYSTEM_SCROLLBAR},
                                      {Kind::Label, ROLE_SYSTEM_STATICTEXT},
                                      {Kind::Picture, ROLE_SYSTEM_GRAPHIC},
                                      {Kind::ProgressBar, ROLE_SYSTEM_PROGRESSBAR},
                                      {Kind::Panel, ROLE_SYSTEM_GROUPING}};
  int named = 0;
  for (const forms::Form* form :
       {static_cast<forms::Form*>(&editor.Form8), static_cast<forms::Form*>(&editor.Form30)}) {
    for (const forms::Control* control : form->controls()) {
      HWND window = native(*control);
      ASSERT_NE(window, nullptr) << control->name();
      const Announced heard = announced(window);
      const std::string name = forms::accessibleName(*control);
      EXPECT_EQ(heard.name, name) << control->name();
      EXPECT_EQ(heard.role, roles.at(forms::accessibleKind(*control))) << control->name();
      named += name.empty() ? 0 : 1;
    }
  }
  EXPECT_GT(named, 150);
}

TEST_P(NamesTest, AFieldOrBarIsAnnouncedByItsLabel) {
  EXPECT_EQ(announced(native(editor.Form8.Cesta)).name, editor.Form8.Edit2.text());
  EXPECT_EQ(announced(native(editor.Form8.nastav_limit)).name,
            editor.Form8.Citlivos_popis4.caption());
  EXPECT_EQ(announced(native(editor.Form30.product(224))).name,
            editor.Form30.product(224).caption());
  EXPECT_EQ(announced(native(editor.Form30.CheckVSE)).name, editor.Form30.Vse.caption());
}

INSTANTIATE_TEST_SUITE_P(CzechAndEnglish, NamesTest, ::testing::Values(0, 1));

TEST_P(ToolTipsTest, ACutCaptionShowsWhole) {
  editor::TProductWindow& nuSkin = editor.Form30;
  EXPECT_EQ(toolTip(nuSkin.product(211)), "");
  EXPECT_EQ(toolTip(nuSkin.product(224)), nuSkin.product(224).caption());
  EXPECT_EQ(toolTip(nuSkin.Uloz), "");
  // Every tip there is the whole caption of its box.
  for (const auto& box : nuSkin.productBoxes()) {
    const std::string tip = toolTip(*box);
    if (!tip.empty()) {
      EXPECT_EQ(tip, box->caption()) << box->name();
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
  EXPECT_EQ(narrow(windowText(native(main.Edit1))), main.Edit1.text());
  EXPECT_EQ(toolTip(main.Edit1), "");
  EXPECT_EQ(toolTip(main.Edit2), "");
  // A typed field never shows its value as a tip.
  EXPECT_EQ(toolTip(main.Cesta), "");
}

INSTANTIATE_TEST_SUITE_P(CzechAndGerman, ToolTipsTest, ::testing::Values(0, 2));

}  // namespace
}  // namespace tavi::frontends::win32::testing
