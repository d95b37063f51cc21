#include "InContext.h"

#include "data/RecordingNames.h"
#include "sound/Playback.h"

namespace lumora::studio {
namespace {

using contentgen::ContentList;
using contentgen::MinuteRow;

// Minute rows that are played after their hour; the o'clock row's recording never is.
bool playedAfterTheHour(const MinuteRow& row) { return row.answerCount == 2; }

}  // namespace

std::vector<QStringList> rowsOf(const ContentList& list, const QString& fileName) {
  std::vector<QStringList> rows;
  for (const contentgen::ConfusableRow& row : list.confusableRows) {
    QStringList files;
    for (const QString& name : row.names) files.append(names::hardSound(name));
    if (files.contains(fileName)) rows.push_back(files);
  }
  return rows;
}

InContext inContext(const ContentList& list, const contentgen::ScriptLine& line) {
  const QString& file = line.fileName;
  if (line.category == u"月") return {{file, names::day(1)}, {}};
  if (line.category == u"日") return {{names::month(1), file}, {}};
  if (line.category == u"時") {
    for (const MinuteRow& row : list.minuteRows) {
      if (playedAfterTheHour(row)) return {{file, names::minute(row.namePart)}, kClockTimePause};
    }
  }
  if (line.category == u"分") {
    for (const MinuteRow& row : list.minuteRows) {
      if (names::minute(row.namePart) == file && playedAfterTheHour(row)) {
        return {{names::hour(1), file}, kClockTimePause};
      }
    }
  }
  if (line.category == u"難聴音") {
    InContext options{{}, kBetweenOptions};
    for (const QStringList& row : rowsOf(list, file)) options.files += row;
    if (!options.files.isEmpty()) return options;
  }
  return {{file}, {}};
}

}  // namespace lumora::studio
