#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "data/TextTable.h"

// MemorizeFile.csv: the incorrect-answer list as CP932 text, one quoted record per line.
namespace lumora {

// Files above this size are refused unread; a full list of 10001 records stays far below.
constexpr qint64 kMissFileMaxBytes = 16 * 1024 * 1024;

// Writes the records to `path` so that the file is replaced only once the whole new text
// is on the disk; on failure the old file is left as it was. Returns what went wrong in
// the learner's words, with what they can do and whether an earlier file is still there,
// or nothing on success. Text that would not read back unchanged (a character CP932
// cannot hold, a double quote or a line break in a field) is refused before writing.
std::optional<QString> writeMissFile(const QString& path, const QList<QStringList>& records);

// Reads `path` into `list`: record k into row k, rows beyond the file's last record keep
// what they held. The file is read and checked in full first, so that on failure `list`
// is untouched; the count of record 0 must be a whole number from 0 to the number of
// entry records in the file, and no field may hold what a save would refuse (a double
// quote or a line break). Returns what went wrong, or nothing on success.
std::optional<QString> readMissFile(const QString& path, TextTable& list);

}  // namespace lumora
