#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "data/TableShapes.h"

// MemorizeFile.csv: the incorrect-answer list as CP932 text, one quoted record per line.
namespace lumora {

// The longest record a real list holds, in bytes: the widest field of each column quoted,
// with the commas and CR LF, as in "1","固有数詞100_00.wav","分30半_00.wav","100","55","9".
constexpr qint64 kLongestRealRecordBytes = 57;

// Files above this size are refused unread: twice a full list of the longest records (about
// 1.1 MiB), room for blanks and titles added by hand, while a file far beyond any list costs
// next to nothing to refuse.
constexpr qint64 kMissFileMaxBytes = 2 * kMissListShape.rows * kLongestRealRecordBytes;

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
