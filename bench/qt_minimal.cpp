// The peer of the start-up benchmark: a Qt 6 program that shows one empty window.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.resize(137, 241);
  window.show();
  return app.exec();
}
