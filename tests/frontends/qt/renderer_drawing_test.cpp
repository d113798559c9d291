#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <utility>

#include "frontends/qt/picture_view.h"
#include "renderer_fixture.h"

namespace tavi::frontends::qt::testing {
namespace {

TEST_F(RendererTest, EveryControlGetsAWidgetOfItsKindAtItsDesignRectangle) {
  struct Case {
    const forms::Control& control;
    bool isOfKind;
    QRect rect;
  };
  const Case cases[] = {
      {window.Save, renderer.widget(window.Save)->inherits("QPushButton"), {10, 10, 75, 25}},
      {window.Port, renderer.widget(window.Port)->inherits("QLineEdit"), {10, 40, 60, 21}},
      {window.Option, renderer.widget(window.Option)->inherits("QCheckBox"), {10, 70, 120, 17}},
      {window.Method, renderer.widget(window.Method)->inherits("QGroupBox"), {10, 90, 120, 60}},
      {window.Limit, renderer.widget(window.Limit)->inherits("QScrollBar"), {140, 10, 120, 17}},
      {window.Box, renderer.widget(window.Box)->inherits("QFrame"), {140, 40, 120, 60}},
      {window.Inner, renderer.widget(window.Inner)->inherits("QPushButton"), {5, 5, 50, 20}},
      {window.Flag,
       dynamic_cast<PictureWidget*>(renderer.widget(window.Flag)) != nullptr,
       {140, 110, 40, 20}},
      {window.Notes, renderer.widget(window.Notes)->inherits("QPlainTextEdit"), {10, 160, 120, 40}},
      {window.Progress,
       renderer.widget(window.Progress)->inherits("QProgressBar"),
       {140, 160, 120, 16}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.control.name());
    EXPECT_TRUE(c.isOfKind);
    EXPECT_EQ(renderer.widget(c.control)->geometry(), c.rect);
    EXPECT_TRUE(renderer.widget(c.control)->isVisible());
  }
  EXPECT_EQ(renderer.widget(window.Inner)->parentWidget(), renderer.widget(window.Box));
  EXPECT_EQ(nativeWindow().size(), QSize(300, 220));
  EXPECT_EQ(nativeWindow().windowTitle(), "Demo");
}

TEST_F(RendererTest, WidgetsShowTheModelsCaptionsAndValues) {
  app.dispatch([&] {
    window.Option.setChecked(true);
    window.Port.setText("COM3");
    window.Method.setItemIndex(1);
    window.Limit.setPosition(90);
    window.Progress.setPosition(40);
    window.Notes.setLines({"first", "second"});
    window.Port.setBorder(false);
  });
  renderer.sync();
  EXPECT_EQ(native<QPushButton>(window.Save).text(), "Save");
  EXPECT_EQ(native<QLabel>(window.Caption).text(), "Caption");
  EXPECT_TRUE(native<QCheckBox>(window.Option).isChecked());
  EXPECT_EQ(native<QLineEdit>(window.Port).text(), "COM3");
  EXPECT_FALSE(native<QLineEdit>(window.Port).hasFrame());
  EXPECT_EQ(native<QGroupBox>(window.Method).title(), "Method");
  const auto items = native<QGroupBox>(window.Method).findChildren<QRadioButton*>();
  ASSERT_EQ(items.size(), 2);
  EXPECT_EQ(items[0]->text(), "A");
  EXPECT_FALSE(items[0]->isChecked());
  EXPECT_TRUE(items[1]->isChecked());
  auto& limit = native<QScrollBar>(window.Limit);
  EXPECT_EQ(limit.minimum(), 70);
  EXPECT_EQ(limit.maximum(), 95);
  EXPECT_EQ(limit.value(), 90);
  EXPECT_EQ(native<QProgressBar>(window.Progress).value(), 40);
  EXPECT_EQ(native<QPlainTextEdit>(window.Notes).toPlainText(), "first\nsecond");
}

TEST_F(RendererTest, CaptionsWithAnAmpersandReadAsWritten) {
  app.dispatch([&] {
    window.Save.setCaption("Save & close");
    window.Option.setCaption("R2 Day & Night");
    window.Method.setCaption("Day & night");
    window.Method.clearItems();
    window.Method.addItem("Clean & Active --");
    window.Caption.setCaption("Salt & pepper");
  });
  renderer.sync();
  // Buttons take "&" as the mark of an accelerator: they get it doubled, which draws as one
  // "&" and makes no shortcut.
  auto& item = *native<QGroupBox>(window.Method).findChildren<QRadioButton*>().at(0);
  const std::pair<QAbstractButton*, const char*> buttons[] = {
      {&native<QPushButton>(window.Save), "Save && close"},
      {&native<QCheckBox>(window.Option), "R2 Day && Night"},
      {&item, "Clean && Active --"}};
  for (const auto& [button, shown] : buttons) {
    EXPECT_EQ(button->text(), shown);
    EXPECT_TRUE(button->shortcut().isEmpty()) << shown;
  }
  EXPECT_EQ(native<QGroupBox>(window.Method).title(), "Day && night");
  // A label without a buddy draws its text as it is.
  EXPECT_EQ(native<QLabel>(window.Caption).text(), "Salt & pepper");
}

TEST_F(RendererTest, RadioItemsFillTheirColumnsBelowTheCaption) {
  app.dispatch([&] {
    window.Method.clearItems();
    for (const char* item : {"1", "2", "3", "4", "5"})
      window.Method.addItem(item);
    window.Method.setColumns(2);
  });
  renderer.sync();
  const auto items = native<QGroupBox>(window.Method).findChildren<QRadioButton*>();
  ASSERT_EQ(items.size(), 5);
  // Three in the first column, two in the second, the rows level across columns.
  EXPECT_EQ(items[0]->x(), items[2]->x());
  EXPECT_LT(items[0]->x(), items[3]->x());
  EXPECT_EQ(items[0]->y(), items[3]->y());
  EXPECT_LT(items[0]->y(), items[1]->y());
  EXPECT_GT(items[0]->y(), native<QGroupBox>(window.Method).fontMetrics().height() / 2);
  for (const QRadioButton* item : items) {
    EXPECT_TRUE(native<QGroupBox>(window.Method).rect().contains(item->geometry()));
  }
}

TEST_F(RendererTest, RescalingTo85DpiShrinksTheWindowItsControlsAndFonts) {
  EXPECT_EQ(native<QPushButton>(window.Save).font().pixelSize(), 11);  // 8 pt at 96 dpi
  app.dispatch([&] { window.scaleTo(85); });
  renderer.sync();
  EXPECT_EQ(nativeWindow().size(), QSize(266, 195));
  EXPECT_EQ(native<QPushButton>(window.Save).geometry(), QRect(9, 9, 66, 22));
  EXPECT_EQ(native<QPushButton>(window.Inner).geometry(), QRect(4, 4, 45, 18));
  EXPECT_EQ(native<QPushButton>(window.Save).font().pixelSize(), 10);
  EXPECT_EQ(native<QLabel>(window.Caption).font().pixelSize(), 10);
}

TEST_F(RendererTest, OwnFontsAndColoursAreDrawn) {
  app.dispatch([&] {
    window.setColor(forms::Color::fromStored(16749459));
    window.Caption.setFontSize(12);
    window.Caption.setFontBold(true);
    window.Caption.setFontColor(forms::Color::rgb(255, 0, 0));
    window.Option.setColor(forms::Color::rgb(138, 197, 255));
    window.Port.setColor(forms::Color::buttonFace());
  });
  renderer.sync();
  EXPECT_EQ(nativeWindow().palette().color(QPalette::Window), QColor(147, 147, 255));
  auto& caption = native<QLabel>(window.Caption);
  EXPECT_EQ(caption.font().pixelSize(), 16);
  EXPECT_TRUE(caption.font().bold());
  EXPECT_EQ(caption.palette().color(QPalette::WindowText), QColor(255, 0, 0));
  EXPECT_FALSE(caption.autoFillBackground());  // the window shows through
  auto& option = native<QCheckBox>(window.Option);
  EXPECT_TRUE(option.autoFillBackground());
  EXPECT_EQ(option.palette().color(option.backgroundRole()), QColor(138, 197, 255));
  auto& port = native<QLineEdit>(window.Port);
  EXPECT_EQ(port.palette().color(port.backgroundRole()),
            QApplication::palette().color(QPalette::Button));

  // Without a colour of its own, a windowed control paints its parent's, hiding what lies
  // beneath it, as the panel that covers other controls must.
  app.dispatch([&] { window.Option.setColor(forms::Color::inherit()); });
  renderer.sync();
  EXPECT_TRUE(option.autoFillBackground());
  EXPECT_EQ(option.palette().color(option.backgroundRole()), QColor(147, 147, 255));
}

TEST_F(RendererTest, ALabelGrowsToShowItsWholeCaption) {
  app.dispatch([&] {
    window.Caption.setCaption("A caption far longer than the label's design width");
    window.Caption.setAlignment(forms::Alignment::Right);
  });
  renderer.sync();
  auto& caption = native<QLabel>(window.Caption);
  EXPECT_GE(caption.width(), caption.fontMetrics().horizontalAdvance(caption.text()));
  EXPECT_EQ(caption.geometry().right(), QRect(140, 140, 100, 13).right());
}

TEST_F(RendererTest, VisibilityAndEnabledStateFollowTheModel) {
  app.dispatch([&] {
    window.Box.setVisible(false);
    window.Save.setEnabled(false);
  });
  renderer.sync();
  EXPECT_FALSE(renderer.widget(window.Inner)->isVisible());
  EXPECT_FALSE(renderer.widget(window.Save)->isEnabled());
  app.dispatch([&] { window.hide(); });
  renderer.sync();
  EXPECT_FALSE(nativeWindow().isVisible());
}

TEST_F(RendererTest, TheSyncTouchesOnlyWidgetsWhoseControlChanged) {
  auto& port = native<QLineEdit>(window.Port);
  {
    const QSignalBlocker quiet(&port);
    port.setText("typed");  // stands for a state the sync must not rewrite
  }
  app.dispatch([&] { window.Save.setCaption("Store"); });
  renderer.sync();
  EXPECT_EQ(native<QPushButton>(window.Save).text(), "Store");
  EXPECT_EQ(port.text(), "typed");
}

TEST_F(RendererTest, PicturesShowTheProgramsPixelsStretched) {
  forms::Image image(2, 1);
  image.at(0, 0) = 0xFFFF0000u;
  image.at(1, 0) = 0xFF0000FFu;
  app.dispatch([&] { window.Flag.setImage(image); });
  renderer.sync();
  const QImage shown = renderer.widget(window.Flag)->grab().toImage();
  EXPECT_EQ(shown.pixelColor(2, 10), QColor(255, 0, 0));
  EXPECT_EQ(shown.pixelColor(37, 10), QColor(0, 0, 255));
}

TEST_F(RendererTest, TheWindowIconComesFromTheIconFileAndFallsBackToTheDefault) {
  drive.makeFolder(R"(C:\WinLUD)");
  QImage icon(16, 16, QImage::Format_ARGB32);
  icon.fill(QColor(0, 128, 0));
  ASSERT_TRUE(
      icon.save(QString::fromStdString(drive.native(R"(C:\WinLUD\Tavi Sorbel.ico)")), "ICO"));
  app.dispatch([&] { window.setIconFile(R"(C:\WinLUD\TAVI SORBEL.ICO)"); });
  renderer.sync();
  const QImage shown = nativeWindow().windowIcon().pixmap(16, 16).toImage();
  ASSERT_FALSE(shown.isNull());
  EXPECT_EQ(shown.pixelColor(8, 8), QColor(0, 128, 0));

  app.dispatch([&] { window.setIconFile(R"(C:\WinLUD\Missing.ico)"); });
  renderer.sync();
  EXPECT_TRUE(nativeWindow().windowIcon().isNull());
}

TEST_F(RendererTest, AWindowIsCentredOnTheScreenWhenItFirstAppearsAndWhenAsked) {
  const QRect screen = nativeWindow().screen()->availableGeometry();
  EXPECT_NEAR(nativeWindow().frameGeometry().center().x(), screen.center().x(), 2);
  nativeWindow().move(screen.topLeft());
  app.dispatch([&] { window.centre(); });
  renderer.sync();
  EXPECT_NEAR(nativeWindow().frameGeometry().center().x(), screen.center().x(), 2);
  EXPECT_NEAR(nativeWindow().frameGeometry().center().y(), screen.center().y(), 2);
}

}  // namespace
}  // namespace tavi::frontends::qt::testing
