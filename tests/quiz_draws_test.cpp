#include <gtest/gtest.h>

#include <map>
#include <set>

#include "quiz/QuestionDraws.h"
#include "support/Fakes.h"
#include "support/FormHarness.h"
#include "support/QuizSupport.h"

namespace lumora {
namespace {

using testing::ScriptedRandom;

TextTable splitTable() { return testing::tableOf(17, 4, testing::defaultSplitSoundRecords()); }
TextTable hardTable() { return testing::tableOf(51, 6, testing::defaultHardSoundRecords()); }

struct TypedCase {
  const char* name;
  std::int16_t category;
  std::vector<double> draws;
  QString fileA;
  std::optional<QString> fileB;
  std::int16_t answerCount;
  std::int16_t firstValue;
  std::optional<std::int16_t> secondValue;
  std::int16_t soundKind;
  std::int16_t key;
  std::optional<std::int16_t> minuteRow;
};

class TypedDrawTest : public ::testing::TestWithParam<TypedCase> {};

TEST_P(TypedDrawTest, BuildsRecordingAnswerAndKey) {
  const TypedCase& c = GetParam();
  ScriptedRandom random;
  random.script.assign(c.draws.begin(), c.draws.end());
  const std::optional<Question> q = drawTypedQuestion(c.category, random, splitTable());
  ASSERT_TRUE(q.has_value());
  EXPECT_TRUE(random.script.empty()) << "every scripted draw is used";
  EXPECT_EQ(q->category, c.category);
  EXPECT_EQ(q->fileA, c.fileA);
  EXPECT_EQ(q->fileB, c.fileB);
  EXPECT_EQ(q->answerCount, c.answerCount);
  EXPECT_EQ(q->firstValue, c.firstValue);
  EXPECT_EQ(q->secondValue, c.secondValue);
  EXPECT_EQ(q->soundKind, c.soundKind);
  EXPECT_EQ(q->key, c.key);
  EXPECT_EQ(q->minuteRow, c.minuteRow);
  EXPECT_FALSE(q->answeredWithButtons());
}

double d(int value, int n) { return ScriptedRandom::forDraw(value, n); }
constexpr double kHighest = 0.99999994;  // the largest single-precision number below 1

INSTANTIATE_TEST_SUITE_P(
    EveryTypedCategory, TypedDrawTest,
    ::testing::Values(
        TypedCase{"sino7", 1, {d(7, 100)}, "漢数詞007_00.wav", {}, 1, 7, {}, 1, 7, {}},
        TypedCase{"sinoLowest", 1, {0.0}, "漢数詞001_00.wav", {}, 1, 1, {}, 1, 1, {}},
        TypedCase{"sinoHighest", 1, {kHighest}, "漢数詞100_00.wav", {}, 1, 100, {}, 1, 100, {}},
        TypedCase{"native42", 2, {d(42, 100)}, "固有数詞042_00.wav", {}, 1, 42, {}, 1, 42, {}},
        TypedCase{"month12", 3, {d(12, 12)}, "月M12_01.wav", {}, 1, 12, {}, 1, 12, {}},
        TypedCase{"day31", 4, {d(31, 31)}, "日D31_00.wav", {}, 1, 31, {}, 1, 31, {}},
        TypedCase{"monthAndDay",
                  5,
                  {d(3, 12), d(9, 31)},
                  "月M03_01.wav",
                  "日D09_00.wav",
                  2,
                  3,
                  9,
                  2,
                  9,
                  {}},
        TypedCase{"onTheHourHasOneRecording",
                  8,
                  {d(5, 12), d(1, 16)},
                  "時05時_01.wav",
                  "分00_00.wav",
                  1,
                  5,
                  0,
                  1,
                  1,
                  1},
        TypedCase{"hourAndMinute",
                  8,
                  {d(1, 12), d(2, 16)},
                  "時01時_01.wav",
                  "分01_00.wav",
                  2,
                  1,
                  1,
                  2,
                  2,
                  2},
        TypedCase{"halfPast",
                  8,
                  {d(12, 12), d(16, 16)},
                  "時12時_01.wav",
                  "分30半_00.wav",
                  2,
                  12,
                  30,
                  2,
                  16,
                  16},
        TypedCase{"ordinal10", 9, {d(10, 10)}, "番目010_01.wav", {}, 1, 10, {}, 1, 10, {}},
        TypedCase{"ordinal1", 9, {0.0}, "番目001_01.wav", {}, 1, 1, {}, 1, 1, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TypedDraw, ButtonAndUnknownCategoriesAreNotTyped) {
  ScriptedRandom random;
  for (std::int16_t code : {0, 6, 7, 10, -1}) {
    EXPECT_FALSE(drawTypedQuestion(code, random, splitTable()).has_value()) << code;
  }
}

TEST(TypedDraw, NumbersCoverOneToHundredAndNothingElse) {
  ScriptedRandom random;
  std::set<int> seen;
  for (int i = 0; i < 5000; ++i) seen.insert(drawTypedQuestion(1, random, splitTable())->key);
  EXPECT_EQ(seen.size(), 100u);
  EXPECT_EQ(*seen.begin(), 1);
  EXPECT_EQ(*seen.rbegin(), 100);
}

TEST(LastDayOfMonth, FebruaryAllowsTheTwentyNinth) {
  const std::array<int, 12> expected = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  for (int month = 1; month <= 12; ++month) {
    EXPECT_EQ(lastDayOfMonth(month), expected[month - 1]) << month;
  }
}

// Every month with every first day drawn: a day the month lacks is drawn again.
TEST(MonthAndDayDraw, RedrawsOnlyTheDayOfADateThatDoesNotExist) {
  for (int month = 1; month <= 12; ++month) {
    for (int day = 1; day <= 31; ++day) {
      ScriptedRandom random;
      random.script = {d(month, 12), d(day, 31), d(1, 31)};
      const Question q = *drawTypedQuestion(5, random, splitTable());
      const bool exists = day <= lastDayOfMonth(month);
      EXPECT_EQ(q.firstValue, month);
      EXPECT_EQ(*q.secondValue, exists ? day : 1) << month << "/" << day;
      EXPECT_EQ(random.script.size(), exists ? 1u : 0u);
    }
  }
}

TEST(MonthAndDayDraw, YieldsEveryExistingDateIncludingFebruaryTheTwentyNinth) {
  ScriptedRandom random;
  std::set<std::pair<int, int>> dates;
  for (int i = 0; i < 20000; ++i) {
    const Question q = *drawTypedQuestion(5, random, splitTable());
    ASSERT_LE(*q.secondValue, lastDayOfMonth(q.firstValue));
    dates.insert({q.firstValue, *q.secondValue});
  }
  EXPECT_EQ(dates.size(), 366u);
  EXPECT_TRUE(dates.count({2, 29}));
}

TEST(WeekdayQuestion, PlaysTheRightWeekdayAndCaptionsTheOptions) {
  const Question q = weekdayQuestion({4, 2, 4, 7});
  EXPECT_EQ(q.category, 6);
  EXPECT_EQ(q.answerCount, 1);
  EXPECT_EQ(q.firstValue, 4);
  EXPECT_EQ(q.key, 4);
  EXPECT_EQ(q.soundKind, 1);
  EXPECT_EQ(q.fileA, "水曜4_00.wav");
  EXPECT_FALSE(q.fileB.has_value());
  ASSERT_TRUE(q.captions.has_value());
  EXPECT_EQ(*q.captions, (std::array<QString, 3>{"月曜", "水曜", "土曜"}));
  EXPECT_FALSE(q.choiceValues.has_value()) << "the draw already left them in the window";
}

TEST(HardSoundDraw, RowWithOnlyTheMiddleFlagAlwaysPlaysColumnFourAndExpectsButtonOne) {
  for (double r : {0.0, 0.2, 0.5, 0.8, kHighest}) {
    ScriptedRandom random;
    random.script = {testing::indexDraw(1, 3), r};
    const Question q = *drawHardSoundQuestion(random, hardTable());
    EXPECT_EQ(q.hardSoundRow, 2);
    EXPECT_EQ(q.firstValue, 1) << r;
    EXPECT_EQ(q.key, 1);
    EXPECT_EQ(q.fileA, "難聴音ta_00.wav");
    EXPECT_EQ(q.soundKind, 3);
    EXPECT_EQ(*q.pictures, (std::array<QString, 3>{"da.JPG", "ta.JPG", "tta.JPG"}));
  }
}

TEST(HardSoundDraw, AllowsOnlyFlaggedColumnsEachEquallyOften) {
  ScriptedRandom random;
  std::map<int, int> columns;
  for (int i = 0; i < 2000; ++i) {
    random.script = {testing::indexDraw(2, 3)};
    ++columns[drawHardSoundQuestion(random, hardTable())->firstValue];
  }
  EXPECT_EQ(columns.count(1), 0u);
  EXPECT_NEAR(columns[0], 1000, 100);
  EXPECT_NEAR(columns[2], 1000, 100);
}

TEST(HardSoundDraw, FullyFlaggedRowUsesThePlainDraws) {
  ScriptedRandom random;
  random.script = {testing::indexDraw(0, 3), testing::indexDraw(2, 3)};
  const Question q = *drawHardSoundQuestion(random, hardTable());
  EXPECT_EQ(q.hardSoundRow, 1);
  EXPECT_EQ(q.firstValue, 2);
  EXPECT_EQ(q.fileA, "難聴音kka_00.wav");
}

struct RowsCase {
  const char* name;
  QList<QStringList> records;
  std::vector<int> usable;
};

class UsableRowsTest : public ::testing::TestWithParam<RowsCase> {};

TEST_P(UsableRowsTest, KeepsRowsInUseThatAllowASyllable) {
  const RowsCase& c = GetParam();
  const TextTable table = testing::tableOf(51, 6, c.records);
  EXPECT_EQ(usableHardSoundRows(table), c.usable);
  ScriptedRandom random;
  EXPECT_EQ(drawHardSoundQuestion(random, table).has_value(), !c.usable.empty());
}

const QStringList kRowAll = {"1", "1", "1", "a", "b", "c"};
const QStringList kRowNone = {"0", "0", "", "a", "b", "c"};
const QStringList kRowText = {"x", "0", "0.2", "a", "b", "c"};

INSTANTIATE_TEST_SUITE_P(
    Tables, UsableRowsTest,
    ::testing::Values(
        RowsCase{"countZero", {{"0"}, kRowAll}, {}}, RowsCase{"countEmpty", {{""}, kRowAll}, {}},
        RowsCase{"countNegative", {{"-3"}, kRowAll}, {}},
        RowsCase{"rowWithoutFlagSkipped", {{"3"}, kRowAll, kRowNone, kRowAll}, {1, 3}},
        RowsCase{"flagsThatAreNotNumbersCountAsZero", {{"1"}, kRowText}, {}},
        RowsCase{"everyRowWithoutFlag", {{"2"}, kRowNone, kRowNone}, {}},
        RowsCase{"countBeyondTheFileSkipsEmptyRows", {{"5"}, kRowAll, kRowAll}, {1, 2}},
        RowsCase{"countBeyondTheTableIsLimited", {{"99"}, kRowAll}, {1}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(HardSoundDraw, NeverDrawsARowOutsideTheUsableOnes) {
  const TextTable table = testing::tableOf(51, 6, {{"4"}, kRowNone, kRowAll, kRowNone, kRowAll});
  ScriptedRandom random;
  std::set<int> rows;
  for (int i = 0; i < 500; ++i) rows.insert(*drawHardSoundQuestion(random, table)->hardSoundRow);
  EXPECT_EQ(rows, (std::set<int>{2, 4}));
}

}  // namespace
}  // namespace lumora
