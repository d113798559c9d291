#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "catalogue/product_groups.h"
#include "editor/product_window.h"
#include "editor/product_window_design.h"
#include "editor/window_set.h"
#include "forms/application.h"
#include "forms/scripted_desktop.h"
#include "support/test_drive.h"

namespace tavi::editor {
namespace {

using forms::Color;
using Texts = std::vector<std::string>;

constexpr char kLanguageFile[] = R"(C:\KivTanOr5\dLangv.dat)";
constexpr char kDarkColorFlag[] = R"(C:\KivTanOr5\DarkColor.dat)";

std::string flag(int product) {
  return R"(C:\KivTanOr5\PrepSwich\DopButt)" + std::to_string(product) + ".dat";
}

std::string languageBytes(int language) {
  return std::string{static_cast<char>(language), '\0', '\0', '\0'};
}

// The selection windows on their own, as the editor creates them; no main window, so a save
// refreshes no indicators.
class ProductWindowTest : public ::testing::Test {
 protected:
  TProductWindow& create(std::string_view windowClass) {
    return app.create<TProductWindow>(windows, productWindowDesign(windowClass));
  }
  // What the main window's group button does.
  bool open(TProductWindow& window) {
    return app.dispatch([&] {
      window.show();
      window.NastavClick();
    });
  }
  std::vector<int> selectedOnDisk(const TProductWindow& window) const {
    std::vector<int> selected;
    for (const int product : window.group().products) {
      if (drive.exists(flag(product))) selected.push_back(product);
    }
    return selected;
  }

