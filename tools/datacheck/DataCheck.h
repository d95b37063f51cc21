#pragma once

#include <QString>
#include <vector>

#include "data/TextTable.h"

// Checks that the folders beside the program hold every file the quiz could ask for, so a
// teacher who records their own voice can see at once what is still missing.
namespace lumora::datacheck {

enum class FileKind { Recording, Picture, Table };

// A file the program may open, relative to the application folder.
struct RequiredFile {
  QString folder;  // names::kSoundFolder or names::kPictureFolder
  QString name;
  FileKind kind = FileKind::Recording;

  QString relativePath() const { return folder + u'/' + name; }
  bool operator==(const RequiredFile&) const = default;
};

// Every file the quiz could open, each once: both tables and buzzers, the numbers 1 to 100
// in both counts, months, days, weekdays, hours and ordinals, the minute recording of each
// split row 1 to 16 (column 3), and the recording and picture of every syllable in columns 3
// to 5 of the hard-to-hear rows 1 to N (N from row 0, column 0, limited to the table).
// Empty name cells name no file; the table check reports them instead.
std::vector<RequiredFile> requiredFiles(const TextTable& hardSoundTable,
                                        const TextTable& splitSoundTable);

struct Problem {
  enum class Kind {
    Missing,     // no such file
    Unreadable,  // present, but not a recording the player plays, a loadable picture or a
                 // readable table
    BadTable,    // a table the quiz cannot work with (rows or flags)
  };
  Kind kind = Kind::Missing;
  QString relativePath;
  QString detail;  // what is wrong beyond the kind; may be empty

  QString text() const;  // one line for the person fixing the folders
};

struct FolderCheck {
  std::vector<Problem> problems;
  int generatedRecordings = 0;  // playable recordings that carry the generator's tag
  int teachersRecordings = 0;   // playable recordings put there by someone else
};

// Checks the application folder: loads and checks both tables from the sound folder (a
// table that cannot be loaded names no files), then checks every other required file, a
// recording as the player does.
FolderCheck checkAppFolder(const QString& appFolder);

}  // namespace lumora::datacheck
