#include "quiz/NoRepeat.h"

namespace lumora {

std::optional<Question> drawUnlike(std::int16_t previousKey,
                                   const std::function<std::optional<Question>()>& draw,
                                   int maxAttempts) {
  std::optional<Question> question = draw();
  for (int attempt = 1; question && question->key == previousKey && attempt < maxAttempts;
       ++attempt) {
    question = draw();
  }
  return question;
}

}  // namespace lumora
