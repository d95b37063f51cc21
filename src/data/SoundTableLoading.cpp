#include <QFileInfo>

#include "app/Form1.h"
#include "data/FileFault.h"
#include "data/RecordReader.h"
#include "data/RecordingNames.h"
#include "data/SoundTableChecks.h"

namespace lumora {
namespace {

// The faults of a table's contents that would make its questions fail later, unseen.
using TableCheck = QStringList (*)(const TextTable& table, int records);

QStringList noFaults(const TextTable&, int) { return {}; }

// Reads a table file as a whole: the table changes only when every record could be read
// and its contents pass the check. A failure stops start-up, so the learner is told which
// file is wrong, why, and how to find out more.
bool loadTable(const QString& path, TextTable& table, Dialogs& dialogs, TableCheck check) {
  TextTable loaded(table.rowCount(), table.columnCount());
  const TableReadResult result = readRecordFile(path, loaded);
  QString problem;
  if (!result.ok) {
    problem = QStringLiteral("音声の表を読み込めないため、起動できません。\n%1").arg(result.error);
  } else if (const QStringList faults = check(loaded, result.records); !faults.isEmpty()) {
    problem = QStringLiteral("音声の表の内容に誤りがあるため、起動できません。\n%1: %2")
                  .arg(QFileInfo(path).fileName(), faults.first());
    if (faults.size() > 1) problem += QStringLiteral("（ほかに %1 件）").arg(faults.size() - 1);
  }
  if (!problem.isEmpty()) {
    dialogs.critical(kApplicationTitle, problem + u'\n' + QString::fromUtf16(kDataCheckAdvice));
    return false;
  }
  table = std::move(loaded);
  return true;
}

}  // namespace

// A hard-to-hear question that finds no usable row says so itself, in plain words.
bool Form1::loadHardSoundTable() {
  return loadTable(hardSoundDir + names::kHardSoundTable, hardSoundTable, *platform_.dialogs,
                   noFaults);
}

// Clock-time questions draw any of its rows; an unfit table would leave them silent and
// never judged, so it is refused here rather than found out in the middle of a quiz.
bool Form1::loadSplitSoundTable() {
  return loadTable(splitTableDir + names::kSplitSoundTable, splitSoundTable, *platform_.dialogs,
                   splitSoundTableFaults);
}

}  // namespace lumora
