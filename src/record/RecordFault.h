#pragma once

#include <QString>
#include <optional>

#include "data/FileFault.h"

namespace lumora {

// Why the learning record could not be kept. None of them stops the drill.
struct RecordFault {
  enum class Kind {
    folderNotCreated,  // the learner's data folder could not be made
    notWritten,        // a full disk, a read-only folder or file system, a disk error
    locked,            // another copy of Lumora held it beyond the wait
    movedAside,        // damaged or not a record: moved aside, a new record started
    newerSchema,       // written by a newer Lumora: left alone
  };

  Kind kind = Kind::notWritten;
  QString path;                   // the record file
  QString movedTo;                // movedAside: where the old file now is
  std::optional<FileFault> file;  // the system's cause, where it gave one
};

// The learner's message: what happened, where, what they can do, and that the drill and the
// wrong-answer list go on unharmed.
QString recordFaultMessage(const RecordFault& fault);

}  // namespace lumora
