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

// Why a table file cannot be used: it could not be read, or its contents are unfit. The
// detail names the file.
struct TableProblem {
  bool unreadable;
  QString detail;
};

// Reads a table file as a whole: the table changes only when every record could be read
// and its contents pass the check.
std::optional<TableProblem> loadTable(const QString& path, TextTable& table, TableCheck check) {
  TextTable loaded(table.rowCount(), table.columnCount());
  const TableReadResult result = readRecordFile(path, loaded);
  if (!result.ok) return TableProblem{true, result.error};
  if (const QStringList faults = check(loaded, result.records); !faults.isEmpty()) {
    QString detail = QStringLiteral("%1: %2").arg(QFileInfo(path).fileName(), faults.first());
    if (faults.size() > 1) detail += QStringLiteral("（ほかに %1 件）").arg(faults.size() - 1);
    return TableProblem{false, detail};
  }
  table = std::move(loaded);
  return std::nullopt;
}

// What is wrong, which file says it, and how to find out more.
QString problemText(const QString& outcome, const TableProblem& problem) {
  return outcome + u'\n' + problem.detail + u'\n' + QString::fromUtf16(kDataCheckAdvice);
}

}  // namespace

// Every question that asks a syllable, new or stored, and its judging read this table, so
// start-up stops without it. A question that finds no usable row says so itself.
bool Form1::loadHardSoundTable() {
  const auto problem = loadTable(hardSoundDir + names::kHardSoundTable, hardSoundTable, noFaults);
  if (!problem) return true;
  platform_.dialogs->critical(
      kApplicationTitle,
      problemText(problem->unreadable
                      ? QStringLiteral("音声の表を読み込めないため、起動できません。")
                      : QStringLiteral("音声の表の内容に誤りがあるため、起動できません。"),
                  *problem));
  return false;
}

// Only a new clock-time question draws from this table (a stored one carries its own
// recordings), so an unfit table costs those questions alone: the learner is told once, and
// the window goes on without them. Left unfit, they would be silent and never judged.
std::optional<QString> Form1::loadSplitSoundTable() {
  const auto problem =
      loadTable(splitTableDir + names::kSplitSoundTable, splitSoundTable, splitSoundTableFaults);
  if (!problem) return std::nullopt;
  platform_.dialogs->warning(
      kApplicationTitle,
      problemText(
          problem->unreadable
              ? QStringLiteral("分の表を読み込めないため、「時間」の問題は出せません。")
              : QStringLiteral("分の表の内容に誤りがあるため、「時間」の問題は出せません。"),
          *problem));
  return problem->detail;
}

}  // namespace lumora
