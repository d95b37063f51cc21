#include <gtest/gtest.h>

#include "support/FormHarness.h"
#include "support/QuizSupport.h"

// Timed runs: the auto start, the steps driven by Timer1 ticks, the no-repeat rule and the
// end of a run.
namespace lumora {
namespace {

using testing::bandDraw;
using testing::ScriptedRandom;

class AutoRun : public ::testing::Test {
 protected:
  void SetUp() override { h->自動->setChecked(true); }

  void startRandom(std::initializer_list<QCheckBox*> boxes, const QString& count) {
    h->ランダム->setChecked(true);
    testing::tickOnly(h.form(), boxes);
    h->出題数Combo(0)->setEditText(count);
    h.sounds.requests.clear();
    h->出題開始_Click();
  }

  bool idleLook() {
    return h->Label8(0)->isHidden() && !h->制限時間Combo(1)->isHidden() &&
           !h->Label6(1)->isHidden() && !h->Label6(2)->isHidden();
  }

  testing::FormHarness h;
};

TEST_F(AutoRun, RandomRunOfFiveAsksFiveNumberedQuestionsAndEnds) {
  startRandom({h->漢数詞, h->月}, "5");
  QStringList numbers = {h->Label8(0)->text()};
  EXPECT_TRUE(h->Timer1.Enabled());
  EXPECT_FALSE(h->Label8(0)->isHidden());
  for (int tick = 0; tick < 4; ++tick) {
    EXPECT_TRUE(h->Timer1.Enabled()) << tick;
    h->Timer1_Timer();
    numbers << h->Label8(0)->text();
  }
  EXPECT_EQ(numbers,
            (QStringList{"問題1問目", "問題2問目", "問題3問目", "問題4問目", "問題5問目"}));
  EXPECT_EQ(h.sounds.requests.size(), 5);
  EXPECT_FALSE(h->Timer1.Enabled());
  EXPECT_TRUE(idleLook());
  EXPECT_TRUE(h->Text1->isEnabled()) << "the last question can still be answered";
  EXPECT_EQ(h->questionNumber.number(), 6);
  EXPECT_LE(h->questionCountText.number(), 0);
}

TEST_F(AutoRun, CountOfOneAsksOneQuestionAndReturnsToTheIdleLook) {
  startRandom({h->番目}, "1");
  EXPECT_EQ(h.sounds.requests.size(), 1);
  EXPECT_FALSE(h->Timer1.Enabled());
  EXPECT_TRUE(idleLook());
}

TEST_F(AutoRun, StartSetsTheCountersAndTheIntervalFromTheCombos) {
  h->制限時間Combo(1)->setEditText("10");
  h->correctCount = 3.0;
  h->wrongCount = 2.0;
  startRandom({h->漢数詞}, "10");
  EXPECT_EQ(h->Timer1.Interval(), 10000);
  EXPECT_EQ(h->questionCount, 10);
  EXPECT_EQ(h->correctCount.number(), 0);
  EXPECT_EQ(h->wrongCount.number(), 0);
  EXPECT_EQ(h->Label8(0)->text(), "問題1問目");
  EXPECT_EQ(h->questionCountText.number(), 9);
}

struct IntervalCase {
  const char* text;
  int interval;
};

void PrintTo(const IntervalCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class AutoStartInterval : public ::testing::TestWithParam<IntervalCase> {};

TEST_P(AutoStartInterval, FollowsTheTimeLimitCombo) {
  testing::FormHarness h;
  h->自動->setChecked(true);
  h->ランダム->setChecked(true);
  testing::tickOnly(h.form(), {h->漢数詞});
  h->制限時間Combo(1)->setEditText(QString::fromUtf8(GetParam().text));
  h->出題開始_Click();
  EXPECT_EQ(h->Timer1.Interval(), GetParam().interval);
  EXPECT_TRUE(h->Timer1.Enabled());
  EXPECT_TRUE(h.dialogs->shown.empty());
}

INSTANTIATE_TEST_SUITE_P(Texts, AutoStartInterval,
                         ::testing::Values(IntervalCase{"5", 5000}, IntervalCase{"2", 2000},
                                           IntervalCase{"30", 30000}, IntervalCase{"2.5", 2500},
                                           IntervalCase{"3600", 3600000}));

TEST_F(AutoRun, TimeLimitThatIsNotANumberAsksTheFirstQuestionAndNeverTicks) {
  h->制限時間Combo(1)->setEditText("");
  startRandom({h->漢数詞}, "5");
  EXPECT_EQ(h.sounds.requests.size(), 1);
  EXPECT_EQ(h->Timer1.Interval(), 0);
  EXPECT_TRUE(h->Timer1.Enabled());
  EXPECT_FALSE(h->Timer1.isTicking());
  h->自動中止_Click();
  EXPECT_TRUE(idleLook());
}

TEST_F(AutoRun, TimeLimitOutOfRangeIsRefusedWithTheAllowedRange) {
  for (const char* text : {"-1", "3601", "99999999999"}) {
    h->制限時間Combo(1)->setEditText(QString::fromUtf8(text));
    h.dialogs->shown.clear();
    startRandom({h->漢数詞}, "5");
    ASSERT_EQ(h.dialogs->shown.size(), 1u) << text;
    EXPECT_EQ(h.dialogs->shown[0].title, "Lumora");
    EXPECT_TRUE(h.dialogs->shown[0].text.contains("3600"))
        << h.dialogs->shown[0].text.toStdString();
    EXPECT_EQ(h.sounds.requests, QStringList{"stop"}) << "nothing is asked";
    EXPECT_FALSE(h->Timer1.Enabled());
  }
}

TEST_F(AutoRun, CountThatIsNotANumberIsRefused) {
  for (const char* text : {"", "abc", "5問"}) {
    h.dialogs->shown.clear();
    startRandom({h->漢数詞}, QString::fromUtf8(text));
    ASSERT_EQ(h.dialogs->shown.size(), 1u) << text;
    EXPECT_EQ(h.dialogs->shown[0].title, "Lumora");
    EXPECT_EQ(h.sounds.requests, QStringList{"stop"});
    EXPECT_FALSE(h->Timer1.Enabled());
    EXPECT_TRUE(idleLook());
  }
}

TEST_F(AutoRun, RefusedStartStopsTheRunningRun) {
  startRandom({h->漢数詞}, "5");
  h->出題数Combo(0)->setEditText("x");
  h->出題開始_Click();
  EXPECT_FALSE(h->Timer1.Enabled());
  EXPECT_TRUE(idleLook());
}

TEST_F(AutoRun, CountThatTurnsIntoTextMidRunEndsAfterTheQuestionAsked) {
  startRandom({h->漢数詞}, "5");
  h->出題数Combo(0)->setEditText("");
  h.sounds.requests.clear();
  h->Timer1_Timer();
  EXPECT_EQ(h.sounds.requests.size(), 1);
  EXPECT_FALSE(h->Timer1.Enabled());
  EXPECT_TRUE(idleLook());
}

TEST_F(AutoRun, ChangingTheCountMidRunRestartsIt) {
  startRandom({h->漢数詞, h->固有数詞}, "5");
  h->Timer1_Timer();
  h->Timer1_Timer();
  h->出題数Combo(0)->setEditText("10");
  EXPECT_EQ(h->questionCount, 5) << "the score's divisor stays";
  for (int tick = 1; tick <= 10; ++tick) {
    ASSERT_TRUE(h->Timer1.Enabled()) << tick;
    h->Timer1_Timer();
  }
  EXPECT_FALSE(h->Timer1.Enabled());
  EXPECT_EQ(h->Label8(0)->text(), "問題13問目");
}

TEST_F(AutoRun, ChoosingAnItemOfTheCountListRestartsItToo) {
  startRandom({h->漢数詞}, "5");
  h->出題数Combo(0)->setCurrentIndex(h->出題数Combo(0)->findText("20"));
  h->出題数Combo_Click(0);
  EXPECT_EQ(h->questionCountText.text(), "20");
}

TEST_F(AutoRun, UntickingEveryCategoryStopsTheRunAtTheNextTick) {
  startRandom({h->漢数詞}, "5");
  h->Timer1_Timer();
  testing::tickOnly(h.form(), {});
  h.sounds.requests.clear();
  const double left = h->questionCountText.number();
  h->Timer1_Timer();
  ASSERT_EQ(h.dialogs->shown.size(), 1u);
  EXPECT_EQ(h.dialogs->shown[0].kind, "critical");
  EXPECT_EQ(h.dialogs->shown[0].text, "出題内容を選択して下さい");
  EXPECT_EQ(h.sounds.requests, QStringList{"stop"});
  EXPECT_FALSE(h->Timer1.Enabled());
  EXPECT_TRUE(idleLook());
  EXPECT_EQ(h->questionCountText.number(), left) << "nothing was asked";
  EXPECT_EQ(h->questionNumber.number(), 4);
}

TEST_F(AutoRun, NoRepeatRuleComparesKeysAcrossCategories) {
  h.random->script = {bandDraw(10), ScriptedRandom::forDraw(7, 100)};
  startRandom({h->漢数詞, h->月}, "5");
  ASSERT_EQ(h->lastDrawnValue, 7);
  h.random->script = {bandDraw(205), ScriptedRandom::forDraw(7, 12), ScriptedRandom::forDraw(7, 12),
                      ScriptedRandom::forDraw(3, 12)};
  h.sounds.requests.clear();
  h->Timer1_Timer();
  EXPECT_EQ(h->quizCategory, 3);
  EXPECT_EQ(h.sounds.requests, QStringList{"async " + h.soundFolder() + "月M03_01.wav"})
      << "a redrawn question is never played";
  EXPECT_EQ(h->lastDrawnValue, 3);
  EXPECT_TRUE(h.random->script.empty());
}

TEST_F(AutoRun, ConsecutiveQuestionsNeverShareAKey) {
  h->制限時間Combo(1)->setEditText("2");
  startRandom({h->漢数詞, h->固有数詞, h->月, h->日, h->月日, h->曜日, h->難聴音, h->時間, h->番目},
              "400");
  std::int16_t previous = testing::keyOnScreen(h.form());
  for (int tick = 0; tick < 398; ++tick) {
    h->Timer1_Timer();
    const std::int16_t key = testing::keyOnScreen(h.form());
    ASSERT_NE(key, previous) << "category " << h->quizCategory << " after tick " << tick;
    previous = key;
  }
}

TEST_F(AutoRun, OnlyWeekdaysChangesTheRightWeekdayEveryTime) {
  startRandom({h->曜日}, "100");
  std::int16_t previous = h->choiceValues[0];
  for (int tick = 0; tick < 98; ++tick) {
    h->Timer1_Timer();
    ASSERT_NE(h->choiceValues[0], previous);
    previous = h->choiceValues[0];
  }
}

TEST_F(AutoRun, HardSoundTableWhoseEveryKeyRepeatsStillAsks) {
  h->hardSoundTable(0, 0) = "1";  // only row 1 ...
  h->hardSoundTable(1, 1) = "0";  // ... with only column 0 allowed: every key is 0
  h->hardSoundTable(1, 2) = "0";
  h->lastDrawnValue = 0;
  startRandom({h->難聴音}, "3");
  h->Timer1_Timer();
  EXPECT_EQ(h.sounds.requests.size(), 2);
  EXPECT_EQ(h->currentAnswer[1], 0);
}

TEST_F(AutoRun, UnusableHardSoundTableStopsTheRunWithAMessage) {
  h->hardSoundTable(0, 0) = "";
  startRandom({h->難聴音}, "5");
  ASSERT_EQ(h.dialogs->shown.size(), 1u);
  EXPECT_EQ(h.dialogs->shown[0].kind, "warning");
  EXPECT_FALSE(h->Timer1.Enabled());
  EXPECT_TRUE(idleLook());
  EXPECT_EQ(h->questionCountText.number(), 5) << "nothing was asked";
}

TEST_F(AutoRun, StepKeepsTheResultTextsAndEmptiesTheTypedAnswer) {
  h->Label5(0)->setText("12月3日");
  startRandom({h->漢数詞}, "5");
  h->Text1->setText("1");
  h->Timer1_Timer();
  EXPECT_TRUE(h->Text1->text().isEmpty());
  EXPECT_EQ(h->Label5(0)->text(), "12月3日");
  EXPECT_FALSE(h->Label8(0)->isHidden());
}

TEST_F(AutoRun, ButtonQuestionThenTypedQuestionSwitchesBackToTyping) {
  h.random->script = {bandDraw(605)};
  startRandom({h->曜日, h->漢数詞}, "5");
  ASSERT_EQ(h->quizCategory, 6);
  EXPECT_FALSE(h->Text1->isEnabled());
  EXPECT_FALSE(h->Label8(0)->isHidden()) << "a run keeps the question number";
  h.random->script = {bandDraw(1)};
  h->Timer1_Timer();
  EXPECT_EQ(h->quizCategory, 1);
  EXPECT_TRUE(h->Text1->isEnabled());
  EXPECT_FALSE(h->Command4(0)->isEnabled());
}

TEST_F(AutoRun, EmptyStoredListEndsAtOnce) {
  h->不正解分->setChecked(true);
  testing::tickOnly(h.form(), {});
  h.sounds.requests.clear();
  h->出題開始_Click();
  EXPECT_TRUE(h.sounds.requests.isEmpty());
  EXPECT_TRUE(h.dialogs->shown.empty()) << "no category check in this order";
  EXPECT_FALSE(h->Timer1.Enabled());
  EXPECT_TRUE(idleLook());
}

TEST_F(AutoRun, StoredOrderAsksEntriesWithoutCountingDown) {
  h->不正解分->setChecked(true);
  testing::storeEntries(h.form(), {{"1", "難聴音stored_00.wav", "", "2", "", "7"}});
  h->Label8(0)->hide();
  h.sounds.requests.clear();
  h->出題開始_Click();
  h->Timer1_Timer();
  EXPECT_EQ(h.sounds.requests, QStringList(2, "async " + h->hardSoundDir + "難聴音ta_00.wav"))
      << "an auto step names the syllable from the table";
  EXPECT_EQ(h->questionCountText.text(), "5");
  EXPECT_TRUE(h->Timer1.Enabled());
  EXPECT_FALSE(h->Label8(0)->isHidden());
  EXPECT_EQ(h->Label8(0)->text(), "問題2問目");
}

TEST_F(AutoRun, StoredOrderEndsWhenTheListEmpties) {
  h->不正解分->setChecked(true);
  testing::storeEntries(h.form(), {{"1", "漢数詞007_00.wav", "", "7", "", "1"}});
  h->出題開始_Click();
  ASSERT_TRUE(h->Timer1.Enabled());
  h->missList(0, 0) = "0";  // the entry was answered right
  h.sounds.requests.clear();
  h->Timer1_Timer();
  EXPECT_TRUE(h.sounds.requests.isEmpty());
  EXPECT_FALSE(h->Timer1.Enabled());
  EXPECT_TRUE(idleLook());
}

TEST_F(AutoRun, SelectingStoredOrderMidRunStopsTheCountdown) {
  startRandom({h->漢数詞}, "3");
  testing::storeEntries(h.form(), {{"1", "番目002_01.wav", "", "2", "", "9"}});
  h->不正解分->setChecked(true);
  for (int tick = 0; tick < 5; ++tick) h->Timer1_Timer();
  EXPECT_TRUE(h->Timer1.Enabled());
  EXPECT_EQ(h->questionCountText.number(), 2);
  EXPECT_EQ(h->replaySoundFileA, "番目002_01.wav");
}

TEST_F(AutoRun, PressingStartAgainBeginsAfresh) {
  startRandom({h->漢数詞}, "5");
  h->Timer1_Timer();
  h->Timer1_Timer();
  h->correctCount = 2.0;
  h->出題開始_Click();
  EXPECT_EQ(h->Label8(0)->text(), "問題1問目");
  EXPECT_EQ(h->correctCount.number(), 0);
  EXPECT_EQ(h->questionCountText.number(), 4);
}

}  // namespace
}  // namespace lumora
