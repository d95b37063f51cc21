#include "support/AnswerSupport.h"

#include <QFile>
#include <stdexcept>

#include "data/RecordingNames.h"

namespace lumora::testing {
namespace {

// The question's own sound, noted for the record, played and kept for replay as a generator
// does.
void playAndKeep(Form1& form) {
  form.notePosedQuestion();
  form.playQuestionSound(form.soundKind, form.soundFileA, form.soundFileB);
  form.replaySoundKind = form.soundKind;
  form.replaySoundFileA = form.soundFileA;
  form.replaySoundFileB = form.soundFileB;
}

}  // namespace

QStringList rowOf(const TextTable& table, int row) {
  QStringList cells;
  for (int column = 0; column < table.columnCount(); ++column) cells << table(row, column);
  return cells;
}

QByteArray fileBytes(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) throw std::runtime_error("cannot read the file");
  return file.readAll();
}

void writeFileBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
    throw std::runtime_error("cannot write the file");
  }
}

void poseTypedQuestion(Form1& form, std::int16_t category, std::int16_t count, std::int16_t n,
                       std::int16_t m, const QString& fileA, const QString& fileB,
                       std::int16_t minuteRow) {
  form.enableTypedAnswer();
  form.quizCategory = category;
  form.currentAnswer = {count, n, m};
  form.minuteRow = minuteRow;
  form.soundKind = count;
  form.soundFileA = fileA;
  form.soundFileB = fileB;
  playAndKeep(form);
}

void poseWeekdayQuestion(Form1& form, const std::array<std::int16_t, 4>& choices) {
  form.clearAnswerButtons();
  form.enableButtonAnswer();
  form.quizCategory = 6;
  form.choiceValues = choices;
  form.currentAnswer[0] = 1;
  form.currentAnswer[1] = choices[0];
  form.showChoiceCaptions(names::weekdayName(choices[1]), names::weekdayName(choices[2]),
                          names::weekdayName(choices[3]));
  form.soundKind = 1;
  form.soundFileA = names::weekday(choices[0]);
  playAndKeep(form);
}

void poseHardSoundQuestion(Form1& form, std::int16_t row, std::int16_t rightButton) {
  form.clearAnswerButtons();
  form.enableButtonAnswer();
  form.quizCategory = 7;
  form.hardSoundRow = row;
  form.currentAnswer[0] = 1;
  form.currentAnswer[1] = rightButton;
  form.soundKind = 3;
  form.soundFileA = names::hardSound(form.hardSoundTable(row, 3 + rightButton));
  playAndKeep(form);
}

}  // namespace lumora::testing
