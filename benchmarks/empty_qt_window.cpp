#include <QApplication>
#include <QWidget>

// The reference for the start-up benchmark: an empty Qt 6 Widgets window of Lumora's size
// and style.
int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setStyle(QStringLiteral("Fusion"));
  QWidget window;
  window.resize(LUMORA_WINDOW_WIDTH, LUMORA_WINDOW_HEIGHT);
  window.show();
  return QApplication::exec();
}
