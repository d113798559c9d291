#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <map>
#include <string>

#include "frontends/win32/control_tags.h"
#include "frontends/win32/renderer_fixture.h"
#include "frontends/win32/test_helpers.h"

namespace tavi::frontends::win32::testing {
namespace {

using ShowsTheModel = RendererTest;

TEST_F(ShowsTheModel, CaptionsAndTextsAsWritten) {
  demo.Port.setText("COM3 – č");
  demo.Notes.setLines({"první", "second"});
  demo.Method.clearItems();
  demo.Method.addItem("Česky");
  demo.Method.addItem("Русский");
  demo.Method.addItem("R2 Day & Night");
  renderer.sync();

  EXPECT_EQ(shownText(native(demo)), "Demo – Česky");
  // "&" does not underline: the caption reads as the model holds it.
  EXPECT_EQ(shownText(native(demo.Save)), "Save && close");
  EXPECT_EQ(shownText(native(demo.Value)), "80 %");
  EXPECT_EQ(shownText(native(demo.Port)), "COM3 – č");
  EXPECT_EQ(shownText(native(demo.Notes)), "první\r\nsecond");
  EXPECT_EQ(shownText(item(demo.Method, 0)), "Česky");
  EXPECT_EQ(shownText(item(demo.Method, 1)), "Русский");
  EXPECT_EQ(shownText(item(demo.Method, 2)), "R2 Day && Night");
  EXPECT_EQ(item(demo.Method, 3), nullptr);
}

TEST_F(ShowsTheModel, StatesAndValues) {
  demo.Option.setChecked(true);
  demo.Method.setItemIndex(1);
  demo.Limit.setPosition(91);
  demo.Progress.setMax(40);
  demo.Progress.setPosition(10);
  demo.Port.setReadOnly(true);
  demo.Save.setEnabled(false);
  demo.Box.setVisible(false);
  renderer.sync();

  EXPECT_TRUE(isChecked(native(demo.Option)));
  EXPECT_FALSE(isChecked(item(demo.Method, 0)));
  EXPECT_TRUE(isChecked(item(demo.Method, 1)));
  EXPECT_EQ(scrollPosition(native(demo.Limit)), 91);
  EXPECT_EQ(SendMessageW(native(demo.Progress), PBM_GETPOS, 0, 0), 10);
  EXPECT_EQ(SendMessageW(native(demo.Progress), PBM_GETRANGE, FALSE, 0), 40);
  EXPECT_TRUE(GetWindowLongPtrW(native(demo.Port), GWL_STYLE) & ES_READONLY);
  EXPECT_FALSE(IsWindowEnabled(native(demo.Save)));
  // A hidden panel hides what it holds.
  EXPECT_FALSE(IsWindowVisible(native(demo.Box)));
  EXPECT_FALSE(IsWindowVisible(native(demo.Inner)));

  demo.Option.setChecked(false);
  demo.Method.setItemIndex(-1);
  demo.Save.setEnabled(true);
  demo.Box.setVisible(true);
  demo.Inner.setVisible(false);
  renderer.sync();
  EXPECT_FALSE(isChecked(native(demo.Option)));
  EXPECT_FALSE(isChecked(item(demo.Method, 1)));
  EXPECT_TRUE(IsWindowEnabled(native(demo.Save)));
  EXPECT_TRUE(IsWindowVisible(native(demo.Box)));
  EXPECT_FALSE(IsWindowVisible(native(demo.Inner)));
  EXPECT_TRUE(IsWindowVisible(native(demo.Value)));
}

TEST_F(ShowsTheModel, RadioItemsFillTheColumnsOneAfterAnother) {
  demo.Method.clearItems();
  for (const char* caption : {"a", "b", "c", "d", "e"})
    demo.Method.addItem(caption);
  demo.Method.setColumns(2);
  renderer.sync();

  // Three rows: a b c in the first column, d e in the second, inside the group.
  RECT group;
  GetClientRect(native(demo.Method), &group);
  const RECT a = placeOf(item(demo.Method, 0));
  const RECT c = placeOf(item(demo.Method, 2));
  const RECT d = placeOf(item(demo.Method, 3));
  EXPECT_EQ(d.top, a.top);
  EXPECT_GT(d.left, a.left);
  EXPECT_GT(c.top, a.top);
  EXPECT_LE(c.bottom, group.bottom);
  EXPECT_LE(d.right, group.right);
  EXPECT_GE(d.left, a.right);
}

TEST_F(ShowsTheModel, LabelGrowsToItsTextInsteadOfCuttingItOff) {
  demo.Value.setRect({65, 35, 60, 13});
  demo.Value.setAlignment(forms::Alignment::Right);
  renderer.sync();
  const RECT before = placeOf(native(demo.Value));
  demo.Value.setCaption("Citlivost: 120 %");
  renderer.sync();
  const RECT after = placeOf(native(demo.Value));
  EXPECT_GT(after.right - after.left, before.right - before.left);
  EXPECT_EQ(after.right, before.right);  // right-aligned: grows to the left
  EXPECT_EQ(narrow(windowText(native(demo.Value))), "Citlivost: 120 %");

  // Longer than its panel: it keeps its place and ends in an ellipsis.
  demo.Value.setCaption("Citlivost měření: 120 % a ještě více");
  renderer.sync();
  EXPECT_EQ(placeOf(native(demo.Value)).left, before.left);
  EXPECT_TRUE(narrow(windowText(native(demo.Value))).ends_with("…"));
}

// Counts, per native window of a form, the messages that change it.
class Touches {
 public:
  explicit Touches(HWND form) : form_(form) {
    watch(form_, reinterpret_cast<LPARAM>(this));
    EnumChildWindows(form_, watch, reinterpret_cast<LPARAM>(this));
  }
  ~Touches() {
    unwatch(form_, 0);
    EnumChildWindows(form_, unwatch, 0);
  }
  Touches(const Touches&) = delete;
  Touches& operator=(const Touches&) = delete;

