#include "app/Form1.h"
#include "data/Numbers.h"
#include "quiz/QuizMessages.h"
#include "quiz/TimeLimit.h"

// The start button: one question per press in manual mode, a timed run in auto mode.
namespace lumora {

void Form1::出題開始_Click() {
  const bool randomOrder = ランダム->isChecked();
  const bool paced = 手動->isChecked() || 自動->isChecked();
  if (!paced || !(randomOrder || 不正解分->isChecked())) return;
  if (randomOrder && checkCategorySelected() == quizmessages::kNoCategory) return;
  if (自動->isChecked()) {
    startAutoRun();
    return;
  }
  enableTypedAnswer();
  if (randomOrder) {
    chooseCategory();
    askRandomQuestion(QuestionPace::manualStart);
  } else {
    askStoredQuestion(QuestionPace::manualStart);
  }
}

void Form1::startAutoRun() {
  // A count that is not a number could not be counted down, and a limit outside the
  // timer's range could not be kept: neither starts a run.
  const QString countText = 出題数Combo(0)->currentText();
  if (!isNumericText(countText)) {
    stopRunWithMessage(&Dialogs::warning, kApplicationTitle, quizmessages::kCountNotNumber);
    return;
  }
  const std::optional<int> interval = timeLimitMilliseconds(制限時間Combo(1)->currentText());
  if (!interval) {
    stopRunWithMessage(&Dialogs::warning, kApplicationTitle, quizmessages::kTimeLimitOutOfRange);
    return;
  }

  questionCountText = countText;
  questionCount = questionCountText.number();
  Timer1.setInterval(*interval);
  questionNumber = 1.0;
  correctCount = 0.0;
  wrongCount = 0.0;
  prepareQuizDisplay();
  Timer1.setEnabled(true);
  nextAutoQuestion();
}

}  // namespace lumora
