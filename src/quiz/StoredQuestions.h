#pragma once

#include <optional>

#include "data/TextTable.h"
#include "quiz/Question.h"

// Entries of the incorrect-answer list asked again exactly as they were recorded.
namespace lumora {

// How a stored hard-to-hear entry names its recording: the start button plays the file
// name kept in the entry, a step of an auto run builds it again from the table.
enum class StoredSoundName { asRecorded, fromTable };

// Entry `entry` of the list as it is asked again; nullopt when it cannot be asked: its
// category is not 1..9, or a hard-to-hear entry points outside the hard-to-hear table.
std::optional<Question> storedQuestion(const TextTable& missList, int entry,
                                       const TextTable& hardSoundTable, StoredSoundName soundName);

}  // namespace lumora
