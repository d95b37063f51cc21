#include <gtest/gtest.h>

#include "support/FormHarness.h"
#include "support/QuizSupport.h"

// The start button in manual mode: one question per press.
namespace lumora {
namespace {

using testing::bandDraw;
using testing::ScriptedRandom;

class ManualStart : public ::testing::Test {
 protected:
  void SetUp() override {
    h->手動->setChecked(true);
    h.sounds.requests.clear();
  }
  void chooseRandomOrder(std::initializer_list<QCheckBox*> boxes) {
    h->ランダム->setChecked(true);
    testing::tickOnly(h.form(), boxes);
  }
  QString played(const QString& file) const { return "async " + h.soundFolder() + file; }

  testing::FormHarness h;
};

TEST_F(ManualStart, DoesNothingWithoutAnOrder) {
  testing::tickOnly(h.form(), {h->漢数詞});
  h->出題開始_Click();
  EXPECT_TRUE(h.sounds.requests.isEmpty());
  EXPECT_TRUE(h.dialogs->shown.empty());
  EXPECT_EQ(h->quizCategory, 0);
}

TEST(StartButton, DoesNothingWithoutAPacing) {
  testing::FormHarness h;
  h->ランダム->setChecked(true);
  testing::tickOnly(h.form(), {h->漢数詞});
  h->出題開始_Click();
  EXPECT_TRUE(h.sounds.requests.isEmpty());
  EXPECT_TRUE(h.dialogs->shown.empty());
  EXPECT_EQ(h->soundKind, 0);
}

TEST_F(ManualStart, TypedQuestionPlaysClearsTheFieldsAndKeepsNoRunState) {
  chooseRandomOrder({h->漢数詞});
  h->Label5(0)->setText("12月3日");
  h->Label5(1)->setText("X");
  h->Label8(0)->show();
  h->lastDrawnValue = 7;
  h.random->script = {bandDraw(50), ScriptedRandom::forDraw(7, 100)};

  h->出題開始_Click();

  EXPECT_EQ(h.sounds.requests, QStringList{played("漢数詞007_00.wav")});
  EXPECT_EQ(h->quizCategory, 1);
  EXPECT_EQ(h->currentAnswer[0], 1);
  EXPECT_EQ(h->currentAnswer[1], 7);
  EXPECT_EQ(h->replaySoundKind, 1);
  EXPECT_EQ(h->replaySoundFileA, "漢数詞007_00.wav");
  EXPECT_TRUE(h->Label5(0)->text().isEmpty());
  EXPECT_TRUE(h->Label5(1)->text().isEmpty());
  EXPECT_TRUE(h->Label8(0)->isHidden());
  EXPECT_TRUE(h->Text1->isEnabled());
  EXPECT_EQ(h->lastDrawnValue, 7) << "manual questions have no no-repeat rule";
  EXPECT_FALSE(h->Timer1.Enabled());
}

TEST_F(ManualStart, MonthAndDayPlaysBothRecordingsAndExpectsTwoNumbers) {
  chooseRandomOrder({h->月日});
  h.random->script = {bandDraw(300), ScriptedRandom::forDraw(3, 12),
                      ScriptedRandom::forDraw(9, 31)};
  h->出題開始_Click();
  EXPECT_EQ(h.sounds.requests,
            (QStringList{"sync " + h.soundFolder() + "月M03_01.wav", played("日D09_00.wav")}));
  EXPECT_EQ(h->currentAnswer, (std::array<std::int16_t, 3>{2, 3, 9}));
  EXPECT_EQ(h->replaySoundFileB, "日D09_00.wav");
}

TEST_F(ManualStart, WeekdayFillsTheButtonsAndDisablesTyping) {
  chooseRandomOrder({h->曜日});
  h->Label5(0)->setText("kept");
  h.random->script = {bandDraw(605), ScriptedRandom::forDraw(2, 7), ScriptedRandom::forDraw(4, 7),
                      ScriptedRandom::forDraw(7, 7), ScriptedRandom::forDraw(2, 3)};
  h->出題開始_Click();
  EXPECT_EQ(h->choiceValues, (std::array<std::int16_t, 4>{4, 2, 4, 7}));
  EXPECT_EQ(h->currentAnswer[1], 4);
  EXPECT_EQ(h->Command4(0)->text(), "月曜");
  EXPECT_EQ(h->Command4(1)->text(), "水曜");
  EXPECT_EQ(h->Command4(2)->text(), "土曜");
  EXPECT_TRUE(h->Command4(1)->isEnabled());
  EXPECT_FALSE(h->Text1->isEnabled());
  EXPECT_EQ(h->Label5(0)->text(), "kept");
  EXPECT_EQ(h.sounds.requests, QStringList{played("水曜4_00.wav")});
}

TEST_F(ManualStart, HardSoundPlaysTheFlaggedSyllableFromItsFolder) {
  chooseRandomOrder({h->難聴音});
  h->hardSoundDir = h.appFolder() + "/elsewhere/";
  h.random->script = {bandDraw(620), testing::indexDraw(1, 3), 0.1};
  h->出題開始_Click();
  EXPECT_EQ(h->hardSoundRow, 2);
  EXPECT_EQ(h->currentAnswer[1], 1);
  EXPECT_EQ(h.sounds.requests, QStringList{"async " + h->hardSoundDir + "難聴音ta_00.wav"});
  EXPECT_TRUE(h->Command4(0)->isEnabled());
  EXPECT_FALSE(h->Text1->isEnabled());
}

TEST_F(ManualStart, UnusableHardSoundTableIsRefusedWithAMessage) {
  chooseRandomOrder({h->難聴音});
  h->hardSoundTable(0, 0) = "0";
  h->出題開始_Click();
  ASSERT_EQ(h.dialogs->shown.size(), 1u);
  EXPECT_EQ(h.dialogs->shown[0].title, "Lumora");
  EXPECT_EQ(h->soundKind, 0);
  EXPECT_FALSE(h->Timer1.Enabled());
}

TEST_F(ManualStart, NoCategoryShowsTheMessageAndResetsTheDisplay) {
  chooseRandomOrder({});
  h->Label8(0)->show();
  h->出題開始_Click();
  ASSERT_EQ(h.dialogs->shown.size(), 1u);
  EXPECT_EQ(h.dialogs->shown[0].kind, "critical");
  EXPECT_EQ(h.dialogs->shown[0].title, "＊＊＊＊＊＊　注意　＊＊＊＊＊＊＊");
  EXPECT_EQ(h.dialogs->shown[0].text, "出題内容を選択して下さい");
  EXPECT_EQ(h.sounds.requests, QStringList{"stop"});
  EXPECT_TRUE(h->Label8(0)->isHidden());
  EXPECT_EQ(h->quizCategory, 0);
}

TEST_F(ManualStart, GreyCategoryBoxDoesNotCount) {
  chooseRandomOrder({});
  h->漢数詞->setTristate(true);
  h->漢数詞->setCheckState(Qt::PartiallyChecked);
  h->出題開始_Click();
  EXPECT_EQ(h.dialogs->shown.size(), 1u);
}

TEST_F(ManualStart, StoredListWithOneEntryReplaysItOnEveryPress) {
  h->不正解分->setChecked(true);
  testing::storeEntries(h.form(), {{"2", "月M03_01.wav", "日D09_00.wav", "3", "9", "5"}});
  h->Label5(0)->setText("kept");
  for (double r : {0.0, 0.5, 0.99}) {
    h.random->script = {r};
    h->出題開始_Click();
  }
  const QStringList once = {"sync " + h.soundFolder() + "月M03_01.wav", played("日D09_00.wav")};
  EXPECT_EQ(h.sounds.requests, once + once + once);
  EXPECT_EQ(h->quizCategory, 5);
  EXPECT_EQ(h->currentAnswer, (std::array<std::int16_t, 3>{2, 3, 9}));
  EXPECT_EQ(h->Label5(0)->text(), "kept") << "a replay keeps the typed-answer fields";
}

TEST_F(ManualStart, StoredHardSoundPlaysItsStoredName) {
  h->不正解分->setChecked(true);
  testing::storeEntries(h.form(), {{"1", "難聴音stored_00.wav", "", "2", "", "7"}});
  h->出題開始_Click();
  EXPECT_EQ(h.sounds.requests, QStringList{"async " + h->hardSoundDir + "難聴音stored_00.wav"});
  EXPECT_EQ(h->hardSoundRow, 2);
}

TEST_F(ManualStart, EmptyStoredListOnlyEnablesTyping) {
  h->不正解分->setChecked(true);
  h->enableButtonAnswer();
  h->出題開始_Click();
  EXPECT_TRUE(h.sounds.requests.isEmpty());
  EXPECT_TRUE(h.dialogs->shown.empty());
  EXPECT_TRUE(h->Text1->isEnabled());
}

TEST_F(ManualStart, StoredEntryOfAnUnknownCategoryIsNotAsked) {
  h->不正解分->setChecked(true);
  testing::storeEntries(h.form(), {{"1", "x.wav", "", "1", "", "12"}});
  h->出題開始_Click();
  EXPECT_TRUE(h.sounds.requests.isEmpty());
  EXPECT_EQ(h->quizCategory, 12);
}

TEST_F(ManualStart, StoredCountBeyondTheListDrawsOnlyRowsThatExist) {
  h->不正解分->setChecked(true);
  h->missList(0, 0) = "99999";
  h.random->script = {0.99999994};
  h->出題開始_Click();
  EXPECT_TRUE(h.sounds.requests.isEmpty());
}

}  // namespace
}  // namespace lumora