  testing::TestDrive drive;
  forms::ScriptedDesktop desktop;
  forms::Application app{desktop};
  WindowSet windows{drive.platform()};
};

TEST_F(ProductWindowTest, EveryWindowShowsExactlyItsGroupsProductsInsideItsArea) {
  ASSERT_EQ(productWindowDesigns().size(), 17u);
  for (const ProductWindowDesign& design : productWindowDesigns()) {
    SCOPED_TRACE(design.windowClass);
    TProductWindow& window = create(design.windowClass);
    EXPECT_EQ(windows.productWindow(design.windowClass), &window);
    EXPECT_EQ(window.name(), design.name);
    EXPECT_EQ(window.clientWidth(), design.clientWidth);
    EXPECT_FALSE(window.visible());
    EXPECT_EQ(window.color(), Color::silver());

    const catalogue::ProductGroup& group = *catalogue::groupOfWindow(design.windowClass);
    EXPECT_EQ(group.window, design.windowClass);
    std::multiset<std::string> shown;
    for (const auto& box : window.productBoxes())
      shown.insert(box->name());
    std::multiset<std::string> expected;
    for (const int product : group.products) {
      expected.insert(catalogue::checkBoxName(group, product));
      EXPECT_EQ(&window.product(product), window.findControl(window.product(product).name()));
    }
    EXPECT_EQ(shown, expected);

    // Nothing a person can see overlaps, and everything lies inside the window.
    std::vector<const forms::Control*> seen;
    for (const forms::Control* control : window.controls()) {
      if (!control->visible()) continue;
      const forms::Rect r = control->rect();
      EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right() <= window.clientWidth() &&
                  r.bottom() <= window.clientHeight())
          << control->name();
      for (const forms::Control* other : seen) {
        const forms::Rect o = other->rect();
        const bool apart = r.right() <= o.left || o.right() <= r.left || r.bottom() <= o.top ||
                           o.bottom() <= r.top;
        EXPECT_TRUE(apart) << control->name() << " overlaps " << other->name();
      }
      seen.push_back(control);
    }
    EXPECT_FALSE(window.Nastav.visible());
    EXPECT_EQ(window.Info1.has_value(), design.windowClass == "TForm24");
  }
}

TEST_F(ProductWindowTest, OpeningTicksExactlyTheProductsWhoseFlagFilesExistNow) {
  TProductWindow& nuSkin = create("TForm30");
  drive.write(flag(211), "");
  drive.write(flag(225), "not empty still means selected");
  drive.write(flag(1), "");  // another group's product
  ASSERT_TRUE(open(nuSkin));
  EXPECT_TRUE(nuSkin.visible());
  EXPECT_GE(nuSkin.centreRequests(), 1u);
  for (const int product : nuSkin.group().products) {
    EXPECT_EQ(nuSkin.product(product).checked(), product == 211 || product == 225) << product;
  }

  // Nothing is cached: another program removed a flag while the window was closed.
  app.click(nuSkin.Konec);
  drive.remove(flag(211));
  ASSERT_TRUE(open(nuSkin));
  EXPECT_FALSE(nuSkin.product(211).checked());
  EXPECT_TRUE(nuSkin.product(225).checked());
}

TEST_F(ProductWindowTest, SaveWritesTheTicksAsFlagFilesAndHides) {
  TProductWindow& praparaty = create("TForm10");
  drive.write(flag(1), "");
  drive.write(flag(57), "");
  drive.write(flag(9), "");  // Praparaty2's, left alone
  ASSERT_TRUE(open(praparaty));
  app.tick(praparaty.product(57), false);
  app.tick(praparaty.product(70), true);
  app.click(praparaty.product(2));
  ASSERT_TRUE(app.click(praparaty.Uloz));

  EXPECT_EQ(selectedOnDisk(praparaty), (std::vector<int>{1, 2, 70}));
  EXPECT_EQ(drive.read(flag(70)), "");
  EXPECT_TRUE(drive.exists(flag(9)));
  EXPECT_FALSE(praparaty.visible());
  EXPECT_TRUE(desktop.errors().empty());
}

TEST_F(ProductWindowTest, KonecAndTheFrameHideWithoutWriting) {
  TProductWindow& lr = create("TForm16");
  for (const bool byFrame : {false, true}) {
    ASSERT_TRUE(open(lr));
    app.tick(lr.product(61), true);
    if (byFrame) {
      app.closeWindow(lr);
    } else {
      app.click(lr.Konec);
    }
    EXPECT_FALSE(lr.visible());
    EXPECT_TRUE(selectedOnDisk(lr).empty());
  }
}

TEST_F(ProductWindowTest, VseGivesEveryProductTheStateOfCheckVseAndSaves) {
  TProductWindow& zinzino = create("TForm33");
  const std::vector<int> all(zinzino.group().products.begin(), zinzino.group().products.end());
  for (const bool tickAll : {true, false}) {
    SCOPED_TRACE(tickAll);
    drive.write(flag(231), "");
    drive.remove(flag(232));
    ASSERT_TRUE(open(zinzino));
    app.tick(zinzino.CheckVSE, tickAll);
    ASSERT_TRUE(app.click(zinzino.Vse));
    EXPECT_EQ(selectedOnDisk(zinzino), tickAll ? all : std::vector<int>{});
    EXPECT_FALSE(zinzino.visible());
    // CheckVSE is the window's own state and outlives the closing.
    ASSERT_TRUE(open(zinzino));
    EXPECT_EQ(zinzino.CheckVSE.checked(), tickAll);
    app.click(zinzino.Konec);
  }
}

TEST_F(ProductWindowTest, TextsFollowTheLanguageFileAtEveryOpening) {
  struct Case {
    const char* windowClass;
    int language;
    const char* title;
    const char* save;
    const char* selectAll;
    int product;
    const char* productName;
  };
  const Case cases[] = {
      {"TForm10", -1, "Přípravky 1", "Uložit", "Označit vše a uložit", 1, "Ořešák --------"},
      {"TForm10", 1, "Preparations 1", "Save", "Mark all and save", 1, "Walnut -------"},
      {"TForm14", 2, "Preparations 3", "Speichern", "Alles markieren und speichern", 37, nullptr},
      {"TForm11", 3, "Preparation 2", "Spara", "Markera alla och spara", 9, nullptr},
      {"TForm12", 4, "Коллоидное серебро", "Сохранить", "Отметить все и сохранить", 30, nullptr},
      {"TForm20", 1, "Green food", "Save", "Mark all and save", 71, nullptr},
      {"TForm13", 1, "Quantum Minerals", "Save", "Mark all and save", 31, nullptr},
      // An unknown language: every looked-up text is the default, names fall back likewise,
      // except for the brands whose names never depend on the language.
      {"TForm10", 7, "????????? 1", "?????????", "?????????", 1, "???????"},
      {"TForm29", 7, "Harmonelo", "?????????", "?????????", 201, "Harmonelo Colostrum"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.windowClass) + " in " + std::to_string(c.language));
    TProductWindow& window = create(c.windowClass);
    if (c.language < 0) {
      drive.remove(kLanguageFile);
    } else {
      drive.write(kLanguageFile, languageBytes(c.language));
    }
    ASSERT_TRUE(open(window));
    EXPECT_EQ(window.caption(), c.title);
    EXPECT_EQ(window.Uloz.caption(), c.save);
    EXPECT_EQ(window.Vse.caption(), c.selectAll);
    if (c.productName != nullptr) {
      EXPECT_EQ(window.product(c.product).caption(), c.productName);
    }
    EXPECT_EQ(windows.Languagem, c.language < 0 ? 0 : c.language);
  }
}

