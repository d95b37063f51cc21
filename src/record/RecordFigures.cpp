#include "record/RecordFigures.h"

#include <QStringList>
#include <algorithm>
#include <map>

namespace lumora {
namespace {

struct Accumulator {
  Tally tally;
  std::vector<std::int64_t> milliseconds;

  void add(const AnswerRow& row) {
    switch (row.outcome) {
      case Outcome::right:
        ++tally.right;
        break;
      case Outcome::wrong:
        ++tally.wrong;
        break;
      case Outcome::unanswered:
        ++tally.unanswered;
        return;
    }
    milliseconds.push_back(row.milliseconds);
  }

  Tally finished() {
    Tally result = tally;
    if (milliseconds.empty()) return result;
    const std::size_t half = milliseconds.size() / 2;
    std::nth_element(milliseconds.begin(), milliseconds.begin() + half, milliseconds.end());
    double median = milliseconds[half];
    if (milliseconds.size() % 2 == 0) {
      median = (median + *std::max_element(milliseconds.begin(), milliseconds.begin() + half)) / 2;
    }
    result.medianSeconds = median / 1000.0;
    return result;
  }
};

int indexOf(const std::array<QString, 3>& options, const QString& option) {
  const auto found = std::find(options.begin(), options.end(), option);
  return found == options.end() ? -1 : static_cast<int>(found - options.begin());
}

}  // namespace

QString categoryName(int code) {
  static const std::array<QString, 9> names = {
      QStringLiteral("漢数字"), QStringLiteral("固有数詞"), QStringLiteral("月"),
      QStringLiteral("日"),     QStringLiteral("月日"),     QStringLiteral("曜日"),
      QStringLiteral("難聴音"), QStringLiteral("時間"),     QStringLiteral("番目")};
  return code >= 1 && code <= 9 ? names[code - 1] : QString::number(code);
}

std::optional<int> Tally::accuracyPercent() const {
  if (answered() == 0) return std::nullopt;
  return 100 * right / answered();
}

Tally tallyOf(const std::vector<AnswerRow>& rows) {
  Accumulator all;
  for (const AnswerRow& row : rows) all.add(row);
  return all.finished();
}

std::vector<DayTally> dayTallies(const std::vector<AnswerRow>& rows, int category) {
  std::map<QDate, Accumulator> days;
  for (const AnswerRow& row : rows) {
    if (category == 0 || row.category == category) days[row.day].add(row);
  }
  std::vector<DayTally> tallies;
  for (auto& [day, accumulator] : days) tallies.push_back({day, accumulator.finished()});
  return tallies;
}

std::vector<CategoryTally> categoryTallies(const std::vector<AnswerRow>& rows) {
  std::map<std::int16_t, Accumulator> categories;
  for (const AnswerRow& row : rows) categories[row.category].add(row);
  std::vector<CategoryTally> tallies;
  for (auto& [code, accumulator] : categories) tallies.push_back({code, accumulator.finished()});
  return tallies;
}

int ConfusionTable::playedTimes(int played) const {
  const auto& row = counts[played];
  return row[0] + row[1] + row[2];
}

QString ConfusionTable::label() const {
  return QStringList{options[0], options[1], options[2]}.join(QStringLiteral("・"));
}

std::vector<ConfusionTable> confusionTables(const std::vector<ConfusionCount>& counts) {
  std::vector<ConfusionTable> tables;
  for (const ConfusionCount& count : counts) {
    auto table = std::find_if(tables.begin(), tables.end(),
                              [&](const ConfusionTable& t) { return t.options == count.options; });
    if (table == tables.end()) table = tables.insert(tables.end(), {count.options, {}});
    const int played = indexOf(count.options, count.asked);
    const int chosen = indexOf(count.options, count.given);
    if (played >= 0 && chosen >= 0) table->counts[played][chosen] += count.count;
  }
  const auto answers = [](const ConfusionTable& t) {
    return t.playedTimes(0) + t.playedTimes(1) + t.playedTimes(2);
  };
  std::stable_sort(tables.begin(), tables.end(),
                   [&](const auto& a, const auto& b) { return answers(a) > answers(b); });
  return tables;
}

QString Mishearing::text() const {
  return QStringLiteral("%1 → %2（%3回）").arg(rightAnswer, mostGiven).arg(timesGiven);
}

std::vector<Mishearing> commonMishearings(const std::vector<MishearingCount>& counts,
                                          std::size_t limit) {
  std::vector<Mishearing> items;
  std::map<std::pair<int, QString>, std::size_t> itemOf;
  for (const MishearingCount& count : counts) {
    const auto [at, added] = itemOf.try_emplace({count.category, count.rightAnswer}, items.size());
    if (added) items.push_back({count.category, count.rightAnswer, {}, 0, 0});
    Mishearing* item = &items[at->second];
    item->wrongTimes += count.count;
    if (count.count > item->timesGiven) {
      item->mostGiven = count.given;
      item->timesGiven = count.count;
    }
  }
  std::stable_sort(items.begin(), items.end(), [](const Mishearing& a, const Mishearing& b) {
    return a.wrongTimes > b.wrongTimes;
  });
  if (items.size() > limit) items.resize(limit);
  return items;
}

}  // namespace lumora
