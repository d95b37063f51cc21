#pragma once

#include <QString>
#include <optional>

#include "answer/TypedJudge.h"

// The texts the learner sees after a judgement: marks, the right answer and the score.
namespace lumora {

inline const QString kRightMark = QStringLiteral("〇");
inline const QString kWrongButtonMark = QStringLiteral("Ｘ");  // full-width, on a button
inline const QString kWrongTypedMark = QStringLiteral("X");    // ASCII, in the text box

// The right answer written out for a typed judgement in category `code`, e.g. "12月3日"
// or "5時半". Nothing when the text shown before is to stay (a right two-number answer
// outside the month-and-day and clock-time categories).
std::optional<QString> correctAnswerText(const ExpectedAnswer& expected, int code, int minuteRow,
                                         Verdict verdict);

// The typed answers of a timed run so far.
struct RunTally {
  bool autoMode = false;
  double questionCount = 0;  // questions the run was started with
  double questionsLeft = 0;  // questions not yet asked
  double correct = 0;
  double wrong = 0;
};

// The score once a timed run is finished ("70点"), or nothing while it goes on or in
// manual mode. A run started with no positive number of questions has no score to
// compute and shows kNoScore.
std::optional<QString> finishedScoreText(const RunTally& tally);

inline const QString kNoScore = QStringLiteral("採点なし");

}  // namespace lumora
