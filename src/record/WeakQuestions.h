#pragma once

#include <vector>

#include "record/RecordReading.h"

// 苦手: the questions the learner still gets wrong. A question is told by its category and
// its recordings. Over its last kRecentAttempts answers (an answer the timer cut off counts
// as wrong), a question answered at least kLeastAttempts times and wrong at least half of
// those times is weak. The weakest come first (the largest share wrong, then the most
// answers, then the most recently answered), at most kMostWeakQuestions of them.
namespace lumora {

inline constexpr int kRecentAttempts = 10;
inline constexpr int kLeastAttempts = 3;
inline constexpr int kMostWeakQuestions = 10;

// From every answer, newest first: the weak questions' wrong-answer list entries, as last
// asked.
std::vector<MissQuestion> weakestQuestions(const std::vector<Attempt>& newestFirst);

}  // namespace lumora
