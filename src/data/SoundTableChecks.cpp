#include "data/SoundTableChecks.h"

#include "data/Numbers.h"
#include "data/SoundTableLayout.h"
#include "data/TableShapes.h"

namespace lumora {
QStringList splitSoundTableFaults(const TextTable& table, int records) {
  if (records != kSplitSoundShape.rows) {
    return {QStringLiteral("レコードは見出しと %1 行の %2 件が必要です（%3 件）")
                .arg(kMinuteRows)
                .arg(kSplitSoundShape.rows)
                .arg(records)};
  }
  QStringList faults;
  for (int row = 1; row < kSplitSoundShape.rows; ++row) {
    const int answers = wholeNumber(table(row, 1));
    if (answers != 1 && answers != 2) {
      faults << QStringLiteral("%1 行目の答の数（項目 2）は 1 か 2 です").arg(row);
    }
    if (table(row, 3).isEmpty())
      faults << QStringLiteral("%1 行目の名前（項目 4）が空です").arg(row);
  }
  const QString& halfHour = table(kHalfHourMinuteRow, 3);
  if (!isHalfHourNamePart(halfHour)) {
    faults << QStringLiteral(
                  "%1 行目（30 分の「半」）の名前（項目 4）の 3 文字目が「%2」ではありません")
                  .arg(kHalfHourMinuteRow)
                  .arg(kHalfHourMark);
  }
  return faults;
}

}  // namespace lumora
