#include <gtest/gtest.h>

#include "answer/AnswerText.h"
#include "answer/ButtonJudge.h"
#include "data/SoundTableLayout.h"

namespace lumora {
namespace {

struct AnswerTextCase {
  ExpectedAnswer expected;
  int category;
  int minuteRow;
  Verdict verdict;
  std::optional<QString> text;
  friend void PrintTo(const AnswerTextCase& c, std::ostream* os) {
    *os << "form " << c.expected.form << " category " << c.category << " gives "
        << c.text.value_or("(unchanged)").toStdString();
  }
};

class CorrectAnswerText : public ::testing::TestWithParam<AnswerTextCase> {};

TEST_P(CorrectAnswerText, WritesTheRightAnswerOut) {
  const AnswerTextCase& c = GetParam();
  EXPECT_EQ(correctAnswerText(c.expected, c.category, c.minuteRow, c.verdict), c.text);
}

constexpr Verdict kRight = Verdict::Right;
constexpr Verdict kWrong = Verdict::Wrong;

INSTANTIATE_TEST_SUITE_P(ByFormAndCategory, CorrectAnswerText,
                         ::testing::Values(AnswerTextCase{{1, 12, 0}, 3, 0, kRight, "12月"},
                                           AnswerTextCase{{1, 31, 0}, 4, 0, kWrong, "31日"},
                                           AnswerTextCase{{1, 5, 0}, 8, 1, kRight, "5時"},
                                           AnswerTextCase{{1, 5, 0}, 8, 16, kWrong, "5時"},
                                           AnswerTextCase{{1, 10, 0}, 9, 0, kRight, "10番目"},
                                           AnswerTextCase{{1, 100, 0}, 1, 0, kRight, "100"},
                                           AnswerTextCase{{1, 7, 0}, 2, 0, kWrong, "7"},
                                           AnswerTextCase{{2, 12, 3}, 5, 0, kWrong, "12月3日"},
                                           AnswerTextCase{{2, 5, 11}, 5, 0, kRight, "5月11日"},
                                           AnswerTextCase{{2, 7, 30}, 8, 16, kRight, "7時半"},
                                           AnswerTextCase{{2, 7, 30}, 8, 16, kWrong, "7時半"},
                                           AnswerTextCase{{2, 7, 5}, 8, 3, kRight, "7時5分"},
                                           AnswerTextCase{{2, 7, 5}, 8, 3, kWrong, "7時5分"},
                                           // Two numbers in another category: a right answer keeps
                                           // the text shown before.
                                           AnswerTextCase{{2, 4, 9}, 1, 0, kRight, std::nullopt},
                                           AnswerTextCase{{2, 4, 9}, 1, 0, kWrong, "4月9日"},
                                           AnswerTextCase{{0, 4, 9}, 1, 0, kWrong, std::nullopt}));

struct ScoreCase {
  RunTally tally;
  std::optional<QString> text;
  friend void PrintTo(const ScoreCase& c, std::ostream* os) {
    *os << (c.tally.autoMode ? "auto " : "manual ") << c.tally.correct << " right " << c.tally.wrong
        << " wrong of " << c.tally.questionCount << ", " << c.tally.questionsLeft << " left";
  }
};

class FinishedScore : public ::testing::TestWithParam<ScoreCase> {};

TEST_P(FinishedScore, IsShownOnlyAtTheEndOfATimedRun) {
  EXPECT_EQ(finishedScoreText(GetParam().tally), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Tallies, FinishedScore,
    ::testing::Values(ScoreCase{{true, 10, 0, 7, 3}, "70点"},
                      ScoreCase{{true, 3, 0, 2, 1}, "66点"},   // rounded down
                      ScoreCase{{true, 10, 3, 7, 3}, "70点"},  // all answers typed already
                      ScoreCase{{true, 10, 1, 7, 2}, std::nullopt},
                      ScoreCase{{true, 10, 0, 1, 0}, "10点"},  // last question asked
                      ScoreCase{{true, 10, -1, 0, 0}, "0点"},
                      ScoreCase{{true, 5, 0, 5, 0}, "100点"},
                      ScoreCase{{true, 100, 0, 29, 71}, "29点"},
                      ScoreCase{{false, 10, 0, 7, 3}, std::nullopt},  // manual mode
                      ScoreCase{{true, 0, 0, 0, 0}, kNoScore},
                      ScoreCase{{true, 0, -1, 2, 1}, kNoScore},
                      ScoreCase{{true, -5, 3, 1, 0}, kNoScore}));

TEST(ButtonJudge, AWrongHardSoundPressNamesTheRightButton) {
  const ButtonVerdict right = judgeHardSoundPress(2, 2);
  EXPECT_TRUE(right.right);
  EXPECT_EQ(right.rightButton, std::nullopt);
  const ButtonVerdict wrong = judgeHardSoundPress(0, 1);
  EXPECT_FALSE(wrong.right);
  EXPECT_EQ(wrong.rightButton, 1);
}

struct WeekdayCase {
  int pressed;
  std::array<std::int16_t, 4> choices;
  bool right;
  std::optional<int> rightButton;
  friend void PrintTo(const WeekdayCase& c, std::ostream* os) {
    *os << "button " << c.pressed << " of " << c.choices[1] << "," << c.choices[2] << ","
        << c.choices[3] << " for " << c.choices[0];
  }
};

class WeekdayPress : public ::testing::TestWithParam<WeekdayCase> {};

TEST_P(WeekdayPress, MarksTheFirstOtherButtonHoldingTheRightWeekday) {
  const WeekdayCase& c = GetParam();
  const ButtonVerdict verdict = judgeWeekdayPress(c.pressed, c.choices);
  EXPECT_EQ(verdict.right, c.right);
  EXPECT_EQ(verdict.rightButton, c.rightButton);
}

INSTANTIATE_TEST_SUITE_P(Presses, WeekdayPress,
                         ::testing::Values(WeekdayCase{1, {4, 2, 4, 7}, true, std::nullopt},
                                           WeekdayCase{0, {4, 2, 4, 7}, false, 1},
                                           WeekdayCase{2, {2, 2, 4, 7}, false, 0},
                                           WeekdayCase{0, {7, 2, 4, 7}, false, 2},
                                           WeekdayCase{0, {5, 2, 4, 7}, false, std::nullopt}));

TEST(ButtonJudge, HardSoundRecordingStaysInsideTheTable) {
  TextTable table(51, 6);
  table(2, 3) = "da";
  table(2, 5) = "tta";
  table(50, 4) = "o";
  EXPECT_EQ(hardSoundRecording(table, 2, 0), "難聴音da_00.wav");
  EXPECT_EQ(hardSoundRecording(table, 2, 2), "難聴音tta_00.wav");
  EXPECT_EQ(hardSoundRecording(table, 50, 1), "難聴音o_00.wav");
  EXPECT_EQ(hardSoundRecording(table, 51, 0), std::nullopt);
  EXPECT_EQ(hardSoundRecording(table, -1, 0), std::nullopt);
  EXPECT_EQ(hardSoundRecording(table, 2, 3), std::nullopt);
  EXPECT_EQ(hardSoundRecording(table, 2, -1), std::nullopt);
}

}  // namespace
}  // namespace lumora
