#include <gtest/gtest.h>

#include <array>

#include "data/MissList.h"
#include "support/AnswerSupport.h"

namespace lumora {
namespace {

using testing::rowOf;
using Row = QStringList;

TEST(MissCount, IsTheLeadingNumberOfTheFirstCellWithinTheCapacity) {
  const std::array<std::pair<QString, int>, 8> cases = {{
      {"", 0},
      {"0", 0},
      {"3", 3},
      {" 7", 7},
      {"2.5", 2},
      {"abc", 0},
      {"-2", 0},
      {"20000", kMissCapacity},
  }};
  for (const auto& [cell, count] : cases) {
    TextTable list(10001, 6);
    list(0, 0) = cell;
    EXPECT_EQ(missCount(list), count) << cell.toStdString();
  }
}

// Row 1 holds cells of an earlier, removed entry before each append.
struct AppendCase {
  const char* name;
  MissQuestion question;
  Row row;
  friend void PrintTo(const AppendCase& c, std::ostream* os) { *os << c.name; }
};

class AppendEntry : public ::testing::TestWithParam<AppendCase> {};

TEST_P(AppendEntry, FillsTheCellsOfItsCategory) {
  TextTable list(10001, 6);
  for (int column = 0; column < 6; ++column) list(1, column) = QString("old%1").arg(column);
  ASSERT_EQ(appendMiss(list, GetParam().question), AppendResult::Appended);
  EXPECT_EQ(list(0, 0), "1");
  EXPECT_EQ(rowOf(list, 1), GetParam().row);
}

INSTANTIATE_TEST_SUITE_P(
    ByCategory, AppendEntry,
    ::testing::Values(AppendCase{"numberKeepsOldSecondFile",
                                 {1, 1, "漢数詞025_00.wav", "", {1, 25, 9}, {}, 0},
                                 {"1", "漢数詞025_00.wav", "old2", "25", "9", "1"}},
                      AppendCase{"monthAndDay",
                                 {5, 2, "月M03_01.wav", "日D09_00.wav", {2, 3, 9}, {}, 0},
                                 {"2", "月M03_01.wav", "日D09_00.wav", "3", "9", "5"}},
                      AppendCase{"clockTimeWithMinute",
                                 {8, 2, "時05時_01.wav", "分30半_00.wav", {2, 5, 30}, {}, 0},
                                 {"2", "時05時_01.wav", "分30半_00.wav", "5", "30", "8"}},
                      AppendCase{"clockTimeOnTheHour",
                                 {8, 1, "時05時_01.wav", "分00_00.wav", {1, 5, 0}, {}, 0},
                                 {"1", "時05時_01.wav", "old2", "5", "0", "8"}},
                      AppendCase{"ordinalWithNegativeSecondValue",
                                 {9, 1, "番目010_01.wav", "", {1, 10, -1}, {}, 0},
                                 {"1", "番目010_01.wav", "old2", "10", "-1", "9"}},
                      AppendCase{"weekdayStoresTheChoices",
                                 {6, 1, "水曜4_00.wav", "", {1, 4, 0}, {4, 2, 4, 7}, 0},
                                 {"4", "水曜4_00.wav", "2", "4", "7", "6"}},
                      AppendCase{"hardSoundStoresTheRow",
                                 {7, 2, "難聴音kka_00.wav", "", {1, 2, 0}, {}, 3},
                                 {"2", "難聴音kka_00.wav", "", "3", "", "7"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AppendEntry, NothingHappensOutsideTheNineCategories) {
  for (std::int16_t category : {0, 10, -1}) {
    TextTable list(10001, 6);
    const TextTable before = list;
    EXPECT_EQ(appendMiss(list, {category, 1, "a.wav", "", {1, 1, 0}, {}, 0}),
              AppendResult::NoCategory);
    EXPECT_EQ(list, before);
  }
}

TEST(AppendEntry, ARepeatedMissIsAppendedAgainInAnswerOrder) {
  TextTable list(10001, 6);
  const MissQuestion question{1, 1, "漢数詞007_00.wav", "", {1, 7, 0}, {}, 0};
  appendMiss(list, question);
  appendMiss(list, {2, 1, "固有数詞003_00.wav", "", {1, 3, 0}, {}, 0});
  appendMiss(list, question);
  EXPECT_EQ(list(0, 0), "3");
  EXPECT_EQ(list(1, 1), "漢数詞007_00.wav");
  EXPECT_EQ(list(2, 1), "固有数詞003_00.wav");
  EXPECT_EQ(list(3, 1), "漢数詞007_00.wav");
}

TEST(AppendEntry, TheLastFreeRowIsUsedAndAFullListLosesNothing) {
  TextTable list(10001, 6);
  list(0, 0) = "9999";
  const MissQuestion question{3, 1, "月M12_01.wav", "", {1, 12, 0}, {}, 0};
  ASSERT_EQ(appendMiss(list, question), AppendResult::Appended);
  EXPECT_EQ(list(0, 0), "10000");
  EXPECT_EQ(list(10000, 1), "月M12_01.wav");
  const TextTable full = list;
  EXPECT_EQ(appendMiss(list, question), AppendResult::Full);
  EXPECT_EQ(list, full);
}

// A list of the given entries, count set; each entry is {column 0, 1, 2, 5}.
TextTable listOf(const QList<Row>& entries) {
  TextTable list(10001, 6);
  for (int i = 0; i < entries.size(); ++i) {
    const Row& e = entries[i];
    list(i + 1, 0) = e[0];
    list(i + 1, 1) = e[1];
    list(i + 1, 2) = e[2];
    list(i + 1, 5) = e[3];
  }
  list(0, 0) = QString::number(entries.size());
  return list;
}

struct RemoveCase {
  const char* name;
  QList<Row> entries;
  QString fileA;
  QString fileB;
  int removedRow;  // 0: none
  friend void PrintTo(const RemoveCase& c, std::ostream* os) { *os << c.name; }
};

class RemoveEntry : public ::testing::TestWithParam<RemoveCase> {};

TEST_P(RemoveEntry, RemovesTheOldestMatchingEntryOnly) {
  const RemoveCase& c = GetParam();
  TextTable list = listOf(c.entries);
  const TextTable before = list;
  EXPECT_EQ(removeMiss(list, c.fileA, c.fileB), c.removedRow != 0);
  if (c.removedRow == 0) {
    EXPECT_EQ(list, before);
    return;
  }
  const int n = static_cast<int>(c.entries.size());
  EXPECT_EQ(list(0, 0), QString::number(n - 1));
  for (int row = 1; row < n; ++row) {
    EXPECT_EQ(rowOf(list, row), rowOf(before, row < c.removedRow ? row : row + 1)) << row;
  }
  EXPECT_EQ(rowOf(list, n), rowOf(before, n)) << "row n keeps its cells";
}

INSTANTIATE_TEST_SUITE_P(
    ByKind, RemoveEntry,
    ::testing::Values(
        RemoveCase{
            "kindOneIgnoresSecondFile", {{"1", "a.wav", "x.wav", "1"}}, "a.wav", "other.wav", 1},
        RemoveCase{"oldestOfTwoMatching",
                   {{"1", "b.wav", "", "2"}, {"1", "a.wav", "", "1"}, {"1", "a.wav", "", "1"}},
                   "a.wav",
                   "",
                   2},
        RemoveCase{"kindTwoNeedsBothFiles",
                   {{"2", "m.wav", "d1.wav", "5"}, {"2", "m.wav", "d2.wav", "5"}},
                   "m.wav",
                   "d2.wav",
                   2},
        RemoveCase{"kindTwoWithOtherSecondFileStays",
                   {{"2", "m.wav", "d1.wav", "5"}},
                   "m.wav",
                   "d3.wav",
                   0},
        RemoveCase{"weekdayByFirstFileWhateverItsRightWeekday",
                   {{"4", "水曜4_00.wav", "2", "6"}},
                   "水曜4_00.wav",
                   "",
                   1},
        RemoveCase{"hardSoundWithButtonZero",
                   {{"0", "難聴音ga_00.wav", "", "7"}},
                   "難聴音ga_00.wav",
                   "",
                   1},
        RemoveCase{"fileNamesAreCaseSensitive", {{"1", "a.wav", "", "1"}}, "A.wav", "", 0},
        RemoveCase{"otherKindOfTypedEntryStays", {{"3", "a.wav", "", "1"}}, "a.wav", "", 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RemoveEntry, RowsBeyondTheCountAreNotInTheList) {
  TextTable list = listOf({{"1", "a.wav", "", "1"}, {"1", "b.wav", "", "1"}});
  list(0, 0) = "1";
  const TextTable before = list;
  EXPECT_FALSE(removeMiss(list, "b.wav", ""));
  EXPECT_EQ(list, before);
}

TEST(RemoveEntry, AnAppendAfterARemovalReusesTheFreedRow) {
  TextTable list = listOf({{"2", "m.wav", "d.wav", "5"}, {"1", "a.wav", "", "1"}});
  ASSERT_TRUE(removeMiss(list, "m.wav", "d.wav"));
  appendMiss(list, {1, 1, "n.wav", "", {1, 4, 0}, {}, 0});
  EXPECT_EQ(list(0, 0), "2");
  EXPECT_EQ(rowOf(list, 2), (Row{"1", "n.wav", "", "4", "0", "1"}));
}

TEST(MissFileRecords, AnEmptyListWritesOnlyTheCountRecord) {
  TextTable list(10001, 6);
  list(0, 1) = "題";
  list(1, 1) = "a.wav";
  EXPECT_EQ(missFileRecords(list), (QList<Row>{{"0", "", "", "", "", ""}}));
  list(0, 0) = "0";
  EXPECT_EQ(missFileRecords(list), (QList<Row>{{"0", "", "", "", "", ""}}));
}

TEST(MissFileRecords, ACountOfNWritesRowsZeroToNAsTheyAre) {
  TextTable list = listOf({{"1", "a.wav", "", "1"}, {"2", "m.wav", "d.wav", "5"}});
  list(0, 3) = "free text";
  list(3, 1) = "outside.wav";
  const QList<Row> records = missFileRecords(list);
  ASSERT_EQ(records.size(), 3);
  EXPECT_EQ(records[0], (Row{"2", "", "", "free text", "", ""}));
  EXPECT_EQ(records[1], (Row{"1", "a.wav", "", "", "", "1"}));
  EXPECT_EQ(records[2], (Row{"2", "m.wav", "d.wav", "", "", "5"}));
}

}  // namespace
}  // namespace lumora
