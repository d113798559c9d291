// The reference for the editor's start-up: a Qt Widgets program that shows one empty window
// of the main window's size and does nothing else.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Bare window"));
  window.resize(660, 560);
  window.show();
  return QApplication::exec();
}
