#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

#include "data/TextTable.h"

// Where things stand in the two sound tables, and the file names their cells give.
namespace lumora {

// Hard-to-hear rows: flag columns 0..2, then the syllables of buttons 0..2 in columns 3..5.
constexpr int kFirstSyllableColumn = 3;

// The row of the minute table that asks the half hour.
constexpr std::int16_t kHalfHourMinuteRow = 16;

// The recording of the syllable on `button` (0..2) of a hard-to-hear table row; nothing
// when row or button lie outside the table.
std::optional<QString> hardSoundRecording(const TextTable& hardSoundTable, int row, int button);

// The pictures of the row's three syllables, for buttons 0, 1 and 2.
std::array<QString, 3> hardSoundPictures(const TextTable& hardSoundTable, int row);

}  // namespace lumora
