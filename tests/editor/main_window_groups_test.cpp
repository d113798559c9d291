#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "catalogue/product_flags.h"
#include "catalogue/product_groups.h"
#include "editor/main_window/main_window.h"
#include "editor/own_preparations_window.h"
#include "editor/product_window.h"
#include "editor_test_support.h"

namespace tavi::editor {
namespace {

using catalogue::ProductIndex;
using Products = std::vector<ProductIndex>;
using Indicators = std::pair<bool, bool>;  // all selected, any selected
using testing::EditorSession;
using testing::productsOf;
using testing::selectedOnDrive;
using testing::selectOnDrive;

constexpr char kPrepSwich[] = R"(C:\KivTanOr5\PrepSwich)";

const catalogue::ProductGroup& group(std::string_view key) {
  return *catalogue::findGroup(key);
}

// Lays out the flag files, starts the editor and brings the indicators up to date, as the
// start of the program leaves them.
Editor& startWith(EditorSession& session, const Products& selected) {
  selectOnDrive(session.drive, selected);
  Editor& editor = session.start();
  // The refresh that the load and every selection window's save trigger.
  EXPECT_TRUE(editor.app.dispatch([&] { editor.Form8.VyplnCtvereckyClick(); }));
  return editor;
}

Indicators indicators(TForm8& window, std::string_view key) {
  const TForm8::GroupRow row = window.groupRow(key);
  return {row.allSelected.checked(), row.anySelected.checked()};
}

TEST(GroupControls, EachOpenButtonShowsItsOwnWindowFilledFromTheFlagFiles) {
  Products firstOfEach;
  for (const catalogue::ProductGroup& g : catalogue::allGroups()) {
    firstOfEach.push_back(g.products.front());
  }
  EditorSession session;
  Editor& editor = startWith(session, firstOfEach);
  for (const catalogue::ProductGroup& g : catalogue::allGroups()) {
    SCOPED_TRACE(std::string(g.key));
    TProductWindow& window = *editor.windows.productWindow(g.window);
    ASSERT_TRUE(editor.app.click(editor.Form8.groupRow(g.key).open));
    EXPECT_TRUE(window.visible());
    EXPECT_TRUE(window.product(g.products.front()).checked());
    if (g.products.size() > 1) {
      EXPECT_FALSE(window.product(g.products.back()).checked());
    }
    // The main window stays usable beside it.
    EXPECT_TRUE(editor.Form8.visible());
    editor.app.click(window.Konec);
  }
  EXPECT_TRUE(session.desktop.errors().empty());
}

TEST(GroupControls, SavingASelectionRefreshesTheIndicators) {
  EditorSession session;
  Editor& editor = startWith(session, {300});
  TProductWindow& window = editor.Form30;
  editor.app.click(editor.Form8.NuSkin);
  editor.app.tick(window.product(211), true);
  editor.app.tick(window.product(225), true);
  editor.app.click(window.Uloz);

  EXPECT_EQ(selectedOnDrive(session.drive, group("NuSkin")), (Products{211, 225}));
  EXPECT_FALSE(window.visible());
  EXPECT_EQ(indicators(editor.Form8, "NuSkin"), Indicators(false, true));
  EXPECT_EQ(indicators(editor.Form8, "Starlife"), Indicators(false, true));
  EXPECT_EQ(indicators(editor.Form8, "Zinzino"), Indicators(false, false));

  editor.app.click(editor.Form8.NuSkin);
  for (ProductIndex index : group("NuSkin").products)
    editor.app.tick(window.product(index), true);
  editor.app.click(window.Uloz);
  EXPECT_EQ(indicators(editor.Form8, "NuSkin"), Indicators(true, true));

  // Another program deletes a flag: the indicators follow at the next refresh only.
  session.drive.remove(catalogue::productFlagPath(300));
  editor.app.click(editor.Form8.NuSkin);
  editor.app.click(window.Uloz);
  EXPECT_EQ(indicators(editor.Form8, "Starlife"), Indicators(false, false));
}

TEST(GroupControls, SelectAllSelectsTheWholeGroupUnlessAllWereSelected) {
  struct Case {
    const char* name;
    Products before;
    Products after;
    Indicators indicatorsAfter;
  };
  const Products all = productsOf(group("NuSkin"));
  const Case cases[] = {
      {"none selected", {}, all, {true, true}},
      {"some selected", {211, 230}, all, {true, true}},
      {"all selected", all, {}, {false, false}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EditorSession session;
    Editor& editor = startWith(session, c.before);
    editor.app.click(editor.Form8.NuSkinAll);

    EXPECT_EQ(selectedOnDrive(session.drive, group("NuSkin")), c.after);
    EXPECT_EQ(indicators(editor.Form8, "NuSkin"), c.indicatorsAfter);
    // The window was there for the handler only; the choice stays in its CheckVSE.
    EXPECT_FALSE(editor.Form30.visible());
    EXPECT_EQ(editor.Form30.CheckVSE.checked(), !c.after.empty());
    for (ProductIndex index : all) {
      EXPECT_EQ(editor.Form30.product(index).checked(), !c.after.empty());
    }
    EXPECT_TRUE(session.desktop.errors().empty());
  }
}

TEST(GroupControls, SelectAllDecidesFromTheIndicatorAsLastRefreshed) {
  EditorSession session;
  const Products all = productsOf(group("Zelene"));
  Editor& editor = startWith(session, all);
  ASSERT_EQ(indicators(editor.Form8, "Zelene"), Indicators(true, true));

  // Another program deselects one product; the indicator still says all are selected.
  session.drive.remove(catalogue::productFlagPath(all.front()));
  editor.app.click(editor.Form8.ZeleneAll);

  EXPECT_TRUE(selectedOnDrive(session.drive, group("Zelene")).empty());
  EXPECT_EQ(indicators(editor.Form8, "Zelene"), Indicators(false, false));
}

TEST(GroupControls, SelectAllDiscardsUnsavedTicksOfAnOpenWindow) {
  EditorSession session;
  Editor& editor = startWith(session, {});
  TProductWindow& window = editor.Form30;
  editor.app.click(editor.Form8.NuSkin);
  for (ProductIndex index : group("NuSkin").products)
    editor.app.tick(window.product(index), true);
  // Refilled from the files, nothing selected, so "•" selects the whole group.
  editor.app.click(editor.Form8.NuSkinAll);
  EXPECT_EQ(selectedOnDrive(session.drive, group("NuSkin")), productsOf(group("NuSkin")));
  EXPECT_FALSE(window.visible());
}

TEST(GroupControls, KoloidniHasOneProductSoItsIndicatorsAgree) {
  EditorSession session;
  Editor& editor = startWith(session, {});
  EXPECT_EQ(indicators(editor.Form8, "Koloidni"), Indicators(false, false));
  editor.app.click(editor.Form8.KoloidniAll);
  EXPECT_TRUE(session.drive.exists(catalogue::productFlagPath(30)));
  EXPECT_EQ(indicators(editor.Form8, "Koloidni"), Indicators(true, true));
  editor.app.click(editor.Form8.KoloidniAll);
  EXPECT_FALSE(session.drive.exists(catalogue::productFlagPath(30)));
  EXPECT_EQ(indicators(editor.Form8, "Koloidni"), Indicators(false, false));
}

TEST(GroupControls, EveryGroupIsRefreshedFromExactlyItsOwnProducts) {
  // Each group with all but its last product selected, and a flag file in a gap of the index.
  Products allButLast;
  for (const catalogue::ProductGroup& g : catalogue::allGroups()) {
    allButLast.insert(allButLast.end(), g.products.begin(), g.products.end() - 1);
  }
  EditorSession session;
  session.drive.write(R"(C:\KivTanOr5\PrepSwich\DopButt100.dat)", "");
  Editor& editor = startWith(session, allButLast);
  for (const catalogue::ProductGroup& g : catalogue::allGroups()) {
    EXPECT_EQ(indicators(editor.Form8, g.key), Indicators(false, g.products.size() > 1)) << g.key;
  }
}

TEST(GroupControls, WithoutTheFlagFolderEveryIndicatorIsUnticked) {
  EditorSession session;
  Editor& editor = startWith(session, {211, 30, 31, 32, 33, 34, 35, 36});
  ASSERT_EQ(indicators(editor.Form8, "QuantumMinerals"), Indicators(true, true));
  session.drive.remove(kPrepSwich);

  EXPECT_TRUE(editor.app.dispatch([&] { editor.Form8.VyplnCtvereckyClick(); }));
  for (const catalogue::ProductGroup& g : catalogue::allGroups()) {
    EXPECT_EQ(indicators(editor.Form8, g.key), Indicators(false, false)) << g.key;
  }
  EXPECT_TRUE(session.desktop.errors().empty());
}

TEST(GroupControls, AFailedSaveLeavesTheIndicatorsAsTheyWere) {
  const std::function<void(Editor&)> failingSaves[] = {
      [](Editor& editor) {
        editor.app.click(editor.Form8.NuSkin);
        editor.app.tick(editor.Form30.product(212), true);
        editor.app.click(editor.Form30.Uloz);
      },
      [](Editor& editor) { editor.app.click(editor.Form8.NuSkinAll); },
  };
  for (const auto& save : failingSaves) {
    EditorSession session;
    Editor& editor = startWith(session, {211});
    ASSERT_EQ(indicators(editor.Form8, "NuSkin"), Indicators(false, true));
    session.drive.remove(kPrepSwich);

    save(editor);
    EXPECT_EQ(session.desktop.errors().size(), 1u);
    // The files are gone, but no refresh has said so.
    EXPECT_EQ(indicators(editor.Form8, "NuSkin"), Indicators(false, true));
    EXPECT_TRUE(editor.Form30.visible());
    EXPECT_FALSE(editor.app.terminated());
  }
}

TEST(GroupControls, MePreparatOpensTheOwnPreparationsFilledFromTheirFile) {
  EditorSession session;
  // Heřmánek and Meduňka in the Czech ANSI code page.
  session.drive.write(R"(C:\KivTanOr5\Preparat.txt)", "He\xF8m\xE1nek\r\nMedu\xF2ka");
  Editor& editor = session.start();
  ASSERT_FALSE(editor.Form25.visible());
  ASSERT_TRUE(editor.app.click(editor.Form8.MePreparat));
  EXPECT_TRUE(editor.Form25.visible());
  EXPECT_EQ(editor.Form25.MemoNONE.lines(), (std::vector<std::string>{"Heřmánek", "Meduňka"}));
  EXPECT_TRUE(editor.Form8.visible());
}

}  // namespace
}  // namespace tavi::editor
