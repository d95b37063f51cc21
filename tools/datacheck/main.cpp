// lumora-datacheck [APP_FOLDER]
// Lists every file Lumora could ask for that is missing or unreadable in the sound and
// picture folders of APP_FOLDER (by default the folder of this program), and how many of the
// recordings are the synthetic voice and how many a teacher's. Exit code 0 when nothing is
// wrong, 1 otherwise.

#include <QCoreApplication>
#include <QTextStream>

#include "DataCheck.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() > 2) {
    QTextStream(stderr) << "usage: lumora-datacheck [APP_FOLDER]\n";
    return 2;
  }
  const QString appFolder = args.size() == 2 ? args[1] : QCoreApplication::applicationDirPath();
  const auto check = lumora::datacheck::checkAppFolder(appFolder);
  QTextStream out(stdout);
  for (const auto& problem : check.problems) out << problem.text() << '\n';
  out << QStringLiteral("再生できる録音: 合成音声 %1 件、先生の声 %2 件\n")
             .arg(check.generatedRecordings)
             .arg(check.teachersRecordings);
  if (check.problems.empty()) {
    out << QStringLiteral("すべてのファイルがそろっています: ") << appFolder << '\n';
    return 0;
  }
  out << QStringLiteral("問題 %1 件: ").arg(check.problems.size()) << appFolder << '\n';
  return 1;
}
