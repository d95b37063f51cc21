#include <gtest/gtest.h>

#include "answer/AnswerText.h"
#include "answer/Colours.h"
#include "support/AnswerSupport.h"
#include "support/FormHarness.h"

namespace lumora {
namespace {

using testing::FormHarness;
using testing::poseTypedQuestion;
using testing::rowOf;

// A window with a typed question posed; the question's own sound is off the log.
class TypedAnswer : public ::testing::Test {
 protected:
  template <typename... Args>
  void pose(Args&&... question) {
    poseTypedQuestion(h.form(), std::forward<Args>(question)...);
    h.sounds.requests.clear();
  }
  QString buzzer(const char* name) { return "async " + h->soundDir + name; }
  void type(const QString& text) { h->Text1->setText(text); }

  FormHarness h;
};

TEST_F(TypedAnswer, ARightAnswerIsMarkedSoundedCountedAndWrittenOut) {
  pose(1, 1, 25, 0, "漢数詞025_00.wav");
  type("2");
  EXPECT_EQ(h->Label5(1)->text(), "") << "one digit of two is not judged";
  type("25");
  EXPECT_EQ(h->Label5(1)->text(), "〇");
  EXPECT_EQ(colours::backColour(h->Label5(1)), colours::kGreen);
  EXPECT_EQ(h.sounds.requests, QStringList{buzzer("OK_BZER.WAV")});
  EXPECT_EQ(h->Label5(0)->text(), "25");
  EXPECT_EQ(h->Text1->text(), "");
  EXPECT_EQ(h->correctCount.number(), 1);
  EXPECT_EQ(h->wrongCount.number(), 0);
  EXPECT_EQ(h->不正解問数->text(), "0問");
}

TEST_F(TypedAnswer, AWrongMonthAndDayShowsXOnRedAndIsRemembered) {
  pose(5, 2, 12, 3, "月M12_01.wav", "日D03_00.wav");
  type("12 4");
  EXPECT_EQ(h->Label5(1)->text(), "X");
  EXPECT_EQ(colours::backColour(h->Label5(1)), colours::kRed);
  EXPECT_EQ(h.sounds.requests, QStringList{buzzer("NG_BZER.WAV")});
  EXPECT_EQ(h->Label5(0)->text(), "12月3日");
  EXPECT_EQ(h->wrongCount.number(), 1);
  EXPECT_EQ(rowOf(h->missList, 1),
            (QStringList{"2", "月M12_01.wav", "日D03_00.wav", "12", "3", "5"}));
  EXPECT_EQ(h->不正解問数->text(), "1問");
}

TEST_F(TypedAnswer, AOneNumberAnswerDoesNotStoreTheOldSecondFile) {
  pose(1, 1, 7, 4, "漢数詞007_00.wav", "日D04_00.wav");
  type("8");
  EXPECT_EQ(rowOf(h->missList, 1), (QStringList{"1", "漢数詞007_00.wav", "", "7", "4", "1"}));
}

TEST_F(TypedAnswer, ARightHalfPastAnswerShowsHan) {
  pose(8, 2, 7, 30, "時07時_01.wav", "分30半_00.wav", 16);
  type("7 30");
  EXPECT_EQ(h->Label5(1)->text(), "〇");
  EXPECT_EQ(h->Label5(0)->text(), "7時半");
}

TEST_F(TypedAnswer, ASecondJudgementOfTheSameQuestionCountsAgain) {
  pose(9, 1, 3, 0, "番目003_01.wav");
  type("4");
  type("3");
  EXPECT_EQ(h->wrongCount.number(), 1);
  EXPECT_EQ(h->correctCount.number(), 1);
  EXPECT_EQ(h.sounds.requests, (QStringList{buzzer("NG_BZER.WAV"), buzzer("OK_BZER.WAV")}));
  EXPECT_EQ(h->missList(0, 0), "0") << "the right answer removed the remembered one";
  EXPECT_EQ(h->不正解問数->text(), "0問");
}

TEST_F(TypedAnswer, LeadingZerosAreRightButAWrongNumberWithOneIsNotJudged) {
  pose(1, 1, 7, 0, "漢数詞007_00.wav");
  type("08");
  EXPECT_TRUE(h.sounds.requests.isEmpty());
  EXPECT_EQ(h->Text1->text(), "08");
  type("007");
  EXPECT_EQ(h->Label5(1)->text(), "〇");
}

TEST_F(TypedAnswer, AFullWidthSpaceNeverSeparates) {
  pose(5, 2, 5, 11, "月M05_01.wav", "日D11_00.wav");
  type("5　11");
  type("5　111");
  EXPECT_TRUE(h.sounds.requests.isEmpty());
  EXPECT_EQ(h->Label5(1)->text(), "");
  EXPECT_EQ(h->correctCount.number() + h->wrongCount.number(), 0);
}

TEST_F(TypedAnswer, TextThatIsNoNumberOrBeyond16BitsIsHarmless) {
  pose(1, 1, 25, 0, "漢数詞025_00.wav");
  for (const char* text : {"ab", "2a", "99999999999999999999", "1e999", "-", "."}) type(text);
  EXPECT_TRUE(h.sounds.requests.isEmpty());
  pose(1, 1, 12345, 0, "x.wav");
  type("99999");
  EXPECT_EQ(h->Label5(1)->text(), "X");
}

TEST_F(TypedAnswer, NothingIsJudgedBeforeAnyQuestion) {
  type("5");
  EXPECT_TRUE(h.sounds.requests.isEmpty());
  EXPECT_EQ(h->Text1->text(), "5");
  EXPECT_EQ(h->不正解問数->text(), "0問") << "every change refreshes the count";
}

TEST_F(TypedAnswer, ARightTwoNumberAnswerOfAnotherCategoryKeepsTheAnswerText) {
  pose(1, 2, 4, 9, "a.wav", "b.wav");
  h->Label5(0)->setText("before");
  type("4 9");
  EXPECT_EQ(h->Label5(0)->text(), "before");
  type("4 8");
  EXPECT_EQ(h->Label5(0)->text(), "4月9日");
}

TEST_F(TypedAnswer, ManualModeNeverShowsTheScore) {
  h->手動->setChecked(true);
  h->questionCount = 1;
  h->questionCountText = 0.0;
  pose(1, 1, 5, 0, "漢数詞005_00.wav");
  type("5");
  type("6");
  EXPECT_EQ(h->correctCount.number(), 1);
  EXPECT_EQ(h->wrongCount.number(), 1);
  EXPECT_TRUE(h->得点->isHidden());
}

// A timed run of `count` questions as the auto run leaves the state: counters reset, and
// the questions left lowered as each one is asked.
class TimedRun : public TypedAnswer {
 protected:
  void start(double count) {
    h->自動->setChecked(true);
    h->questionCount = count;
    h->questionCountText = QString::number(count);
    h->correctCount = 0.0;
    h->wrongCount = 0.0;
  }
  void askAndAnswer(std::int16_t n, bool right) {
    pose(1, 1, n, 0, "q.wav");
    h->questionCountText = h->questionCountText.number() - 1;
    type(QString::number(right ? n : n + 1));
  }
};

TEST_F(TimedRun, SevenRightOutOfTenShows70Points) {
  start(10);
  for (int i = 0; i < 9; ++i) askAndAnswer(static_cast<std::int16_t>(11 + i), i < 6);
  EXPECT_TRUE(h->得点->isHidden());
  askAndAnswer(40, true);
  EXPECT_FALSE(h->得点->isHidden());
  EXPECT_EQ(h->得点->text(), "70点");
}

TEST_F(TimedRun, TheScoreIsRefreshedWithEveryKeystrokeOnceTheLastQuestionIsAsked) {
  start(2);
  askAndAnswer(11, true);
  pose(1, 1, 12, 0, "q.wav");
  h->questionCountText = 0.0;
  type("1");
  EXPECT_EQ(h->得点->text(), "50点");
  EXPECT_FALSE(h->得点->isHidden());
}

TEST_F(TimedRun, NoQuestionsMeansNoScoreRatherThanADivisionByZero) {
  start(0);
  askAndAnswer(11, true);
  EXPECT_FALSE(h->得点->isHidden());
  EXPECT_EQ(h->得点->text(), kNoScore);
}

}  // namespace
}  // namespace lumora
