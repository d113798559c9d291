#include <gtest/gtest.h>

#include <string>

#include "editor/global_settings_window.h"
#include "editor/main_window/main_window.h"
#include "editor/own_preparations_window.h"
#include "editor/product_window.h"
#include "editor_test_support.h"
#include "forms/accessibility.h"
#include "texts/language.h"

namespace tavi::editor::testing {
namespace {

// The editor in English with the windows that the table names opened as a person opens them.
class AccessibleNamesTest : public ::testing::Test {
 protected:
  AccessibleNamesTest() {
    session.drive.write(R"(C:\KivTanOr5\dLangv.dat)", std::string("\1\0\0\0", 4));
    Editor& editor = session.start();
    editor.app.click(editor.Form8.NuSkin);
    editor.app.click(editor.Form8.MePreparat);
    editor.app.dispatch([&] { editor.Form27.open(GlobalSettingsMode::Branding); });
  }

  const forms::Control& control(std::string_view form, std::string_view name) {
    for (const auto& window : session.editor().app.forms()) {
      if (window->name() != form) continue;
      if (const forms::Control* found = window->findControl(name)) return *found;
    }
    throw std::invalid_argument("no control " + std::string(name) + " in " + std::string(form));
  }

  EditorSession session;
};

TEST_F(AccessibleNamesTest, FieldsBarsAndBoxesWithoutCaptionsAreNamedByTheirLabels) {
  const std::string language(texts::kLanguageChoiceName);
  struct Case {
    std::string_view form;
    std::string_view control;
    std::string name;
  };
  const Case cases[] = {
      {"Form8", "Uloz", "Save"},
      {"Form8", "Edit2", "Directory Path:"},
      {"Form8", "Cesta", "Directory Path:"},
      {"Form8", "Edit3", "Example:"},
      {"Form8", "COM_Nr", "COM:"},
      {"Form8", "nastav_citlivost", "Sensitivity:"},
      {"Form8", "nastav_limit", "Limit:"},
      {"Form8", "VelPism", "Font size:"},
      {"Form8", "pricist", "Plus + %"},
      {"Form8", "PlusRife", "Export + %"},
      {"Form8", "Image1", language},
      {"Form8", "PosF", "Pos. F,L,I,M"},
      {"Form8", "PckPrep", "Info Preparations"},
      {"Form8", "ChNuSkin", "Nu Skin"},
      {"Form8", "ChNuSkinx", "Nu Skin"},
      {"Form30", "CheckBox211", "LifePak+"},
      {"Form30", "CheckVSE", "Mark all and save"},
      {"Form27", "NameWindow", "Window bar text:"},
      {"Form27", "WindowsColor", "Main window color:"},
      {"Form27", "FrekvencyColor2", "Side window color:"},
      {"Form9", "Language", language},
      {"Form25", "MemoNONE", session.editor().Form25.caption()},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(forms::accessibleName(control(c.form, c.control)), c.name)
        << c.form << "." << c.control;
  }
  EXPECT_FALSE(session.editor().Form25.caption().empty());
}

TEST_F(AccessibleNamesTest, EveryControlThatShowsHasAName) {
  for (const auto& window : session.editor().app.forms()) {
    for (const forms::Control* shown : window->controls()) {
      if (!shown->visible() || shown->kind() == forms::ControlKind::Panel) continue;
      // A value label may be empty until the window fills it.
      if (shown->kind() == forms::ControlKind::Label && forms::shownCaption(*shown).empty()) {
        continue;
      }
      EXPECT_NE(forms::accessibleName(*shown), "") << window->name() << "." << shown->name();
    }
  }
}

}  // namespace
}  // namespace tavi::editor::testing
