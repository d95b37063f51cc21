#include "data/MissList.h"

#include <algorithm>
#include <optional>

#include "data/Category.h"
#include "data/Numbers.h"

namespace lumora {
namespace {

QString text(int number) { return QString::number(number); }

// The cells an entry writes; a cell without a value keeps what the row held before.
using EntryCells = std::array<std::optional<QString>, 6>;

EntryCells entryCells(const MissQuestion& q) {
  switch (q.category) {
    case category::kWeekday:
      return {text(q.choices[0]), q.fileA,
              text(q.choices[1]), text(q.choices[2]),
              text(q.choices[3]), text(category::kWeekday)};
    case category::kHardSound:
      return {text(q.kind),         q.fileA,   QString(),
              text(q.hardSoundRow), QString(), text(category::kHardSound)};
    default:
      return {text(q.kind),
              q.fileA,
              q.kind == 2 ? std::optional<QString>(q.fileB) : std::nullopt,
              text(q.answer[1]),
              text(q.answer[2]),
              text(q.category)};
  }
}

bool matches(const TextTable& list, int row, const QString& fileA, const QString& fileB) {
  if (list(row, 1) != fileA) return false;
  const int kind = wholeNumber(list(row, 0));
  const int code = wholeNumber(list(row, 5));
  return kind == 1 || (kind == 2 && list(row, 2) == fileB) || code == category::kWeekday ||
         code == category::kHardSound;
}

}  // namespace

int missCount(const TextTable& list) {
  return std::clamp<int>(wholeNumber(list(0, 0)), 0, kMissCapacity);
}

AppendResult appendMiss(TextTable& list, const MissQuestion& question) {
  if (!category::isKnown(question.category)) return AppendResult::NoCategory;
  const int count = missCount(list);
  if (count >= kMissCapacity) return AppendResult::Full;
  const int row = count + 1;
  const EntryCells cells = entryCells(question);
  for (int column = 0; column < 6; ++column) {
    if (cells[column]) list(row, column) = *cells[column];
  }
  list(0, 0) = text(row);
  return AppendResult::Appended;
}

bool removeMiss(TextTable& list, const QString& fileA, const QString& fileB) {
  const int count = missCount(list);
  for (int row = 1; row <= count; ++row) {
    if (!matches(list, row, fileA, fileB)) continue;
    for (int k = row; k < count; ++k) {
      for (int column = 0; column < 6; ++column) list(k, column) = list(k + 1, column);
    }
    list(0, 0) = text(count - 1);
    return true;
  }
  return false;
}

QList<QStringList> missFileRecords(const TextTable& list) {
  const int count = missCount(list);
  if (count == 0) return {{QStringLiteral("0"), {}, {}, {}, {}, {}}};
  QList<QStringList> records;
  for (int row = 0; row <= count; ++row) {
    QStringList record;
    for (int column = 0; column < list.columnCount(); ++column) record << list(row, column);
    records << record;
  }
  return records;
}

}  // namespace lumora
