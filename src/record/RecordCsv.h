#pragma once

#include <QByteArray>
#include <QStringList>
#include <vector>

namespace lumora {

// The record as a teacher's spreadsheet opens it: UTF-8 with a byte-order mark (without it
// spreadsheet programs in Japan read Shift_JIS), CR LF line ends, Japanese headings, one
// quoted row per judgement. `rows` are RecordStore::exportRows.
QByteArray recordCsv(const std::vector<QStringList>& rows);

}  // namespace lumora
