#include <algorithm>

#include "app/Form1.h"
#include "data/MissList.h"
#include "quiz/CategoryBands.h"
#include "quiz/QuestionNumberCaption.h"
#include "quiz/QuizMessages.h"
#include "quiz/StoredQuestions.h"

// Which category the next question comes from, and the steps of an auto run.
namespace lumora {
namespace {

// Element c - 1 tells whether the box of category c is ticked; the grey state does not count.
std::array<bool, 9> tickedCategories(const Form1& form) {
  const std::array<QCheckBox*, 9> boxes = {form.漢数詞, form.固有数詞, form.月,
                                           form.日,     form.月日,     form.曜日,
                                           form.難聴音, form.時間,     form.番目};
  std::array<bool, 9> ticked{};
  std::transform(boxes.begin(), boxes.end(), ticked.begin(),
                 [](const QCheckBox* box) { return box->checkState() == Qt::Checked; });
  return ticked;
}

}  // namespace

int Form1::checkCategorySelected() {
  const std::array<bool, 9> ticked = tickedCategories(*this);
  if (std::any_of(ticked.begin(), ticked.end(), [](bool on) { return on; })) return 0;
  stopRunWithMessage(&Dialogs::critical, quizmessages::kNoCategoryTitle,
                     quizmessages::kNoCategoryText);
  return quizmessages::kNoCategory;
}

void Form1::chooseCategory() {
  quizCategory = chooseCategoryCode(tickedCategories(*this), *platform_.random);
}

void Form1::nextAutoQuestion() {
  Label8(0)->setText(questionNumberCaption(questionNumber));
  Text1->clear();
  enableTypedAnswer();
  if (不正解分->isChecked()) {
    askStoredQuestion(QuestionPace::autoStep);
  } else if (checkCategorySelected() != quizmessages::kNoCategory) {
    chooseCategory();
    // A count that is not a number counts as 0, so the run ends after this question.
    if (askRandomQuestion(QuestionPace::autoStep)) {
      questionCountText = questionCountText.number() - 1;
    }
  }
  questionNumber = questionNumber.number() + 1;

  const bool listUsedUp = 不正解分->isChecked() && missCount(missList) == 0;
  if (listUsedUp || questionCountText.number() <= 0) {
    Timer1.setEnabled(false);
    resetQuizDisplay();
  }
}

void Form1::Timer1_Timer() {
  recordUnansweredQuestion();
  nextAutoQuestion();
}

}  // namespace lumora
