#pragma once

#include <QSet>
#include <QString>
#include <QStringList>
#include <vector>

#include "ContentList.h"

// Puts a teacher's recordings in place of the synthetic voice.
namespace lumora::contentgen {

struct ImportReport {
  QStringList placed;   // sound-folder file names that now hold the teacher's recording
  QStringList skipped;  // one line per input file left out: its name and why
};

// Converts every file of `recordingsFolder` whose name, apart from its extension, is a file
// name of the recording script (teacherRecording) and writes it whole into the sound folder
// of `appFolder`, once the player's check passes it. Every other entry of the folder, and
// every file that cannot be read, has no sound or would not play, is skipped and named with
// the reason; whatever was in place stays. An imported file carries no generator's tag, so
// rebuilds keep it (GeneratedFiles). Throws ContentError, having changed nothing, when the
// recordings folder is missing or empty or `appFolder` holds no sound folder.
ImportReport importTeacherRecordings(const ContentList& list, const QString& recordingsFolder,
                                     const QString& appFolder);

// How many recordings of a category are still the synthetic voice.
struct CategoryVoices {
  QString category;
  int synthetic = 0;
  int total = 0;
};

// Which syllables of a hard-to-hear row are the teacher's and which synthetic.
struct RowVoices {
  QStringList syllables;  // in table order
  QStringList teacher;
  QStringList synthetic;

  // A row that mixes the voices gives the answer away by the voice alone.
  bool mixed() const { return !teacher.isEmpty() && !synthetic.isEmpty(); }
};

struct VoiceReport {
  std::vector<CategoryVoices> categories;
  std::vector<RowVoices> rows;
};

// The sound-folder files of the list that are the teacher's in `appFolder`: there, and not
// carrying the generator's tag.
QSet<QString> teacherRecordings(const ContentList& list, const QString& appFolder);

// What is still synthetic in `appFolder`, or when the teacher's files are those named.
VoiceReport voiceReport(const ContentList& list, const QString& appFolder);
VoiceReport voiceReport(const ContentList& list, const QSet<QString>& teacherFiles);

// The report as lines for the person importing, a warning for every mixed row.
QStringList voiceReportLines(const VoiceReport& report);

}  // namespace lumora::contentgen
