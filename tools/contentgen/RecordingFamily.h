#pragma once

#include <QString>

namespace lumora::contentgen {

// What a recording's file name tells about it: its category, its meaning in Japanese, and
// whether it is one part of a two-part question (month then day, hour then minute), which
// is recorded as a separate word with a level intonation.
struct RecordingFamily {
  QString category;  // 漢数詞, 固有数詞, 月, 日, 曜日, 時, 分, 番目, 難聴音, or その他
  QString meaning;  // empty for a minute (its label says it) and for その他
  bool partOfTwo = false;
};

RecordingFamily recordingFamily(const QString& fileName);

}  // namespace lumora::contentgen
