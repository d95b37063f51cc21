#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "quiz/Question.h"

namespace lumora {

// Enough attempts to find another key whenever the categories and tables offer one.
constexpr int kMaxNoRepeatAttempts = 1000;

// Draws questions until one's key differs from `previousKey`. Tables can make every
// question share that key, so after `maxAttempts` draws the last one is taken as it is.
// nullopt as soon as a draw yields no question.
std::optional<Question> drawUnlike(std::int16_t previousKey,
                                   const std::function<std::optional<Question>()>& draw,
                                   int maxAttempts = kMaxNoRepeatAttempts);

}  // namespace lumora
