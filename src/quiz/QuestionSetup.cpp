#include "app/Form1.h"
#include "data/MissList.h"
#include "data/Numbers.h"
#include "quiz/NoRepeat.h"
#include "quiz/QuestionDraws.h"
#include "quiz/QuizMessages.h"
#include "quiz/StoredQuestions.h"

// Posing one question, freshly drawn or taken from the incorrect-answer list, for the start
// button and for the steps of an auto run alike.
namespace lumora {
namespace {

// What the start button clears or hides before it poses a question; an auto step keeps the
// question number and the last result on screen.
enum class DisplayStep { none, hideQuestionNumber, clearTypedFields };

void showOptions(Form1& form, const Question& question) {
  if (question.captions) {
    const auto& captions = *question.captions;
    form.showChoiceCaptions(captions[0], captions[1], captions[2]);
  }
  if (question.pictures) {
    const auto& pictures = *question.pictures;
    form.showChoicePictures(pictures[0], pictures[1], pictures[2]);
  }
}

void presentQuestion(Form1& form, const Question& question, DisplayStep step) {
  if (question.answeredWithButtons()) {
    form.clearAnswerButtons();
    form.enableButtonAnswer();
  }
  if (step == DisplayStep::clearTypedFields) form.clearTypedAnswerFields();
  if (step == DisplayStep::hideQuestionNumber) form.Label8(0)->hide();

  if (question.choiceValues) form.choiceValues = *question.choiceValues;
  form.currentAnswer[0] = question.answerCount;
  form.currentAnswer[1] = question.firstValue;
  if (question.secondValue) form.currentAnswer[2] = *question.secondValue;
  if (question.minuteRow) form.minuteRow = *question.minuteRow;
  if (question.hardSoundRow) form.hardSoundRow = *question.hardSoundRow;
  showOptions(form, question);

  form.soundKind = question.soundKind;
  form.soundFileA = question.fileA;
  if (question.fileB) form.soundFileB = *question.fileB;
  form.notePosedQuestion();
  form.playQuestionSound(form.soundKind, form.soundFileA, form.soundFileB);
  form.replaySoundKind = form.soundKind;
  form.replaySoundFileA = form.soundFileA;
  form.replaySoundFileB = form.soundFileB;
  // The focus waits where the answer is given.
  if (form.Text1->isEnabled()) {
    form.Text1->setFocus();
  } else {
    form.Command4(0)->setFocus();
  }
}

}  // namespace

void Form1::clearTypedAnswerFields() {
  Label8(0)->hide();
  Label5(0)->clear();
  Label5(1)->clear();
  Label5(1)->setAccessibleDescription(QString());
  Text1->clear();
}

bool Form1::askRandomQuestion(QuestionPace pace) {
  if (!category::isKnown(quizCategory)) return false;
  const auto draw = [this]() -> std::optional<Question> {
    switch (quizCategory) {
      case category::kWeekday:
        drawWeekdayChoices();
        return weekdayQuestion(choiceValues);
      case category::kHardSound:
        return drawHardSoundQuestion(*platform_.random, hardSoundTable);
      default:
        return drawTypedQuestion(quizCategory, *platform_.random, splitSoundTable);
    }
  };
  const bool autoStep = pace == QuestionPace::autoStep;
  const std::optional<Question> question = autoStep ? drawUnlike(lastDrawnValue, draw) : draw();
  if (!question) {
    stopRunWithMessage(&Dialogs::warning, kApplicationTitle, quizmessages::kNoHardSoundRow);
    return false;
  }
  DisplayStep step = DisplayStep::none;
  if (autoStep) {
    lastDrawnValue = question->key;
  } else {
    step = question->answeredWithButtons() ? DisplayStep::hideQuestionNumber
                                           : DisplayStep::clearTypedFields;
  }
  presentQuestion(*this, *question, step);
  return true;
}

bool Form1::askStoredQuestion(QuestionPace pace) {
  const int entries = missCount(missList);
  if (entries == 0) return false;
  const int entry = drawOneTo(*platform_.random, entries);
  quizCategory = wholeNumber(missList(entry, 5));
  const bool autoStep = pace == QuestionPace::autoStep;
  const std::optional<Question> question =
      storedQuestion(missList, entry, hardSoundTable,
                     autoStep ? StoredSoundName::fromTable : StoredSoundName::asRecorded);
  if (!question) return false;
  const bool hideNumber = !autoStep && question->category == category::kWeekday;
  presentQuestion(*this, *question,
                  hideNumber ? DisplayStep::hideQuestionNumber : DisplayStep::none);
  return true;
}

}  // namespace lumora