TEST_F(ProductWindowTest, EachWindowLooksUpInItsOwnTableOnly) {
  TProductWindow& praparaty = create("TForm10");
  TProductWindow& benedictus = create("TForm19");
  EXPECT_EQ(praparaty.FATisk(901), "?????????");
  EXPECT_EQ(benedictus.FATisk(901), "Zelené potraviny");
  EXPECT_EQ(benedictus.FATisk(16401), "?????????");
  EXPECT_EQ(benedictus.FATisk(419), "Konec");
}

TEST_F(ProductWindowTest, ColourFollowsTheStoredDarkThemeFlag) {
  TProductWindow& window = create("TForm22");
  drive.write(kDarkColorFlag, "");
  ASSERT_TRUE(open(window));
  EXPECT_EQ(window.color(), Color::grey());
  drive.remove(kDarkColorFlag);
  ASSERT_TRUE(open(window));
  EXPECT_EQ(window.color(), Color::silver());
}

TEST_F(ProductWindowTest, ShortLanguageFileStopsTheFillAndTheWindowKeepsItsTexts) {
  TProductWindow& nuSkin = create("TForm30");
  drive.write(kLanguageFile, languageBytes(1));
  ASSERT_TRUE(open(nuSkin));
  app.click(nuSkin.Konec);
  drive.write(kLanguageFile, "\x01\x00");
  drive.write(flag(211), "");

  EXPECT_FALSE(open(nuSkin));
  ASSERT_EQ(desktop.errors().size(), 1u);
  EXPECT_NE(desktop.errors()[0].find("dLangv.dat"), std::string::npos);
  EXPECT_TRUE(nuSkin.visible());
  EXPECT_EQ(nuSkin.Uloz.caption(), "Save");
  EXPECT_FALSE(nuSkin.product(211).checked());  // the fill stopped before the ticks
}

TEST_F(ProductWindowTest, FailedSaveStopsAtThatProductReportsAndStaysOpen) {
  struct Case {
    const char* fault;
    void (*arrange)(testing::TestDrive&);
    std::vector<int> written;
  };
  const Case cases[] = {
      {"PrepSwich missing",
       [](testing::TestDrive& d) { d.remove(R"(C:\KivTanOr5\PrepSwich)"); },
       {}},
      {"read-only flag file",
       [](testing::TestDrive& d) {
         d.write(flag(214), "");
         d.setReadOnly(flag(214));
       },
       {211, 212, 213}},
      {"folder in the way",
       [](testing::TestDrive& d) { d.makeFolder(flag(214)); },
       {211, 212, 213}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.fault);
    testing::TestDrive faulty;
    forms::ScriptedDesktop faultyDesktop;
    forms::Application faultyApp{faultyDesktop};
    WindowSet faultyWindows{faulty.platform()};
    auto& nuSkin = faultyApp.create<TProductWindow>(faultyWindows, productWindowDesign("TForm30"));
    faultyApp.dispatch([&] {
      nuSkin.show();
      nuSkin.NastavClick();
    });
    c.arrange(faulty);
    for (int product = 211; product <= 216; ++product)
      faultyApp.tick(nuSkin.product(product), true);

    ASSERT_TRUE(faultyApp.click(nuSkin.Uloz));
    ASSERT_EQ(faultyDesktop.errors().size(), 1u);
    EXPECT_NE(faultyDesktop.errors()[0].find(c.written.empty() ? "DopButt211" : "DopButt214"),
              std::string::npos)
        << faultyDesktop.errors()[0];
    EXPECT_TRUE(nuSkin.visible());
    for (int product = 211; product <= 216; ++product) {
      const bool written = std::ranges::find(c.written, product) != c.written.end();
      if (product == 214 && !c.written.empty()) continue;  // the obstacle itself
      EXPECT_EQ(faulty.exists(flag(product)), written) << product;
    }
  }
}

TEST_F(ProductWindowTest, HealthDetoxDocumentsOpenWithTheShell) {
  TProductWindow& healthDetox = create("TForm24");
  ASSERT_TRUE(open(healthDetox));
  app.click(*healthDetox.Info1);
  app.click(*healthDetox.Info2);
  EXPECT_EQ(desktop.shellOpens(),
            (Texts{R"(c:\KivTanOr5\HealthDetox1.pdf)", R"(c:\KivTanOr5\HealthDetox2.pdf)"}));
  EXPECT_TRUE(healthDetox.visible());
}

}  // namespace
}  // namespace tavi::editor
