#include "quiz/QuestionNumberCaption.h"

namespace lumora {

QString questionNumberCaption(const Variant& questionNumber) {
  return QStringLiteral("問題") + questionNumber.text() + QStringLiteral("問目");
}

}  // namespace lumora
