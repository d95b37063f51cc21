#include "data/RecordReader.h"

#include <QFileInfo>
#include <QStringTokenizer>

#include "data/Cp932.h"
#include "data/WholeFile.h"

namespace lumora {
namespace {

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

// Appends the fields of one line (without its line end) to `fields`; false once they number
// more than `maxFields`.
bool splitLine(QStringView line, QStringList& fields, qsizetype maxFields) {
  qsizetype pos = 0;
  const qsizetype end = line.size();
  while (true) {
    while (pos < end && isBlank(line[pos])) ++pos;
    qsizetype comma;  // after the field, or -1 at the line end
    if (pos < end && line[pos] == u'"') {
      const qsizetype close = line.indexOf(u'"', pos + 1);
      const qsizetype stop = close < 0 ? end : close;
      fields.append(line.mid(pos + 1, stop - pos - 1).toString());
      comma = line.indexOf(u',', stop);
    } else {
      comma = line.indexOf(u',', pos);
      const qsizetype stop = comma < 0 ? end : comma;
      qsizetype last = stop;
      while (last > pos && isBlank(line[last - 1])) --last;
      fields.append(line.mid(pos, last - pos).toString());
    }
    if (fields.size() > maxFields) return false;
    if (comma < 0) return true;
    pos = comma + 1;  // past the comma: another field follows, perhaps empty
  }
}

}  // namespace

QStringList splitFields(const QString& text, qsizetype maxFields) {
  QStringList fields;
  for (QStringView line : qTokenize(text, u'\n')) {
    if (line.endsWith(u'\r')) line.chop(1);
    if (line.trimmed().isEmpty()) continue;
    if (!splitLine(line, fields, maxFields)) break;
  }
  return fields;
}

TableReadResult readRecords(const QString& text, TextTable& table) {
  const int width = table.columnCount();
  const qsizetype capacity = qsizetype(table.rowCount()) * width;
  const QStringList fields = splitFields(text, capacity);
  if (fields.size() > capacity) {
    return {false, QStringLiteral("レコードが多すぎます（上限 %1 件）").arg(table.rowCount()), 0};
  }
  if (fields.size() % width != 0) {
    return {false,
            QStringLiteral("最後のレコードの項目が足りません（1 レコード %1 項目）").arg(width), 0};
  }
  for (qsizetype i = 0; i < fields.size(); ++i) {
    table(static_cast<int>(i / width), static_cast<int>(i % width)) = fields[i];
  }
  return {true, {}, static_cast<int>(fields.size() / width)};
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
