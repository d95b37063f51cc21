#include "app/Form1.h"
#include "data/RecordReader.h"
#include "data/RecordingNames.h"

namespace lumora {
namespace {

// Reads a table file as a whole: the table changes only when every record could be read.
// A failure stops start-up, so the learner is told which file is wrong and why.
bool loadTable(const QString& path, TextTable& table, Dialogs& dialogs) {
  TextTable loaded(table.rowCount(), table.columnCount());
  const TableReadResult result = readRecordFile(path, loaded);
  if (!result.ok) {
    dialogs.critical(
        kApplicationTitle,
        QStringLiteral("音声の表を読み込めないため、起動できません。\n%1").arg(result.error));
    return false;
  }
  table = std::move(loaded);
  return true;
}

}  // namespace

bool Form1::loadHardSoundTable() {
  return loadTable(hardSoundDir + names::kHardSoundTable, hardSoundTable, *platform_.dialogs);
}

bool Form1::loadSplitSoundTable() {
  return loadTable(splitTableDir + names::kSplitSoundTable, splitSoundTable, *platform_.dialogs);
}

}  // namespace lumora
