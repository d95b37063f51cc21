#include <QApplication>
#include <csignal>

#include "app/DesktopPlatform.h"
#include "app/Form1.h"
#include "app/ProcessMemory.h"

int main(int argc, char** argv) {
  // Past a file-size limit a write then fails and the save reports it, instead of the
  // signal ending the program with the list unsaved.
  std::signal(SIGXFSZ, SIG_IGN);
  lumora::boundLongRunMemory();
  QApplication app(argc, argv);
  QApplication::setApplicationName(lumora::kApplicationTitle);
  QApplication::setStyle(QStringLiteral("Fusion"));  // shows the buttons' colours everywhere

  lumora::Form1 form(QCoreApplication::applicationDirPath(), lumora::makeDesktopPlatform());
  if (!form.Form_Load()) return 1;
  form.show();
  return QApplication::exec();
}
