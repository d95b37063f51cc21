#include "answer/AnswerText.h"

#include <cmath>

#include "data/Category.h"
#include "data/Numbers.h"
#include "data/SoundTableLayout.h"

namespace lumora {
namespace {

QString oneNumberText(int n, int code) {
  const QString number = QString::number(n);
  switch (code) {
    case category::kMonth:
      return number + QStringLiteral("月");
    case category::kDay:
      return number + QStringLiteral("日");
    case category::kClockTime:
      return number + QStringLiteral("時");
    case category::kOrdinal:
      return number + QStringLiteral("番目");
    default:
      return number;
  }
}

}  // namespace

std::optional<QString> correctAnswerText(const ExpectedAnswer& expected, int code, int minuteRow,
                                         Verdict verdict) {
  if (expected.form == 1) return oneNumberText(expected.n, code);
  if (expected.form != 2) return std::nullopt;
  const QString n = QString::number(expected.n);
  const QString m = QString::number(expected.m);
  if (code == category::kClockTime) {
    return minuteRow == kHalfHourMinuteRow ? n + QStringLiteral("時半")
                                           : n + QStringLiteral("時") + m + QStringLiteral("分");
  }
  if (code == category::kMonthAndDay || verdict == Verdict::Wrong)
    return n + QStringLiteral("月") + m + QStringLiteral("日");
  return std::nullopt;
}

std::optional<QString> finishedScoreText(const RunTally& tally) {
  if (!tally.autoMode) return std::nullopt;
  const bool finished = tally.questionCount <= tally.correct + tally.wrong;
  if (!finished && tally.questionsLeft > 0) return std::nullopt;
  if (tally.questionCount <= 0) return kNoScore;
  return numberText(std::floor(100 * tally.correct / tally.questionCount)) + QStringLiteral("点");
}

}  // namespace lumora
