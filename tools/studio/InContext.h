#pragma once

#include <QStringList>
#include <chrono>
#include <vector>

#include "RecordingScript.h"

// Where a recording is heard in the trainer: which files a question plays around it.
namespace lumora::studio {

// The files of the sound folder played one after another, as the trainer plays them, with
// the silence between two of them.
struct InContext {
  QStringList files;
  std::chrono::milliseconds pause{0};
};

// A syllable's rows of three; the learner hears the three options of a row in turn, about
// this far apart.
inline constexpr std::chrono::milliseconds kBetweenOptions{600};

// The question that plays `line`: a month with a day after it, a day after a month, an hour
// with the pause and a minute after it, a minute after an hour, the three syllables of each
// of a syllable's rows; any other recording alone.
InContext inContext(const contentgen::ContentList& list, const contentgen::ScriptLine& line);

// The rows of three a hard-to-hear syllable belongs to, each as its three file names.
std::vector<QStringList> rowsOf(const contentgen::ContentList& list, const QString& fileName);

}  // namespace lumora::studio
