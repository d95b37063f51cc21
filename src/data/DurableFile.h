#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "data/FileFault.h"

namespace lumora {

// Replaces the contents of the file at `path` so that, whatever happens on the way (a full
// disk, a file-size limit, the program killed), the file holds either its complete old or
// its complete new contents. The bytes go to a new file beside it, named `path` followed by
// a dot and six letters or digits; that file is flushed to the disk before it is renamed
// over `path`, and the folder is flushed after. Temporary files left by an interrupted
// earlier replacement are removed first. A file at `path` keeps its permissions; one that
// grants no write permission to anybody is refused, also for the superuser, who would
// otherwise replace it unasked. Returns the fault, with `path` left as it was, or nothing
// on success.
std::optional<FileFault> replaceFileDurably(const QString& path, const QByteArray& bytes);

}  // namespace lumora
