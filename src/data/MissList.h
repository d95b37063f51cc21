#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

#include "data/TableShapes.h"

// The incorrect-answer list: row 0, column 0 holds the entry count n, rows 1..n the
// entries, oldest first, six text cells each.
namespace lumora {

constexpr int kMissCapacity = kMissListShape.rows - 1;

// The operations of updateMissList.
constexpr int kRememberMiss = 1;
constexpr int kForgetMiss = 2;

// The entry count of the list, bounded to 0..kMissCapacity so that no count cell, however
// it was damaged, can lead a reader outside the table.
int missCount(const TextTable& list);

// What an entry records of the question on screen.
struct MissQuestion {
  std::int16_t category = 0;
  std::int16_t kind = 0;
  QString fileA;
  QString fileB;
  std::array<std::int16_t, 3> answer{};
  std::array<std::int16_t, 4> choices{};
  std::int16_t hardSoundRow = 0;
};

enum class AppendResult { Appended, NoCategory, Full };

// Appends the question as entry n + 1. Nothing changes for a category outside 1..9, or
// when the list already holds kMissCapacity entries.
AppendResult appendMiss(TextTable& list, const MissQuestion& question);

// Removes the oldest entry whose first file is `fileA` and that is a one-recording entry,
// a two-recording entry whose second file is `fileB`, or a button entry (weekday,
// hard-to-hear). Later entries move up by one. Returns false when no entry matched.
bool removeMiss(TextTable& list, const QString& fileA, const QString& fileB);

// The records a save writes: rows 0..n, or the count record of an empty list.
QList<QStringList> missFileRecords(const TextTable& list);

}  // namespace lumora