  std::map<HWND, int> count;

 private:
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR /*id*/, DWORD_PTR self) {
    switch (message) {
      case WM_SETTEXT:
      case WM_WINDOWPOSCHANGING:
      case WM_SETFONT:
      case BM_SETCHECK:
      case SBM_SETSCROLLINFO:
      case WM_SHOWWINDOW:
      case WM_ENABLE:
        ++reinterpret_cast<Touches*>(self)->count[window];
        break;
      default:
        break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
  }
  static BOOL CALLBACK watch(HWND window, LPARAM self) {
    SetWindowSubclass(window, procedure, 77, static_cast<DWORD_PTR>(self));
    return TRUE;
  }
  static BOOL CALLBACK unwatch(HWND window, LPARAM) {
    RemoveWindowSubclass(window, procedure, 77);
    return TRUE;
  }

  HWND form_;
};

TEST_F(ShowsTheModel, SyncTouchesOnlyWhatChanged) {
  Touches touches(native(demo));

  renderer.sync();
  EXPECT_TRUE(touches.count.empty()) << touches.count.size() << " windows touched without a change";

  demo.Value.setCaption("81 %");
  demo.Option.setChecked(true);
  renderer.sync();
  EXPECT_EQ(touches.count.size(), 2u);
  EXPECT_TRUE(touches.count.contains(native(demo.Value)));
  EXPECT_TRUE(touches.count.contains(native(demo.Option)));
}

}  // namespace
}  // namespace tavi::frontends::win32::testing

namespace tavi::frontends::win32::testing {
namespace {

// A button with a small box lying on its end, and a label beside a value label it grows onto.
class Layered : public forms::Form {
 public:
  explicit Layered(forms::Application& app) : Form(app, "Layered", "Layered", 200, 100) {
    Caption.setBorder(false);
  }
  forms::Button Wide{*this, "Wide", {10, 10, 120, 25}, "Info"};
  forms::CheckBox OnItsEnd{*this, "OnItsEnd", {112, 14, 15, 15}, ""};
  forms::Label Name{*this, "Name", {10, 50, 20, 13}, "A rather long caption:"};
  forms::Label Value{*this, "Value", {32, 50, 20, 13}, "80"};
  forms::Edit Caption{*this, "Caption", {10, 70, 80, 21}, "Directory Path:"};
};

// Whether `upper` comes before `lower` among its siblings, from the top of the drawing order.
bool drawnAbove(HWND upper, HWND lower) {
  for (HWND w = GetWindow(lower, GW_HWNDPREV); w != nullptr; w = GetWindow(w, GW_HWNDPREV)) {
    if (w == upper) return true;
  }
  return false;
}

TEST_F(ShowsTheModel, WhatLiesOnAnEarlierControlIsDrawnAboveIt) {
  Layered& layered = app.create<Layered>();
  layered.show();
  renderer.sync();
  EXPECT_TRUE(drawnAbove(native(layered.OnItsEnd), native(layered.Wide)));
  EXPECT_TRUE(drawnAbove(native(layered.Value), native(layered.Name)));
  // Controls that lie apart keep the creation order, which is the order of the Tab key.
  EXPECT_TRUE(drawnAbove(native(demo.Save), native(demo.Port)));
}

TEST_F(ShowsTheModel, AFieldWithoutBorderHasNoSunkenEdge) {
  Layered& layered = app.create<Layered>();
  layered.show();
  renderer.sync();
  EXPECT_FALSE(GetWindowLongPtrW(native(layered.Caption), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  EXPECT_TRUE(GetWindowLongPtrW(native(demo.Port), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  layered.Caption.setBorder(true);
  renderer.sync();
  EXPECT_TRUE(GetWindowLongPtrW(native(layered.Caption), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
}

}  // namespace
}  // namespace tavi::frontends::win32::testing
