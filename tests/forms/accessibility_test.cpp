#include "forms/accessibility.h"

#include <gtest/gtest.h>

#include "forms/scripted_desktop.h"
#include "test_window.h"

namespace tavi::forms::testing {
namespace {

class AccessibilityTest : public ::testing::Test {
 protected:
  ScriptedDesktop desktop;
  Application app{desktop};
  TestWindow& window = app.create<TestWindow>();
};

TEST_F(AccessibilityTest, ACaptionNamesItsControlAndALabelNamesAFieldWithoutOne) {
  EXPECT_EQ(accessibleName(window.Save), "Save");
  EXPECT_EQ(accessibleName(window.Caption), "Caption");
  // A typed field is not named by what was typed into it.
  window.Port.setText("COM3");
  window.Port.setLabel(window.Caption);
  EXPECT_EQ(accessibleName(window.Port), "Caption");
  // The name follows the label's caption, which a language change replaces.
  window.Caption.setCaption("Port:");
  EXPECT_EQ(accessibleName(window.Port), "Port:");
  window.Limit.setLabel(window.Caption);
  EXPECT_EQ(accessibleName(window.Limit), "Port:");
  // A field that the design draws as a caption is named by its text; so it can name another.
  window.Port.setReadOnly(true);
  window.Port.setBorder(false);
  window.Limit.setLabel(window.Port);
  EXPECT_EQ(accessibleName(window.Limit), "COM3");
  // Beside a label of its own, its text is the value that the label names.
  EXPECT_EQ(accessibleName(window.Port), "Port:");
}

TEST_F(AccessibilityTest, TheDesignsOwnNameWinsAndTheWindowTitleNamesWhatIsLeft) {
  EXPECT_EQ(accessibleName(window.Flag), "Test");
  EXPECT_EQ(accessibleName(window.Limit), "Test");
  window.Flag.setSpokenName("Language");
  EXPECT_EQ(accessibleName(window.Flag), "Language");
  window.Option.setSpokenName("Spoken");
  EXPECT_EQ(accessibleName(window.Option), "Spoken");
  // An empty label shows nothing, so it says nothing.
  window.Caption.setCaption("");
  EXPECT_EQ(accessibleName(window.Caption), "");
}

TEST_F(AccessibilityTest, APictureThatTheKeyboardReachesIsAnnouncedAsAButton) {
  EXPECT_EQ(accessibleKind(window.Flag), ControlKind::Picture);
  EXPECT_EQ(accessibleKind(window.Save), ControlKind::Button);
  EXPECT_EQ(accessibleKind(window.Caption), ControlKind::Label);
  window.Flag.setKeyboardOnlyFocus(true);
  EXPECT_EQ(accessibleKind(window.Flag), ControlKind::Button);
}

TEST_F(AccessibilityTest, OnlyACutCaptionBecomesATooltip) {
  window.Port.setText("C:\\TaviTherapy\\");
  struct Case {
    const Control& control;
    bool fits;
    std::string tip;
  };
  const Case cases[] = {
      {window.Save, true, ""},
      {window.Save, false, "Save"},
      {window.Option, true, ""},
      {window.Option, false, "Option"},
      // A typed value is no caption, however long; labels grow to their caption.
      {window.Port, false, ""},
      {window.Caption, false, ""},
      {window.Limit, false, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(toolTip(c.control, c.fits), c.tip) << c.control.name() << " fits " << c.fits;
  }
  window.Port.setReadOnly(true);
  window.Port.setBorder(false);
  EXPECT_EQ(toolTip(window.Port, false), "C:\\TaviTherapy\\");
  EXPECT_EQ(toolTip(window.Port, true), "");
}

}  // namespace
}  // namespace tavi::forms::testing
