#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

#include "data/TableShapes.h"
#include "data/TextTable.h"

// Where things stand in the two sound tables, and the file names their cells give.
namespace lumora {

// Hard-to-hear rows: flag columns 0..2, then the syllables of buttons 0..2 in columns 3..5.
constexpr int kFirstSyllableColumn = 3;

// The most hard-to-hear rows a table can put in use: every row below the count row.
constexpr int kMaxHardSoundRows = kHardSoundShape.rows - 1;

// N of the hard-to-hear table (row 0, column 0), limited to the rows the table has: rows
// 1..N are in use.
int hardSoundRowsInUse(const TextTable& hardSoundTable);

// Minute rows: 1..kMinuteRows below a title row, the half hour last.
constexpr int kMinuteRows = kSplitSoundShape.rows - 1;
constexpr std::int16_t kHalfHourMinuteRow = kMinuteRows;

// The half hour's name part (column 3) is told by 「半」 as its third character ("30半").
constexpr QChar kHalfHourMark = u'半';
bool isHalfHourNamePart(QStringView namePart);

// Whether a minute recording, named by names::minute, is that of the half hour.
bool isHalfHourMinute(QStringView minuteFile);

// The recording of the syllable on `button` (0..2) of a hard-to-hear table row; nothing
// when row or button lie outside the table.
std::optional<QString> hardSoundRecording(const TextTable& hardSoundTable, int row, int button);

// The pictures of the row's three syllables, for buttons 0, 1 and 2.
std::array<QString, 3> hardSoundPictures(const TextTable& hardSoundTable, int row);

}  // namespace lumora
