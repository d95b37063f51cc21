#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "data/FileFault.h"

namespace lumora {

// Replaces the contents of the file at `path` so that, whatever happens on the way (a full
// disk, a file-size limit, the program killed), the file holds either its complete old or
// its complete new contents. The bytes go to a new hidden file beside it, named after it
// with ".lumora-save-" and six letters or digits, locked until it has been flushed to the
// disk and renamed over `path`; the folder is flushed after. Such files that no running
// save holds locked, left by an interrupted earlier replacement, are removed first; nothing
// else is. A file at `path` keeps its permissions; one that grants no write permission to
// anybody is refused, also for the superuser, who would otherwise replace it unasked.
//
// A link at `path` is followed only where nobody else could have planted it: the link is
// the user's own and lies in a folder of the user's that nobody else can write. Any other
// link is refused, so that a link planted in a shared folder cannot make the save write
// over a file it leads to.
//
// Returns the fault, with `path` left as it was, or nothing on success.
std::optional<FileFault> replaceFileDurably(const QString& path, const QByteArray& bytes);

}  // namespace lumora
