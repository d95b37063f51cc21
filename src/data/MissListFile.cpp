#include "data/MissListFile.h"

#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>

#include "data/Cp932.h"
#include "data/Numbers.h"
#include "data/RecordReader.h"
#include "data/RecordWriter.h"

namespace lumora {
namespace {

// A quote or a line break inside a field would end the field early on reading.
bool readsBackUnchanged(const QStringList& record) {
  return std::none_of(record.begin(), record.end(), [](const QString& field) {
    return field.contains(u'"') || field.contains(u'\r') || field.contains(u'\n');
  });
}

}  // namespace

std::optional<QString> writeMissFile(const QString& path, const QList<QStringList>& records) {
  QString text;
  for (const QStringList& record : records) {
    if (!readsBackUnchanged(record)) {
      return QStringLiteral("ダブルクォート（\"）や改行を含む項目は書き込めません");
    }
    text += formatRecord(record);
  }
  const auto bytes = cp932::encode(text);
  if (!bytes) return QStringLiteral("Shift_JIS (CP932) で書けない文字が含まれています");
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(*bytes) != bytes->size() || !file.commit()) {
    return QStringLiteral("%1 に書き込めません: %2").arg(path, file.errorString());
  }
  return std::nullopt;
}

std::optional<QString> readMissFile(const QString& path, TextTable& list) {
  const QFileInfo info(path);
  if (info.size() > kMissFileMaxBytes) {
    return QStringLiteral("%1 が大きすぎます（%2 バイト）").arg(info.fileName()).arg(info.size());
  }
  TextTable read(list.rowCount(), list.columnCount());
  const TableReadResult result = readRecordFile(path, read);
  if (!result.ok) return result.error;
  if (result.records == 0) {
    return QStringLiteral("%1 に件数のレコードがありません").arg(info.fileName());
  }
  const int entries = result.records - 1;
  const auto count = wholeTextInteger(read(0, 0));
  if (!count || *count < 0 || *count > entries) {
    return QStringLiteral("%1: 件数「%2」が記録されている問題の数（%3 件）と合いません")
        .arg(info.fileName(), read(0, 0))
        .arg(entries);
  }
  for (int row = 0; row < result.records; ++row) {
    for (int column = 0; column < list.columnCount(); ++column) {
      list(row, column) = read(row, column);
    }
  }
  return std::nullopt;
}

}  // namespace lumora
