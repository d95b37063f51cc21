#include "quiz/QuestionDraws.h"

#include <array>

#include "data/Numbers.h"
#include "data/RecordingNames.h"
#include "data/SoundTableLayout.h"

namespace lumora {
namespace {

Question numberQuestion(std::int16_t categoryCode, int value, QString fileA) {
  Question question;
  question.category = categoryCode;
  question.firstValue = static_cast<std::int16_t>(value);
  question.fileA = std::move(fileA);
  question.key = question.firstValue;
  return question;
}

Question monthAndDayQuestion(RandomSource& random) {
  const int month = drawOneTo(random, category::kMonthCount);
  int day = drawOneTo(random, category::kDayCount);
  while (day > lastDayOfMonth(month)) day = drawOneTo(random, category::kDayCount);
  Question question = numberQuestion(category::kMonthAndDay, month, names::month(month));
  question.answerCount = 2;
  question.secondValue = static_cast<std::int16_t>(day);
  question.soundKind = 2;
  question.fileB = names::day(day);
  question.key = static_cast<std::int16_t>(day);
  return question;
}

Question clockTimeQuestion(RandomSource& random, const TextTable& splitSoundTable) {
  const int hour = drawOneTo(random, category::kHourCount);
  const int row = drawOneTo(random, kMinuteRows);
  const std::int16_t count = wholeNumber(splitSoundTable(row, 1));
  Question question = numberQuestion(category::kClockTime, hour, names::hour(hour));
  question.answerCount = count;
  question.secondValue = wholeNumber(splitSoundTable(row, 2));
  question.soundKind = count;
  question.fileB = names::minute(splitSoundTable(row, 3));
  question.key = static_cast<std::int16_t>(row);
  question.minuteRow = static_cast<std::int16_t>(row);
  return question;
}

std::vector<int> allowedColumns(const TextTable& hardSoundTable, int row) {
  std::vector<int> columns;
  for (int column = 0; column < 3; ++column) {
    if (wholeNumber(hardSoundTable(row, column)) != 0) columns.push_back(column);
  }
  return columns;
}

// One of the values, each equally likely; with every value allowed this is the plain draw.
int drawFrom(RandomSource& random, const std::vector<int>& values) {
  return values[drawZeroTo(random, static_cast<int>(values.size()))];
}

}  // namespace

int lastDayOfMonth(int month) {
  switch (month) {
    case 2:
      return 29;
    case 4:
    case 6:
    case 9:
    case 11:
      return 30;
    default:
      return 31;
  }
}

std::optional<Question> drawTypedQuestion(std::int16_t categoryCode, RandomSource& random,
                                          const TextTable& splitSoundTable) {
  // The categories that ask one number: its range 1..n and the name of its recording.
  struct SingleNumber {
    std::int16_t code;
    int range;
    QString (*recording)(int);
  };
  static constexpr std::array<SingleNumber, 5> singleNumbers = {{
      {category::kSinoNumber, category::kNumberCount, names::sinoNumber},
      {category::kNativeNumber, category::kNumberCount, names::nativeNumber},
      {category::kMonth, category::kMonthCount, names::month},
      {category::kDay, category::kDayCount, names::day},
      {category::kOrdinal, category::kOrdinalCount, names::ordinal},
  }};
  if (categoryCode == category::kMonthAndDay) return monthAndDayQuestion(random);
  if (categoryCode == category::kClockTime) return clockTimeQuestion(random, splitSoundTable);
  for (const SingleNumber& single : singleNumbers) {
    if (single.code != categoryCode) continue;
    const int value = drawOneTo(random, single.range);
    return numberQuestion(categoryCode, value, single.recording(value));
  }
  return std::nullopt;
}

Question weekdayQuestion(const std::array<std::int16_t, 4>& choiceValues) {
  const std::int16_t right = choiceValues[0];
  Question question = numberQuestion(category::kWeekday, right, names::weekday(right));
  question.captions = {names::weekdayName(choiceValues[1]), names::weekdayName(choiceValues[2]),
                       names::weekdayName(choiceValues[3])};
  return question;
}

std::vector<int> usableHardSoundRows(const TextTable& hardSoundTable) {
  std::vector<int> rows;
  for (int row = 1; row <= hardSoundRowsInUse(hardSoundTable); ++row) {
    if (!allowedColumns(hardSoundTable, row).empty()) rows.push_back(row);
  }
  return rows;
}

std::optional<Question> drawHardSoundQuestion(RandomSource& random,
                                              const TextTable& hardSoundTable) {
  const std::vector<int> rows = usableHardSoundRows(hardSoundTable);
  if (rows.empty()) return std::nullopt;
  const int row = drawFrom(random, rows);
  const int column = drawFrom(random, allowedColumns(hardSoundTable, row));
  Question question;
  question.category = category::kHardSound;
  question.firstValue = static_cast<std::int16_t>(column);
  question.soundKind = 3;
  question.fileA = *hardSoundRecording(hardSoundTable, row, column);
  question.key = question.firstValue;
  question.hardSoundRow = static_cast<std::int16_t>(row);
  question.pictures = hardSoundPictures(hardSoundTable, row);
  return question;
}

}  // namespace lumora
