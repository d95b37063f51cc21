#include "answer/AnswerText.h"
#include "app/Form1.h"
#include "app/RecordWindow.h"
#include "data/Category.h"
#include "data/RecordingNames.h"
#include "data/SoundTableLayout.h"
#include "record/LearningRecord.h"

// What the learning record follows of the drill, and the window that shows it.
namespace lumora {
namespace {

void describeHardSound(const Form1& form, RecordedQuestion& q) {
  const int right = form.currentAnswer[1];
  const auto recording = hardSoundRecording(form.hardSoundTable, form.hardSoundRow, right);
  if (!recording) return;  // a damaged stored question: nothing to judge
  q.entry.fileA = *recording;
  for (int i = 0; i < 3; ++i) {
    q.options[i] = form.hardSoundTable(form.hardSoundRow, kFirstSyllableColumn + i);
  }
  q.asked = q.rightAnswer = q.options[right];
}

void describeWeekday(const Form1& form, RecordedQuestion& q) {
  const auto& choices = form.choiceValues;
  q.entry.fileA = names::weekday(choices[0]);
  q.asked = q.rightAnswer = names::weekdayName(choices[0]);
  for (int i = 0; i < 3; ++i) q.options[i] = names::weekdayName(choices[i + 1]);
}

void describeTyped(const Form1& form, RecordedQuestion& q) {
  const ExpectedAnswer expected{form.currentAnswer[0], form.currentAnswer[1],
                                form.currentAnswer[2]};
  q.entry.fileA = form.soundFileA;
  q.entry.fileB = expected.form == 2 ? form.soundFileB : QString();
  q.asked = expected.form == 2 ? QStringLiteral("%1 %2").arg(expected.n).arg(expected.m)
                               : QString::number(expected.n);
  q.rightAnswer = correctAnswerText(expected, form.quizCategory, form.minuteRow, Verdict::Right)
                      .value_or(q.asked);
}

// The question on screen, with the recording and kind its judgement passes to the list.
RecordedQuestion recordedQuestion(const Form1& form) {
  RecordedQuestion q;
  MissQuestion& e = q.entry;
  e.category = form.quizCategory;
  e.answer = form.currentAnswer;
  e.choices = form.choiceValues;
  e.hardSoundRow = form.hardSoundRow;
  switch (form.quizCategory) {
    case category::kHardSound:
      e.kind = form.currentAnswer[1];
      describeHardSound(form, q);
      break;
    case category::kWeekday:
      e.kind = 1;
      describeWeekday(form, q);
      break;
    default:
      e.kind = form.currentAnswer[0];
      describeTyped(form, q);
      break;
  }
  return q;
}

}  // namespace

void Form1::notePosedQuestion() {
  questionTrail_.posed(recordedQuestion(*this), platform_.clock->wallTime(), 自動->isChecked());
}

void Form1::countReplay() { questionTrail_.replayed(); }

void Form1::recordTypedJudgement(bool right, const QString& typed) {
  recordJudgement(right ? Outcome::right : Outcome::wrong, typed);
}

void Form1::recordButtonJudgement(bool right, int pressed) {
  const RecordedQuestion* question = questionTrail_.question();
  if (question == nullptr) return;
  recordJudgement(right ? Outcome::right : Outcome::wrong, question->options.at(pressed));
}

void Form1::recordUnansweredQuestion() {
  if (auto judgement = questionTrail_.endedUnanswered(platform_.clock->wallTime())) {
    record_->append(std::move(*judgement));
  }
}

void Form1::recordJudgement(Outcome outcome, const QString& given) {
  if (auto judgement = questionTrail_.judged(outcome, given, platform_.clock->wallTime())) {
    record_->append(std::move(*judgement));
  }
}

void Form1::tellRecordFault(const RecordFault& fault) {
  platform_.dialogs->notice(kApplicationTitle, recordFaultMessage(fault));
}

int Form1::practiseQuestions(const std::vector<MissQuestion>& questions) {
  int added = 0;
  for (const MissQuestion& question : questions) {
    if (!rememberMiss(question)) break;
    ++added;
  }
  不正解分_Click();
  return added;
}

void Form1::学習記録_Click() {
  if (recordWindow_ == nullptr) {
    RecordWindowServices services{*record_, *platform_.dialogs,
                                  [this] { return localDateOf(platform_.clock->wallTime()); },
                                  [this](const std::vector<MissQuestion>& questions) {
                                    return practiseQuestions(questions);
                                  }};
    recordWindow_ = new RecordWindow(std::move(services), this);
  }
  recordWindow_->refresh();
  recordWindow_->show();
  recordWindow_->raise();
  recordWindow_->activateWindow();
}

}  // namespace lumora
