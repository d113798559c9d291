// The reference for the editor's start-up: a Qt Widgets program that shows one empty window
// of the main window's size and does nothing else. With the argument "text" the window holds
// one line of text: what the least text costs (the font database, a font, its glyphs).
#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <cstring>
#include <optional>

int main(int argc, char** argv) {
  const bool withText = argc > 1 && std::strcmp(argv[1], "text") == 0;
  QApplication application(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Bare window"));
  window.resize(660, 560);
  std::optional<QLabel> line;
  if (withText) {
    line.emplace(QStringLiteral("Tavi Setting"), &window);
    line->move(16, 16);
  }
  window.show();
  return QApplication::exec();
}
