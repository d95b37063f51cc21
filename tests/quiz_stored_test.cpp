#include <gtest/gtest.h>

#include "quiz/StoredQuestions.h"
#include "support/FormHarness.h"
#include "support/QuizSupport.h"

namespace lumora {
namespace {

TextTable hardTable() { return testing::tableOf(51, 6, testing::defaultHardSoundRecords()); }

std::optional<Question> replay(const QStringList& entry,
                               StoredSoundName name = StoredSoundName::asRecorded) {
  const TextTable list = testing::tableOf(10001, 6, {{"1"}, entry});
  return storedQuestion(list, 1, hardTable(), name);
}

struct TypedEntryCase {
  const char* name;
  QStringList entry;
  std::int16_t answerCount;
  std::int16_t first;
  std::int16_t second;
  std::int16_t minuteRow;
};

class StoredTypedTest : public ::testing::TestWithParam<TypedEntryCase> {};

TEST_P(StoredTypedTest, AsksTheEntryAsRecorded) {
  const TypedEntryCase& c = GetParam();
  const Question q = *replay(c.entry);
  EXPECT_EQ(q.category, c.entry[5].toShort());
  EXPECT_EQ(q.answerCount, c.answerCount);
  EXPECT_EQ(q.soundKind, c.answerCount);
  EXPECT_EQ(q.firstValue, c.first);
  EXPECT_EQ(q.secondValue, c.second);
  EXPECT_EQ(q.fileA, c.entry[1]);
  EXPECT_EQ(q.fileB, c.entry[2]);
  EXPECT_EQ(q.minuteRow, c.minuteRow);
  EXPECT_FALSE(q.answeredWithButtons());
}

INSTANTIATE_TEST_SUITE_P(
    Entries, StoredTypedTest,
    ::testing::Values(
        TypedEntryCase{
            "monthAndDay", {"2", "月M03_01.wav", "日D09_00.wav", "3", "9", "5"}, 2, 3, 9, 1},
        TypedEntryCase{"number", {"1", "漢数詞007_00.wav", "old", "7", "", "1"}, 1, 7, 0, 1},
        TypedEntryCase{
            "halfPast", {"2", "時05時_01.wav", "分30半_00.wav", "5", "30", "8"}, 2, 5, 30, 16},
        TypedEntryCase{
            "plainMinute", {"2", "時05時_01.wav", "分30_00.wav", "5", "30", "8"}, 2, 5, 30, 1},
        TypedEntryCase{"halfSignOutsideClockTimes",
                       {"2", "月M03_01.wav", "分30半_00.wav", "3", "9", "5"},
                       2,
                       3,
                       9,
                       1},
        TypedEntryCase{"shortSecondName", {"1", "時05時_01.wav", "分", "5", "0", "8"}, 1, 5, 0, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StoredWeekday, RestoresTheOptionsInTheirPlaces) {
  const Question q = *replay({"4", "水曜4_00.wav", "2", "4", "7", "6"});
  EXPECT_EQ(q.category, 6);
  EXPECT_EQ(*q.choiceValues, (std::array<std::int16_t, 4>{4, 2, 4, 7}));
  EXPECT_EQ(q.answerCount, 1);
  EXPECT_EQ(q.firstValue, 4);
  EXPECT_EQ(q.soundKind, 1);
  EXPECT_EQ(q.fileA, "水曜4_00.wav");
  EXPECT_EQ(*q.captions, (std::array<QString, 3>{"月曜", "水曜", "土曜"}));
}

TEST(StoredHardSound, StartButtonPlaysTheStoredNameAutoStepTheTablesName) {
  const QStringList entry = {"1", "難聴音stored_00.wav", "", "2", "", "7"};
  for (const auto& [name, file] :
       {std::pair{StoredSoundName::asRecorded, QStringLiteral("難聴音stored_00.wav")},
        std::pair{StoredSoundName::fromTable, QStringLiteral("難聴音ta_00.wav")}}) {
    const Question q = *replay(entry, name);
    EXPECT_EQ(q.fileA, file);
    EXPECT_EQ(q.category, 7);
    EXPECT_EQ(q.firstValue, 1);
    EXPECT_EQ(q.soundKind, 3);
    EXPECT_EQ(q.hardSoundRow, 2);
    EXPECT_EQ(*q.pictures, (std::array<QString, 3>{"da.JPG", "ta.JPG", "tta.JPG"}));
  }
}

struct UnaskableCase {
  const char* name;
  QStringList entry;
  StoredSoundName soundName;
};

class UnaskableTest : public ::testing::TestWithParam<UnaskableCase> {};

TEST_P(UnaskableTest, IsNotAsked) {
  EXPECT_FALSE(replay(GetParam().entry, GetParam().soundName).has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Entries, UnaskableTest,
    ::testing::Values(
        UnaskableCase{
            "categoryZero", {"1", "a.wav", "", "1", "", "0"}, StoredSoundName::asRecorded},
        UnaskableCase{"categoryTen", {"1", "a.wav", "", "1", "", "10"}, StoredSoundName::fromTable},
        UnaskableCase{
            "categoryMissing", {"1", "a.wav", "", "1", "", ""}, StoredSoundName::asRecorded},
        UnaskableCase{"hardRowZero", {"1", "a.wav", "", "0", "", "7"}, StoredSoundName::asRecorded},
        UnaskableCase{
            "hardRowBeyondTable", {"1", "a.wav", "", "51", "", "7"}, StoredSoundName::asRecorded},
        UnaskableCase{
            "hardRowNegative", {"1", "a.wav", "", "-1", "", "7"}, StoredSoundName::fromTable},
        UnaskableCase{"hardButtonBeyondRowWhenNamedFromTable",
                      {"3", "a.wav", "", "1", "", "7"},
                      StoredSoundName::fromTable},
        UnaskableCase{"hardButtonNegativeWhenNamedFromTable",
                      {"-1", "a.wav", "", "1", "", "7"},
                      StoredSoundName::fromTable}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StoredHardSound, ButtonOutsideTheRowIsStillAskedByItsStoredName) {
  const std::optional<Question> q = replay({"3", "a.wav", "", "1", "", "7"});
  ASSERT_TRUE(q.has_value());
  EXPECT_EQ(q->fileA, "a.wav");
}

}  // namespace
}  // namespace lumora
