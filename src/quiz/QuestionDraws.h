#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "data/RandomSource.h"
#include "data/TextTable.h"
#include "quiz/Question.h"

// Fresh questions of each category, drawn from the random source and the sound tables.
namespace lumora {

// The last day of a month; February has 29, since 29 February is asked too.
int lastDayOfMonth(int month);

// A question of a typed category (1, 2, 3, 4, 5, 8, 9); nullopt for any other code.
std::optional<Question> drawTypedQuestion(std::int16_t categoryCode, RandomSource& random,
                                          const TextTable& splitSoundTable);

// The weekday question whose options are choiceValues(1..3) and whose right weekday is
// choiceValues(0), as drawWeekdayChoices leaves them.
Question weekdayQuestion(const std::array<std::int16_t, 4>& choiceValues);

// Rows 1..N of the hard-to-hear table (N from row 0, limited to the rows the table has)
// that allow at least one of their syllables to be asked.
std::vector<int> usableHardSoundRows(const TextTable& hardSoundTable);

// A hard-to-hear question from a usable row and one of its allowed columns; nullopt when
// the table has no usable row.
std::optional<Question> drawHardSoundQuestion(RandomSource& random,
                                              const TextTable& hardSoundTable);

}  // namespace lumora
