#include "answer/Accessibility.h"
#include "answer/AnswerText.h"
#include "answer/Feedback.h"
#include "answer/TypedJudge.h"
#include "app/Form1.h"
#include "data/MissList.h"

namespace lumora {
namespace {

ExpectedAnswer expectedAnswer(const Form1& form) {
  return {form.currentAnswer[0], form.currentAnswer[1], form.currentAnswer[2]};
}

// Mark, buzzer, memory, an emptied box for the next answer, the counter, the right answer
// written out and the verdict announced, in this order. The question is read before anything
// is shown, as a message about the memory may let a timer tick pose the next question meanwhile.
void recordTypedVerdict(Form1& form, Verdict verdict) {
  const bool right = verdict == Verdict::Right;
  const ExpectedAnswer expected = expectedAnswer(form);
  const auto answerText = correctAnswerText(expected, form.quizCategory, form.minuteRow, verdict);
  const QString fileA = form.soundFileA;
  const QString fileB = expected.form == 1 ? QString() : form.soundFileB;
  form.recordTypedJudgement(right, form.Text1->text());
  showVerdict(form, form.Label5(1), right, kWrongTypedMark);
  form.updateMissList(right ? kForgetMiss : kRememberMiss, static_cast<std::int16_t>(expected.form),
                      fileA, fileB);
  // Runs this handler again at once; the empty box is not judged.
  form.Text1->setText(QString());
  Variant& counter = right ? form.correctCount : form.wrongCount;
  counter = counter.number() + 1;
  if (answerText) form.Label5(0)->setText(*answerText);
  announceVerdict(form.Label5(1), form.Label5(0)->text());
}

void showScoreWhenFinished(Form1& form) {
  const RunTally tally{form.自動->isChecked(), form.questionCount, form.questionCountText.number(),
                       form.correctCount.number(), form.wrongCount.number()};
  if (const auto score = finishedScoreText(tally)) {
    form.得点->setText(*score);
    form.得点->setVisible(true);
  }
}

}  // namespace

void Form1::Text1_Change() {
  const Verdict verdict = judgeTypedText(Text1->text(), expectedAnswer(*this));
  if (verdict != Verdict::NotYet) recordTypedVerdict(*this, verdict);
  不正解分_Click();
  showScoreWhenFinished(*this);
}

}  // namespace lumora
