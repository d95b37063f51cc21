#include "answer/Feedback.h"

#include "answer/AnswerText.h"
#include "answer/Colours.h"

namespace lumora {

void showVerdict(Form1& form, QLabel* mark, bool right, const QString& wrongMark) {
  mark->setText(right ? kRightMark : wrongMark);
  colours::setBackColour(mark, right ? colours::kGreen : colours::kRed);
  form.answerKeys().verdictShown();
  if (right) {
    form.playCorrectBuzzer();
  } else {
    form.playWrongBuzzer();
  }
}

}  // namespace lumora
