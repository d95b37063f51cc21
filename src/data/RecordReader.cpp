#include "data/RecordReader.h"

#include <QFileInfo>

#include "data/Cp932.h"
#include "data/WholeFile.h"

namespace lumora {
namespace {

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

// Appends the fields of one line (without its line end) to `fields`.
void splitLine(QStringView line, QStringList& fields) {
  qsizetype pos = 0;
  const qsizetype end = line.size();
  while (true) {
    while (pos < end && isBlank(line[pos])) ++pos;
    if (pos < end && line[pos] == u'"') {
      const qsizetype close = line.indexOf(u'"', pos + 1);
      const qsizetype stop = close < 0 ? end : close;
      fields.append(line.mid(pos + 1, stop - pos - 1).toString());
      pos = line.indexOf(u',', stop);
      if (pos < 0) return;
    } else {
      qsizetype comma = line.indexOf(u',', pos);
      const qsizetype stop = comma < 0 ? end : comma;
      qsizetype last = stop;
      while (last > pos && isBlank(line[last - 1])) --last;
      fields.append(line.mid(pos, last - pos).toString());
      if (comma < 0) return;
      pos = comma;
    }
    ++pos;  // past the comma: another field follows, perhaps empty
  }
}

}  // namespace

QStringList splitFields(const QString& text) {
  QStringList fields;
  for (QStringView line : QStringView(text).split(u'\n')) {
    if (line.endsWith(u'\r')) line.chop(1);
    if (line.trimmed().isEmpty()) continue;
    splitLine(line, fields);
  }
  return fields;
}

TableReadResult readRecords(const QString& text, TextTable& table) {
  const QStringList fields = splitFields(text);
  const int width = table.columnCount();
  const qsizetype records = (fields.size() + width - 1) / width;
  if (records > table.rowCount()) {
    return {false,
            QStringLiteral("レコードが多すぎます（%1 件、上限 %2 件）")
                .arg(records)
                .arg(table.rowCount()),
            0};
  }
  if (fields.size() % width != 0) {
    return {false,
            QStringLiteral("最後のレコードの項目が足りません（1 レコード %1 項目）").arg(width), 0};
  }
  for (qsizetype i = 0; i < fields.size(); ++i) {
    table(static_cast<int>(i / width), static_cast<int>(i % width)) = fields[i];
  }
  return {true, {}, static_cast<int>(records)};
}

TableReadResult readRecordFile(const QString& path, TextTable& table, qint64 maxBytes) {
  const QString name = QFileInfo(path).fileName();
  QByteArray bytes;
  if (auto error = readWholeFile(path, maxBytes, bytes)) return {false, *error, 0};
  const auto text = cp932::decode(bytes);
  if (!text) {
    return {false, QStringLiteral("%1 は Shift_JIS (CP932) のテキストではありません").arg(name), 0};
  }
  TableReadResult result = readRecords(*text, table);
  if (!result.ok) result.error = QStringLiteral("%1: %2").arg(name, result.error);
  return result;
}

}  // namespace lumora
