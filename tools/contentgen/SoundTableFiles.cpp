#include "SoundTableFiles.h"

#include "ContentError.h"
#include "data/Cp932.h"
#include "data/RecordWriter.h"
#include "data/RecordingNames.h"

namespace lumora::contentgen {
namespace {

QByteArray encodeRecords(const std::vector<QStringList>& records, const QString& tableName) {
  QString text;
  for (const QStringList& fields : records) text += formatRecord(fields);
  const auto bytes = cp932::encode(text);
  if (!bytes) {
    throw ContentError(QStringLiteral("%1 holds text that CP932 cannot encode").arg(tableName));
  }
  return *bytes;
}

}  // namespace

QByteArray hardSoundTableFile(const ContentList& list) {
  std::vector<QStringList> records{{QString::number(list.confusableRows.size()),
                                    QStringLiteral("行数(左)"), QStringLiteral("正解可(列0～2)"),
                                    QStringLiteral("音節1"), QStringLiteral("音節2"),
                                    QStringLiteral("音節3")}};
  for (const ConfusableRow& row : list.confusableRows) {
    QStringList fields;
    for (const int flag : row.flags) fields.append(QString::number(flag));
    for (const QString& name : row.names) fields.append(name);
    records.push_back(fields);
  }
  return encodeRecords(records, names::kHardSoundTable);
}

QByteArray splitSoundTableFile(const ContentList& list) {
  std::vector<QStringList> records{{QStringLiteral("分"), QStringLiteral("答の数"),
                                    QStringLiteral("分の値"), QStringLiteral("名前")}};
  for (const MinuteRow& row : list.minuteRows) {
    records.push_back(
        {row.label, QString::number(row.answerCount), QString::number(row.minute), row.namePart});
  }
  return encodeRecords(records, names::kSplitSoundTable);
}

}  // namespace lumora::contentgen
