#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "editor/global_settings_window.h"
#include "editor/language_window.h"
#include "editor/main_window/main_window.h"
#include "editor/own_preparations_window.h"
#include "editor/product_window.h"
#include "editor_test_support.h"

namespace tavi::editor {
namespace {

using testing::EditorSession;

TEST(WindowSet, EveryWindowIsCreatedOnceInItsOrderWithTheMainWindowFirst) {
  EditorSession session;
  Editor& editor = session.start();

  const std::vector<std::string> order = {
      "Form8",  "Form9",  "Form10", "Form11", "Form12", "Form13", "Form14",
      "Form15", "Form16", "Form20", "Form24", "Form25", "Form19", "Form22",
      "Form27", "Form28", "Form29", "Form30", "Form31", "Form32", "Form33"};
  std::vector<std::string> created;
  for (const auto& form : editor.app.forms())
    created.push_back(form->name());
  EXPECT_EQ(created, order);
  EXPECT_EQ(editor.app.mainForm(), &editor.Form8);

  // The program-wide names lead to the very windows the application holds.
  const forms::Form* published[] = {
      editor.windows.Form8,  editor.windows.Form9,  editor.windows.Form10, editor.windows.Form11,
      editor.windows.Form12, editor.windows.Form13, editor.windows.Form14, editor.windows.Form15,
      editor.windows.Form16, editor.windows.Form20, editor.windows.Form24, editor.windows.Form25,
      editor.windows.Form19, editor.windows.Form22, editor.windows.Form27, editor.windows.Form28,
      editor.windows.Form29, editor.windows.Form30, editor.windows.Form31, editor.windows.Form32,
      editor.windows.Form33};
  ASSERT_EQ(editor.app.forms().size(), std::size(published));
  for (std::size_t i = 0; i < std::size(published); ++i) {
    EXPECT_EQ(published[i], editor.app.forms()[i].get()) << order[i];
  }
  EXPECT_EQ(&editor.Form30, editor.windows.productWindow("TForm30"));
  EXPECT_EQ(editor.Form30.group().key, "NuSkin");
  EXPECT_EQ(editor.Form9.caption(), "");
}

TEST(WindowSet, AfterTheStartOnlyTheMainWindowIsShown) {
  EditorSession session;
  Editor& editor = session.start();
  for (const auto& form : editor.app.forms()) {
    EXPECT_EQ(form->visible(), form.get() == &editor.Form8) << form->name();
  }
  EXPECT_FALSE(editor.app.terminated());
  EXPECT_TRUE(session.desktop.errors().empty());
}

TEST(WindowSet, ASelectionWindowClosedAndOpenedAgainIsTheSameInstance) {
  EditorSession session;
  Editor& editor = session.start();
  TProductWindow* const nuSkin = editor.windows.Form30;

  for (auto close : std::vector<std::function<void()>>{
           [&] { editor.app.closeWindow(editor.Form30); },
           [&] { editor.app.click(editor.Form30.Konec); },
       }) {
    ASSERT_TRUE(editor.app.click(editor.Form8.NuSkin));
    EXPECT_TRUE(editor.Form30.visible());
    close();
    EXPECT_FALSE(editor.Form30.visible());
    EXPECT_FALSE(editor.app.terminated());
  }
  ASSERT_TRUE(editor.app.click(editor.Form8.NuSkin));
  EXPECT_TRUE(editor.Form30.visible());
  EXPECT_EQ(editor.windows.Form30, nuSkin);
  EXPECT_EQ(editor.app.forms().size(), 21u);
}

TEST(WindowSet, KonecAndTheMainWindowsFrameEndTheProgramWithoutWritingAnything) {
  const std::function<void(Editor&)> ways[] = {
      [](Editor& editor) { editor.app.click(editor.Form8.Konec); },
      [](Editor& editor) { editor.app.closeWindow(editor.Form8); },
  };
  for (const auto& end : ways) {
    EditorSession session;
    session.drive.write(R"(C:\KivTanOr5\datLimit.dat)", "\x5A");
    Editor& editor = session.start();
    // Unsaved changes everywhere; none of them may reach the drive.
    editor.app.scroll(editor.Form8.nastav_limit, 90);
    editor.app.tick(editor.Form8.DarkColor, true);
    editor.app.click(editor.Form8.NuSkin);
    editor.app.tick(editor.Form30.product(211), true);
    const auto before = testing::driveContents(session.drive);

    end(editor);
    EXPECT_TRUE(editor.app.terminated());
    EXPECT_EQ(testing::driveContents(session.drive), before);
    EXPECT_TRUE(session.desktop.confirmations().empty());
    // Once ended, the windows take no more input.
    EXPECT_FALSE(editor.app.click(editor.Form30.Uloz));
  }
}

TEST(WindowSet, ClosingASecondaryWindowByItsFrameLeavesTheProgramRunning) {
  EditorSession session;
  Editor& editor = session.start();
  editor.Form9.show();
  EXPECT_TRUE(editor.app.closeWindow(editor.Form9));
  EXPECT_FALSE(editor.Form9.visible());
  EXPECT_FALSE(editor.app.terminated());
  EXPECT_TRUE(editor.Form8.visible());
}

TEST(LanguageWindowDesign, OffersTheFiveLanguagesWithNothingChosen) {
  EditorSession session;
  Editor& editor = session.start();
  const TForm9& window = editor.Form9;
  EXPECT_EQ(window.clientWidth(), 296);
  EXPECT_EQ(window.clientHeight(), 420);
  EXPECT_EQ(window.Language.items(),
            (std::vector<std::string>{"Česky", "English", "Deutsche", "Svenska", "Русский"}));
  EXPECT_EQ(window.Language.columns(), 1);
  EXPECT_EQ(window.Language.itemIndex(), -1);
  EXPECT_EQ(window.OK.caption(), "OK");
  EXPECT_EQ(window.X.caption(), "X");
  // Below the group, OK on the left and X on the right.
  EXPECT_GE(window.OK.rect().top, window.Language.rect().bottom());
  EXPECT_LT(window.OK.rect().right(), window.X.rect().left);
  EXPECT_LE(window.X.rect().right(), window.clientWidth());
  EXPECT_LE(window.OK.rect().bottom(), window.clientHeight());
}

}  // namespace
}  // namespace tavi::editor
