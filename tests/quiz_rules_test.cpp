#include <gtest/gtest.h>

#include <map>

#include "quiz/CategoryBands.h"
#include "quiz/NoRepeat.h"
#include "quiz/QuestionNumberCaption.h"
#include "quiz/TimeLimit.h"
#include "support/Fakes.h"
#include "support/QuizSupport.h"

namespace lumora {
namespace {

using testing::bandDraw;
using testing::ScriptedRandom;

struct BandCase {
  int t;
  std::int16_t code;
};

void PrintTo(const BandCase& c, std::ostream* os) { *os << "t=" << c.t; }

class BandTest : public ::testing::TestWithParam<BandCase> {};

TEST_P(BandTest, EdgesOfEveryBand) { EXPECT_EQ(categoryOfBand(GetParam().t), GetParam().code); }

INSTANTIATE_TEST_SUITE_P(Edges, BandTest,
                         ::testing::Values(BandCase{0, 0}, BandCase{1, 1}, BandCase{100, 1},
                                           BandCase{101, 2}, BandCase{200, 2}, BandCase{201, 3},
                                           BandCase{212, 3}, BandCase{213, 4}, BandCase{243, 4},
                                           BandCase{244, 5}, BandCase{603, 5}, BandCase{604, 6},
                                           BandCase{610, 6}, BandCase{611, 7}, BandCase{674, 7},
                                           BandCase{675, 8}, BandCase{746, 8}, BandCase{747, 9},
                                           BandCase{756, 9}, BandCase{757, 0}));

std::array<bool, 9> only(std::initializer_list<int> codes) {
  std::array<bool, 9> ticked{};
  for (int code : codes) ticked[code - 1] = true;
  return ticked;
}

TEST(ChooseCategory, NoneTickedGivesZeroWithoutDrawing) {
  ScriptedRandom random;
  random.script = {0.5};
  EXPECT_EQ(chooseCategoryCode({}, random), 0);
  EXPECT_EQ(random.script.size(), 1u);
}

TEST(ChooseCategory, DrawsAgainUntilTheBandIsTicked) {
  ScriptedRandom random;
  random.script = {bandDraw(1), bandDraw(300), bandDraw(750), 0.5};
  EXPECT_EQ(chooseCategoryCode(only({9}), random), 9);
  EXPECT_EQ(random.script.size(), 1u) << "stops at the first ticked band";
}

TEST(ChooseCategory, MonthAndDayAbout36TimesAsOftenAsOrdinal) {
  ScriptedRandom random;
  std::map<int, int> chosen;
  for (int i = 0; i < 74000; ++i) ++chosen[chooseCategoryCode(only({5, 9}), random)];
  EXPECT_EQ(chosen.size(), 2u);
  const double ratio = static_cast<double>(chosen[5]) / chosen[9];
  EXPECT_NEAR(ratio, 36.0, 3.0);
}

TEST(ChooseCategory, AllTickedFollowsTheBandWidths) {
  const std::array<int, 9> widths = {100, 100, 12, 31, 360, 7, 64, 72, 10};
  ScriptedRandom random;
  std::map<int, int> chosen;
  const int draws = 756 * 300;
  for (int i = 0; i < draws; ++i) {
    ++chosen[chooseCategoryCode(only({1, 2, 3, 4, 5, 6, 7, 8, 9}), random)];
  }
  for (int code = 1; code <= 9; ++code) {
    const double expected = widths[code - 1] * 300.0;
    EXPECT_NEAR(chosen[code], expected, expected * 0.1) << code;
  }
}

Question keyed(std::int16_t key) {
  Question q;
  q.key = key;
  return q;
}

struct NoRepeatCase {
  const char* name;
  std::int16_t previous;
  std::vector<std::optional<std::int16_t>> keys;  // nullopt: the draw yields no question
  std::optional<std::int16_t> chosen;
  int drawsUsed;
};

class NoRepeatTest : public ::testing::TestWithParam<NoRepeatCase> {};

TEST_P(NoRepeatTest, RedrawsWhileTheKeyRepeats) {
  const NoRepeatCase& c = GetParam();
  int used = 0;
  const auto draw = [&]() -> std::optional<Question> {
    const std::optional<std::int16_t> key = c.keys.at(used++);
    if (!key) return std::nullopt;
    return keyed(*key);
  };
  const std::optional<Question> q = drawUnlike(c.previous, draw, 5);
  EXPECT_EQ(q.has_value(), c.chosen.has_value());
  if (q && c.chosen) {
    EXPECT_EQ(q->key, *c.chosen);
  }
  EXPECT_EQ(used, c.drawsUsed);
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, NoRepeatTest,
    ::testing::Values(NoRepeatCase{"differentAtOnce", 7, {3}, 3, 1},
                      NoRepeatCase{"sameTwiceThenOther", 7, {7, 7, 3}, 3, 3},
                      NoRepeatCase{"firstAfterStartComparedWithZero", 0, {0, 2}, 2, 2},
                      NoRepeatCase{"givesUpAfterTheLastAttempt", 1, {1, 1, 1, 1, 1, 2}, 1, 5},
                      NoRepeatCase{"noQuestion", 1, {std::nullopt}, std::nullopt, 1},
                      NoRepeatCase{"noQuestionOnARedraw", 1, {1, std::nullopt}, std::nullopt, 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NoRepeat, DefaultBoundEndsATableWhoseEveryKeyRepeats) {
  int used = 0;
  const auto draw = [&]() -> std::optional<Question> {
    ++used;
    return keyed(0);
  };
  EXPECT_EQ(drawUnlike(0, draw)->key, 0);
  EXPECT_EQ(used, kMaxNoRepeatAttempts);
}

struct TimeLimitCase {
  const char* text;
  std::optional<int> milliseconds;
};

void PrintTo(const TimeLimitCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class TimeLimitTest : public ::testing::TestWithParam<TimeLimitCase> {};

TEST_P(TimeLimitTest, ConvertsSecondsOrRefuses) {
  EXPECT_EQ(timeLimitMilliseconds(QString::fromUtf8(GetParam().text)), GetParam().milliseconds);
}

INSTANTIATE_TEST_SUITE_P(Texts, TimeLimitTest,
                         ::testing::Values(TimeLimitCase{"5", 5000}, TimeLimitCase{"2", 2000},
                                           TimeLimitCase{"30", 30000}, TimeLimitCase{"2.5", 2500},
                                           TimeLimitCase{"0.0005", 0},  // half to even
                                           TimeLimitCase{"0.0015", 2}, TimeLimitCase{"10秒", 10000},
                                           TimeLimitCase{"", 0}, TimeLimitCase{"abc", 0},
                                           TimeLimitCase{"0", 0}, TimeLimitCase{"3600", 3600000},
                                           TimeLimitCase{"3600.001", std::nullopt},
                                           TimeLimitCase{"65.536", 65536},
                                           TimeLimitCase{"-1", std::nullopt},
                                           TimeLimitCase{"1e10", std::nullopt}));

TEST(QuestionNumberCaption, PlainDigitsBetweenTheWords) {
  EXPECT_EQ(questionNumberCaption(Variant(1.0)), "問題1問目");
  EXPECT_EQ(questionNumberCaption(Variant(12.0)), "問題12問目");
  EXPECT_EQ(questionNumberCaption(Variant(QStringLiteral("3"))), "問題3問目");
}

}  // namespace
}  // namespace lumora
