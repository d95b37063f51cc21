#include "record/RecordCsv.h"

#include "record/RecordFigures.h"
#include "record/RecordStore.h"

namespace lumora {
namespace {

QString quoted(QString field) { return '"' + field.replace('"', QStringLiteral("\"\"")) + '"'; }

QString outcomeName(const QString& code) {
  if (code == QStringLiteral("1")) return QStringLiteral("正解");
  if (code == QStringLiteral("2")) return QStringLiteral("時間切れ");
  return QStringLiteral("不正解");
}

QString recordings(const QString& fileA, const QString& fileB) {
  return fileB.isEmpty() ? fileA : fileA + QStringLiteral(" + ") + fileB;
}

QStringList spreadsheetRow(const QStringList& row) {
  return {row[0],
          row[1],
          categoryName(row[2].toInt()),
          recordings(row[3], row[4]),
          row[5],
          row[6],
          row[7],
          outcomeName(row[8]),
          QString::number(row[9].toLongLong() / 1000.0, 'f', 1),
          row[10] == QStringLiteral("1") ? QStringLiteral("自動") : QStringLiteral("手動"),
          row[11]};
}

}  // namespace

QByteArray recordCsv(const std::vector<QStringList>& rows) {
  static const QStringList headings = {
      QStringLiteral("日時（UTC）"), QStringLiteral("日付"),    QStringLiteral("出題内容"),
      QStringLiteral("録音"),        QStringLiteral("出題"),    QStringLiteral("正解"),
      QStringLiteral("回答"),        QStringLiteral("判定"),    QStringLiteral("回答時間（秒）"),
      QStringLiteral("出題方法"),    QStringLiteral("再生回数")};
  QString text;
  const auto addLine = [&text](const QStringList& fields) {
    QStringList quotedFields;
    for (const QString& field : fields) quotedFields << quoted(field);
    text += quotedFields.join(',') + QStringLiteral("\r\n");
  };
  addLine(headings);
  for (const QStringList& row : rows) {
    if (row.size() == kExportColumns) addLine(spreadsheetRow(row));
  }
  return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

}  // namespace lumora
