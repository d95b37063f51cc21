#pragma once

#include <QString>
#include <QStringList>
#include <limits>

#include "data/TextTable.h"

namespace lumora {

// Splits comma-separated text into its fields, in file order. A field ends at a comma or
// a line end; blanks before a field are skipped; a quoted field loses its quotes and may
// hold commas. Blank lines hold no field, and trailing blanks of an unquoted field are
// dropped. Stops once there are more than `maxFields`, so that text of far too many fields
// costs no more than that.
QStringList splitFields(const QString& text,
                        qsizetype maxFields = std::numeric_limits<qsizetype>::max());

// The outcome of reading a record file into a table.
struct TableReadResult {
  bool ok = false;
  QString error;  // what is wrong, for the learner; empty when ok
  int records = 0;
};

// Reads record k of the text into row k of the table, `table.columnCount()` fields per
// record. Fails, leaving the table untouched, when the text ends inside a record or holds
// more records than the table has rows; reading stops at the first record too many.
TableReadResult readRecords(const QString& text, TextTable& table);

// A sound table holds at most 51 short records, a few KiB. Larger files are refused before
// they are read: the limit leaves ample room for titles and notes, while a wrong or damaged
// file stays cheap to refuse.
constexpr qint64 kTableFileMaxBytes = 1024 * 1024;

// Reads a CP932 file with readRecords. Fails, leaving the table untouched, when the file
// is missing, a folder, unreadable, larger than `maxBytes` or not CP932; the error names
// the file.
TableReadResult readRecordFile(const QString& path, TextTable& table,
                               qint64 maxBytes = kTableFileMaxBytes);

}  // namespace lumora
