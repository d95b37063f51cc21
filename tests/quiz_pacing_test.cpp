#include <gtest/gtest.h>

#include "support/FormHarness.h"
#include "support/QuizSupport.h"

// The pacing controls: 自動, 手動, 自動中止 and the two combo boxes.
namespace lumora {
namespace {

class Pacing : public ::testing::Test {
 protected:
  void startRun() {
    h->自動->setChecked(true);
    h->ランダム->setChecked(true);
    testing::tickOnly(h.form(), {h->曜日});
    h->出題開始_Click();
    h.sounds.requests.clear();
  }

  testing::FormHarness h;
};

TEST_F(Pacing, AutoSelectsTheTimeLimitAndStartsNothing) {
  h->手動->setChecked(true);
  h->自動->setChecked(true);
  EXPECT_FALSE(h->手動->isChecked());
  EXPECT_TRUE(h->時間制限(6)->isChecked());
  EXPECT_EQ(h->Timer1.Interval(), 5000);
  EXPECT_FALSE(h->Timer1.Enabled());
  EXPECT_EQ(h->soundKind, 0);
}

TEST_F(Pacing, AutoHandlerClearsManualEvenWhenCalledDirectly) {
  h->手動->setChecked(true);
  h->自動_Click();
  EXPECT_FALSE(h->手動->isChecked());
}

TEST_F(Pacing, StopEndsTheRunAndLeavesTheQuestionAnswerable) {
  startRun();
  h->自動中止_Click();
  EXPECT_EQ(h.sounds.requests, QStringList{"stop"});
  EXPECT_FALSE(h->Timer1.Enabled());
  EXPECT_TRUE(h->Label8(0)->isHidden());
  EXPECT_FALSE(h->制限時間Combo(1)->isHidden());
  EXPECT_TRUE(h->Command4(0)->isEnabled());
  EXPECT_FALSE(h->Command4(0)->text().isEmpty());
}

TEST_F(Pacing, ManualDuringARunStopsItAndClearsTheTimeLimit) {
  startRun();
  h->得点->show();
  h->手動->setChecked(true);
  EXPECT_FALSE(h->自動->isChecked());
  EXPECT_FALSE(h->時間制限(6)->isChecked());
  EXPECT_EQ(h.sounds.requests, QStringList{"stop"});
  EXPECT_FALSE(h->Timer1.Enabled());
  EXPECT_TRUE(h->Label8(0)->isHidden());
  EXPECT_TRUE(h->得点->isHidden());
  EXPECT_FALSE(h->制限時間Combo(1)->isHidden());
}

TEST_F(Pacing, ManualHandlerClearsAutoAndTheLoneTimeLimitWhenCalledDirectly) {
  h->自動->setChecked(true);
  h->手動_Click();
  EXPECT_FALSE(h->自動->isChecked());
  EXPECT_FALSE(h->時間制限(6)->isChecked());
}

TEST_F(Pacing, TimeLimitComboSetsTheIntervalWithoutStartingTheTimer) {
  h->制限時間Combo(1)->setCurrentIndex(h->制限時間Combo(1)->findText("10"));
  h->制限時間Combo_Click(1);
  EXPECT_EQ(h->Timer1.Interval(), 10000);
  EXPECT_FALSE(h->Timer1.Enabled());
  EXPECT_EQ(h->soundKind, 0);
}

TEST_F(Pacing, TimeLimitComboGivesNoTicksForAnUnusableLimit) {
  for (const char* text : {"-5", "abc", "100000"}) {
    h->制限時間Combo(1)->setEditText(QString::fromUtf8(text));
    EXPECT_EQ(h->Timer1.Interval(), 0) << text;
  }
}

TEST_F(Pacing, CountComboCopiesItsTextButNotTheScoreDivisor) {
  h->出題数Combo(0)->setEditText("20");
  EXPECT_EQ(h->questionCountText.text(), "20");
  EXPECT_EQ(h->questionCount, 5);
}

}  // namespace
}  // namespace lumora
