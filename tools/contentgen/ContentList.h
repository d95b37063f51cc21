#pragma once

#include <QString>
#include <array>
#include <vector>

// The readable list of everything Lumora's default content says and shows.
namespace lumora::contentgen {

// A question recording of the sound folder, spoken from its Korean text.
struct Recording {
  QString fileName;
  QString korean;
  QString spokenAs;  // how the voice is to say it, when the spelling misleads it; else empty
};

// One row of the minute table; its recording is named from the name part.
struct MinuteRow {
  QString label;
  int answerCount = 0;
  int minute = 0;
  QString namePart;
  QString korean;
  QString spokenAs;
};

// A hard-to-hear syllable: the ASCII name that file names and the table use, and its Hangul.
struct Syllable {
  QString name;
  QString hangul;
  QString spokenAs;
};

// One row of the hard-to-hear table: three syllable names with their answer flags.
struct ConfusableRow {
  std::array<int, 3> flags{};
  std::array<QString, 3> names;
};

// A target of the acoustic check (named as in its table) that the voice cannot meet in a
// recording, and why.
struct Exception {
  QString fileName;
  QString target;
  QString reason;
};

struct ContentList {
  std::vector<Recording> recordings;
  std::vector<MinuteRow> minuteRows;
  std::vector<Syllable> syllables;
  std::vector<ConfusableRow> confusableRows;
  std::vector<Exception> exceptions;
};

// Why the voice cannot meet the target in the file; empty when the list gives no exception.
QString exceptionReason(const ContentList& list, const QString& fileName, const QString& target);

// One spoken file of the sound folder: its name, its text as the learner reads it, its
// standard pronunciation in Hangul, and what the voice is given to say.
struct Utterance {
  QString fileName;
  QString text;
  QString pronunciation;  // the Hangul of the spoken-as field, else the text
  QString spoken;         // the phonemes in [[ ]] of the spoken-as field, else the
                          // pronunciation's (espeakPhonemes)
  bool syllable = false;  // a hard-to-hear syllable, said on its own
};

// The two parts of a spoken-as field "<Hangul> [[<phonemes>]]", either of which may be left
// out: the pronunciation (the text when there is no Hangul) and the voice's input (the
// phonemes, else the pronunciation's in [[ ]]).
QString pronunciationOf(const QString& text, const QString& spokenAs);
QString voiceInputOf(const QString& text, const QString& spokenAs);

// Every spoken file of the list, in list order: recordings, minute rows, syllables.
std::vector<Utterance> utterances(const ContentList& list);

// Reads the tab-separated list; throws ContentError naming the line of the first fault.
// Beside the line format it enforces what the program relies on: exactly 16 minute rows
// with the half-hour row last, 1 to 50 confusable rows each with a non-zero flag, known
// and unique syllable names, and unique plain .wav names in the sound folder; and that an
// exception names a spoken file and a target of the acoustic check.
ContentList parseContentList(const QString& text);

// parseContentList on a UTF-8 file.
ContentList readContentList(const QString& path);

}  // namespace lumora::contentgen
