#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

#include "ContentList.h"

// The printable script a teacher records from: every recording of the content list with its
// Korean text, its Japanese meaning and how to say it, grouped by category.
namespace lumora::contentgen {

inline const QString kRecordingScriptName = QStringLiteral("録音台本.html");

struct ScriptLine {
  QString category;  // 漢数詞, 固有数詞, 月, 日, 曜日, 時, 分, 番目, 難聴音, or その他
  QString fileName;  // in the sound folder
  QString korean;
  QString meaning;   // Japanese, derived from the category and the number in the name
  QString howToSay;  // howToSay() of the recording
};

// Every recording of the list, in list order: the recordings, the minutes, the syllables.
std::vector<ScriptLine> scriptLines(const ContentList& list);

// The same lines in the order a teacher records them: grouped by category, the categories in
// order of first appearance, the hard-to-hear syllables row by row.
std::vector<ScriptLine> scriptOrder(const ContentList& list);

// What the script says of a category before its lines (HTML), or empty: how the two-part
// questions and the hard-to-hear rows are recorded.
QString categoryNote(const QString& category);

// The script as a UTF-8 HTML page, one section per category in order of first appearance;
// the hard-to-hear syllables are shown row by row, as the quiz asks them.
QByteArray recordingScript(const ContentList& list);

}  // namespace lumora::contentgen
