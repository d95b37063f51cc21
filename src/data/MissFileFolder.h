#pragma once

#include <QString>
#include <optional>

#include "data/FileFault.h"

// Where the learner's MemorizeFile.csv is kept. A save writes it into the sound folder where
// that folder can be written (a build folder, a folder the learner unpacked), otherwise into
// the learner's own application data folder (an installed package, whose folders are
// read-only). A sound folder gone missing stays the place, so that the save says it is
// missing. Paths are native, as the sound folder `soundDir` is, which ends in a separator.
namespace lumora {

struct MissFileToSave {
  QString path;
  std::optional<FileFault> folderFault;  // why the learner's folder could not be made
};

// The file a save writes, with the learner's data folder made when that is the place.
MissFileToSave missFileToSave(const QString& soundDir);

struct MissFileToLoad {
  QString path;
  QString olderPath;  // the other place's file when both places hold one, else empty
};

// The file a load reads. Since the last save the sound folder may have become writable or
// read-only (a folder's permissions changed, a copy moved), so the list the learner saved
// last may be in either place: the newer file wins. With neither, the place a save would
// write, so that the load says that file is missing.
MissFileToLoad missFileToLoad(const QString& soundDir);

}  // namespace lumora
