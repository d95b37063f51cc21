#pragma once

#include <QDate>
#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "record/RecordReading.h"

// The figures the record window shows, worked out from what it read of the record.
namespace lumora {

// The category as its check box names it: 漢数字, 固有数詞, 月, 日, 月日, 曜日, 難聴音, 時間, 番目.
QString categoryName(int code);

// Judgements right, wrong and unanswered, and the median time to a right or wrong answer.
struct Tally {
  int right = 0;
  int wrong = 0;
  int unanswered = 0;
  std::optional<double> medianSeconds;

  int answered() const { return right + wrong; }
  // Right answers in percent of those answered, nothing when none was.
  std::optional<int> accuracyPercent() const;
};

struct DayTally {
  QDate day;
  Tally tally;
};

struct CategoryTally {
  std::int16_t category = 0;
  Tally tally;
};

Tally tallyOf(const std::vector<AnswerRow>& rows);
// Per day, oldest first, for one category or, with category 0, for all.
std::vector<DayTally> dayTallies(const std::vector<AnswerRow>& rows, int category);
// Per category present, in the order of their codes.
std::vector<CategoryTally> categoryTallies(const std::vector<AnswerRow>& rows);

// A hard-to-hear row's answers: counts[played][chosen], in the order of the row's options.
struct ConfusionTable {
  std::array<QString, 3> options;
  std::array<std::array<int, 3>, 3> counts{};

  int playedTimes(int played) const;
  QString label() const;  // "ga・ka・kka"
};

// One table per hard-to-hear row answered, the most answered first.
std::vector<ConfusionTable> confusionTables(const std::vector<ConfusionCount>& counts);

// A typed question answered wrong, with what was given most often instead.
struct Mishearing {
  std::int16_t category = 0;
  QString rightAnswer;
  QString mostGiven;
  int timesGiven = 0;  // how often mostGiven was given
  int wrongTimes = 0;  // how often the question was answered wrong at all

  QString text() const;  // "16 → 60（3回）"
};

// The questions answered wrong most often, at most `limit` of them.
std::vector<Mishearing> commonMishearings(const std::vector<MishearingCount>& counts,
                                          std::size_t limit);

}  // namespace lumora
