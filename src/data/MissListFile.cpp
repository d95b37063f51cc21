#include "data/MissListFile.h"

#include <QFileInfo>
#include <algorithm>

#include "data/Cp932.h"
#include "data/DurableFile.h"
#include "data/FileFault.h"
#include "data/Numbers.h"
#include "data/RecordReader.h"
#include "data/RecordWriter.h"

namespace lumora {
namespace {

// A quote or a line break inside a field would end the field early on reading.
bool readsBackUnchanged(const QString& field) {
  return !field.contains(u'"') && !field.contains(u'\r') && !field.contains(u'\n');
}

}  // namespace

std::optional<QString> writeMissFile(const QString& path, const QList<QStringList>& records) {
  const QString keptNote = QFileInfo(path).isFile()
                               ? QStringLiteral("前に記録したファイルはそのまま残っています。")
                               : QString();
  QString text;
  for (const QStringList& record : records) {
    if (!std::all_of(record.begin(), record.end(), readsBackUnchanged)) {
      return messageLines(
          {QStringLiteral("ダブルクォート（\"）や改行を含む項目は書き込めません。"), keptNote});
    }
    text += formatRecord(record);
  }
  const auto bytes = cp932::encode(text);
  if (!bytes) {
    return messageLines(
        {QStringLiteral("Shift_JIS (CP932) で書けない文字が含まれています。"), keptNote});
  }
  if (const auto fault = replaceFileDurably(path, *bytes)) {
    return fault->message(keptNote);
  }
  return std::nullopt;
}

std::optional<QString> readMissFile(const QString& path, TextTable& list) {
  const QString name = QFileInfo(path).fileName();
  TextTable read(list.rowCount(), list.columnCount());
  const TableReadResult result = readRecordFile(path, read, kMissFileMaxBytes);
  if (!result.ok) return result.error;
  if (result.records == 0) return QStringLiteral("%1 に件数のレコードがありません").arg(name);
  const int entries = result.records - 1;
  const auto count = wholeTextInteger(read(0, 0));
  if (!count || *count < 0 || *count > entries) {
    return QStringLiteral("%1: 件数「%2」が記録されている問題の数（%3 件）と合いません")
        .arg(name, read(0, 0))
        .arg(entries);
  }
  // What loads must save again: a field the save would refuse keeps the file out.
  for (int cell = 0; cell < result.records * read.columnCount(); ++cell) {
    const int row = cell / read.columnCount();
    if (!readsBackUnchanged(read(row, cell % read.columnCount()))) {
      return QStringLiteral(
                 "%1: %2 件目のレコードに、ダブルクォート（\"）や改行を含む項目があります。"
                 "このままでは記録し直せないため、読み込みません")
          .arg(name)
          .arg(row + 1);
    }
  }
  for (int row = 0; row < result.records; ++row) {
    for (int column = 0; column < list.columnCount(); ++column) {
      list(row, column) = read(row, column);
    }
  }
  return std::nullopt;
}

}  // namespace lumora
