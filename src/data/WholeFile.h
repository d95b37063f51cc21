#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace lumora {

// Reads the whole file at `path` into `bytes`. Refuses, before reading anything, a file
// that is missing, a folder, not a regular file (a pipe would never end), not readable or
// larger than `maxBytes`. Returns what went wrong, in the learner's words, or nothing.
std::optional<QString> readWholeFile(const QString& path, qint64 maxBytes, QByteArray& bytes);

}  // namespace lumora
