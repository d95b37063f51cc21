// lumora-import CONTENT_LIST APP_FOLDER RECORDINGS_FOLDER
// Puts a teacher's recordings, named as the recording script says, into Lumora's sound folder
// inside APP_FOLDER, then reports what is still the synthetic voice.

#include <QCoreApplication>
#include <QTextStream>

#include "ContentError.h"
#include "TeacherImport.h"

namespace {

// As docs/CONTENT.md lists them.
enum ExitCode {
  kEveryInputPlaced = 0,
  kSomeInputSkipped = 1,
  kWrongUse = 2,
  kNothingImported = 3,  // a folder or the content list is not usable
};

}  // namespace

int main(int argc, char** argv) {
  using namespace lumora::contentgen;
  QCoreApplication app(argc, argv);
  QTextStream err(stderr);
  const QStringList args = app.arguments();
  if (args.size() != 4) {
    err << QStringLiteral("使い方: lumora-import CONTENT_LIST APP_FOLDER RECORDINGS_FOLDER\n");
    return kWrongUse;
  }
  try {
    const ContentList list = readContentList(args[1]);
    const ImportReport report = importTeacherRecordings(list, args[3], args[2]);
    QTextStream out(stdout);
    for (const QString& name : report.placed)
      out << QStringLiteral("取り込みました: ") << name << '\n';
    for (const QString& line : report.skipped)
      out << QStringLiteral("飛ばしました: ") << line << '\n';
    for (const QString& line : voiceReportLines(voiceReport(list, args[2]))) out << line << '\n';
    return report.skipped.isEmpty() ? kEveryInputPlaced : kSomeInputSkipped;
  } catch (const ContentError& error) {
    err << "lumora-import: " << QString::fromUtf8(error.what()) << '\n'
        << QStringLiteral("何も取り込みませんでした。\n");
    return kNothingImported;
  }
}
