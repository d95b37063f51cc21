#include "quiz/StoredQuestions.h"

#include "data/Numbers.h"
#include "data/SoundTableLayout.h"
#include "quiz/QuestionDraws.h"

namespace lumora {
namespace {

Question storedWeekday(const TextTable& missList, int entry) {
  const std::array<std::int16_t, 4> choices = {
      wholeNumber(missList(entry, 0)), wholeNumber(missList(entry, 2)),
      wholeNumber(missList(entry, 3)), wholeNumber(missList(entry, 4))};
  Question question = weekdayQuestion(choices);
  question.fileA = missList(entry, 1);
  question.choiceValues = choices;
  return question;
}

std::optional<Question> storedHardSound(const TextTable& missList, int entry,
                                        const TextTable& hardSoundTable,
                                        StoredSoundName soundName) {
  const std::int16_t column = wholeNumber(missList(entry, 0));
  const std::int16_t row = wholeNumber(missList(entry, 3));
  if (row < 1 || row >= hardSoundTable.rowCount()) return std::nullopt;
  // The auto step names the recording from the table again; a button outside 0..2 names none.
  const std::optional<QString> recording = soundName == StoredSoundName::fromTable
                                               ? hardSoundRecording(hardSoundTable, row, column)
                                               : missList(entry, 1);
  if (!recording) return std::nullopt;
  Question question;
  question.category = category::kHardSound;
  question.firstValue = column;
  question.soundKind = 3;
  question.fileA = *recording;
  question.hardSoundRow = row;
  question.pictures = hardSoundPictures(hardSoundTable, row);
  return question;
}

Question storedTyped(const TextTable& missList, int entry, std::int16_t categoryCode) {
  Question question;
  question.category = categoryCode;
  question.answerCount = wholeNumber(missList(entry, 0));
  question.firstValue = wholeNumber(missList(entry, 3));
  question.secondValue = wholeNumber(missList(entry, 4));
  question.soundKind = question.answerCount;
  question.fileA = missList(entry, 1);
  question.fileB = missList(entry, 2);
  const bool halfHour =
      categoryCode == category::kClockTime && isHalfHourMinute(missList(entry, 2));
  question.minuteRow = halfHour ? kHalfHourMinuteRow : std::int16_t{1};
  return question;
}

}  // namespace

std::optional<Question> storedQuestion(const TextTable& missList, int entry,
                                       const TextTable& hardSoundTable, StoredSoundName soundName) {
  const std::int16_t categoryCode = wholeNumber(missList(entry, 5));
  if (!category::isKnown(categoryCode)) return std::nullopt;
  if (categoryCode == category::kWeekday) return storedWeekday(missList, entry);
  if (categoryCode == category::kHardSound) {
    return storedHardSound(missList, entry, hardSoundTable, soundName);
  }
  return storedTyped(missList, entry, categoryCode);
}

}  // namespace lumora
