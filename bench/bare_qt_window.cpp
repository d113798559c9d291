// The reference for the editor's start-up: a Qt Widgets program that shows one empty window
// of the main window's size and does nothing else. With the argument "text" the window holds
// one line of text: what the least text costs (the font database, a font, its glyphs). With
// "controls" it holds as many widgets of each kind as the editor's main window shows: what the
// widgets alone cost.
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QWidget>
#include <cstring>
#include <memory>
#include <optional>
#include <vector>

namespace {

using Widgets = std::vector<std::unique_ptr<QWidget>>;

// The main window's widgets: 60 buttons, 67 check boxes, 2 radio groups with 5 items,
// 7 fields, 5 scroll bars and 15 labels, in columns as the Win32 reference places them.
Widgets makeControls(QWidget& window) {
  Widgets widgets;
  const auto place = [&widgets](std::unique_ptr<QWidget> widget, int width) {
    const int placed = static_cast<int>(widgets.size());
    widget->setGeometry(8 + (placed / 38) * 128, 4 + (placed % 38) * 14, width, 13);
    widgets.push_back(std::move(widget));
  };
  const QString caption = QStringLiteral("Tavi Setting");
  for (int i = 0; i < 60; ++i)
    place(std::make_unique<QPushButton>(caption, &window), 90);
  for (int i = 0; i < 67; ++i)
    place(std::make_unique<QCheckBox>(caption, &window), 120);
  for (int items : {3, 2}) {
    place(std::make_unique<QGroupBox>(caption, &window), 120);
    for (int i = 0; i < items; ++i)
      place(std::make_unique<QRadioButton>(caption, &window), 60);
  }
  for (int i = 0; i < 7; ++i)
    place(std::make_unique<QLineEdit>(caption, &window), 120);
  for (int i = 0; i < 5; ++i)
    place(std::make_unique<QScrollBar>(Qt::Horizontal, &window), 120);
  for (int i = 0; i < 15; ++i)
    place(std::make_unique<QLabel>(caption, &window), 100);
  return widgets;
}

}  // namespace

int main(int argc, char** argv) {
  const char* variant = argc > 1 ? argv[1] : "";
  QApplication application(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Bare window"));
  window.resize(660, 560);
  std::optional<QLabel> line;
  if (std::strcmp(variant, "text") == 0) {
    line.emplace(QStringLiteral("Tavi Setting"), &window);
    line->move(16, 16);
  }
  // Declared after the window: each widget is gone before the window would delete it.
  const Widgets controls = std::strcmp(variant, "controls") == 0 ? makeControls(window) : Widgets{};
  window.show();
  return QApplication::exec();
}
