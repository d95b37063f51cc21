#include "answer/Accessibility.h"
#include "answer/AnswerText.h"
#include "answer/ButtonJudge.h"
#include "answer/Feedback.h"
#include "app/Form1.h"
#include "data/Category.h"
#include "data/MissList.h"
#include "data/RecordingNames.h"
#include "data/SoundTableLayout.h"

namespace lumora {
namespace {

constexpr std::int16_t kWeekdayKind = 1;
constexpr std::int16_t kHardSoundPlayback = 3;
constexpr std::int16_t kWeekdayPlayback = 1;

// What the button with the right answer shows, if a button has it.
QString rightOptionName(Form1& form, int pressed, const ButtonVerdict& verdict) {
  const std::optional<int> right =
      verdict.right ? std::optional<int>(pressed) : verdict.rightButton;
  return right ? form.Command4(*right)->accessibleName() : QString();
}

// Marks the pressed button (and, after a wrong press, the right one), sounds the buzzer,
// announces the verdict and passes the question to the incorrect-answer memory.
void applyButtonVerdict(Form1& form, int pressed, const ButtonVerdict& verdict, std::int16_t kind,
                        const QString& recording) {
  if (verdict.rightButton) form.Label3(*verdict.rightButton)->setText(kRightMark);
  showVerdict(form, form.Label3(pressed), verdict.right, kWrongButtonMark);
  announceVerdict(form.Label3(pressed), rightOptionName(form, pressed, verdict));
  form.recordButtonJudgement(verdict.right, pressed);
  form.updateMissList(verdict.right ? kForgetMiss : kRememberMiss, kind, recording, QString());
}

void judgeHardSoundAnswer(Form1& form, int pressed) {
  const std::int16_t right = form.currentAnswer[1];
  const auto recording = hardSoundRecording(form.hardSoundTable, form.hardSoundRow, right);
  // A damaged stored question may name no button or no row of the table: nothing to judge.
  if (!recording) return;
  applyButtonVerdict(form, pressed, judgeHardSoundPress(pressed, right), right, *recording);
}

void judgeWeekdayAnswer(Form1& form, int pressed) {
  applyButtonVerdict(form, pressed, judgeWeekdayPress(pressed, form.choiceValues), kWeekdayKind,
                     names::weekday(form.choiceValues[0]));
}

}  // namespace

void Form1::Command4_Click(int index) {
  if (quizCategory == category::kHardSound && (不正解分->isChecked() || 難聴音->isChecked())) {
    judgeHardSoundAnswer(*this, index);
  } else if (quizCategory == category::kWeekday && (不正解分->isChecked() || 曜日->isChecked())) {
    judgeWeekdayAnswer(*this, index);
  }
  不正解分_Click();
}

void Form1::hint_Click(int index) {
  if (quizCategory == category::kHardSound && hardSoundRow > 0) {
    const auto recording = hardSoundRecording(hardSoundTable, hardSoundRow, index);
    if (!recording) return;
    soundKind = kHardSoundPlayback;
    soundFileA = *recording;
  } else if (曜日->isChecked()) {
    soundKind = kWeekdayPlayback;
    soundFileA = names::weekday(choiceValues.at(index + 1));
  } else {
    return;
  }
  playQuestionSound(soundKind, soundFileA, soundFileB);
}

}  // namespace lumora
