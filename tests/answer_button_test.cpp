#include <gtest/gtest.h>

#include "answer/Colours.h"
#include "support/AnswerSupport.h"
#include "support/FormHarness.h"

namespace lumora {
namespace {

using testing::FormHarness;
using testing::poseHardSoundQuestion;
using testing::poseWeekdayQuestion;
using testing::rowOf;

class ButtonAnswer : public ::testing::Test {
 protected:
  ButtonAnswer() {
    h->難聴音->setChecked(true);
    h->曜日->setChecked(true);
  }
  void poseHardSound(std::int16_t row, std::int16_t rightButton) {
    poseHardSoundQuestion(h.form(), row, rightButton);
    h.sounds.requests.clear();
  }
  void poseWeekday(const std::array<std::int16_t, 4>& choices) {
    poseWeekdayQuestion(h.form(), choices);
    h.sounds.requests.clear();
  }
  QString sound(const QString& name) { return "async " + h->soundDir + name; }
  QStringList marks() { return {h->Label3(0)->text(), h->Label3(1)->text(), h->Label3(2)->text()}; }

  FormHarness h;
};

TEST_F(ButtonAnswer, ARightSyllableIsMarkedGreenAndForgotten) {
  h->missList(0, 0) = "1";
  h->missList(1, 0) = "1";
  h->missList(1, 1) = "難聴音ka_00.wav";
  h->missList(1, 5) = "7";
  poseHardSound(1, 1);
  h->Command4_Click(1);
  EXPECT_EQ(marks(), (QStringList{"", "〇", ""}));
  EXPECT_EQ(colours::backColour(h->Label3(1)), colours::kGreen);
  EXPECT_EQ(h.sounds.requests, QStringList{sound("OK_BZER.WAV")});
  EXPECT_EQ(h->missList(0, 0), "0");
  EXPECT_EQ(h->不正解問数->text(), "0問");
}

TEST_F(ButtonAnswer, AWrongSyllableMarksBothButtonsAndIsRemembered) {
  poseHardSound(3, 2);
  h->Command4_Click(0);
  EXPECT_EQ(marks(), (QStringList{"Ｘ", "", "〇"}));
  EXPECT_EQ(colours::backColour(h->Label3(0)), colours::kRed);
  EXPECT_EQ(colours::backColour(h->Label3(2)), colours::kWindowBackground)
      << "the right button's colour is left unchanged";
  EXPECT_EQ(h.sounds.requests, QStringList{sound("NG_BZER.WAV")});
  EXPECT_EQ(rowOf(h->missList, 1), (QStringList{"2", "難聴音u_00.wav", "", "3", "", "7"}));
  EXPECT_EQ(h->不正解問数->text(), "1問");
}

TEST_F(ButtonAnswer, AWrongWeekdayMarksThePressedButtonXOnRedAndTheRightOne) {
  poseWeekday({4, 2, 4, 7});
  h->Command4_Click(2);
  EXPECT_EQ(marks(), (QStringList{"", "〇", "Ｘ"}));
  EXPECT_EQ(colours::backColour(h->Label3(2)), colours::kRed);
  EXPECT_EQ(colours::backColour(h->Label3(1)), colours::kWindowBackground);
  EXPECT_EQ(h.sounds.requests, QStringList{sound("NG_BZER.WAV")});
  EXPECT_EQ(rowOf(h->missList, 1), (QStringList{"4", "水曜4_00.wav", "2", "4", "7", "6"}));
}

TEST_F(ButtonAnswer, ARightWeekdayChangesOnlyThePressedMark) {
  poseWeekday({7, 2, 4, 7});
  h->Command4_Click(2);
  EXPECT_EQ(marks(), (QStringList{"", "", "〇"}));
  EXPECT_EQ(colours::backColour(h->Label3(2)), colours::kGreen);
  EXPECT_EQ(colours::backColour(h->Label3(0)), colours::kWindowBackground);
  EXPECT_EQ(h.sounds.requests, QStringList{sound("OK_BZER.WAV")});
}

TEST_F(ButtonAnswer, EveryClickIsJudgedAgainButNeverCounted) {
  h->correctCount = 3.0;
  h->wrongCount = 2.0;
  h->得点->setText("50点");
  poseWeekday({4, 2, 4, 7});
  h->Command4_Click(0);
  h->Command4_Click(0);
  EXPECT_EQ(h->missList(0, 0), "2");
  h->Command4_Click(1);
  EXPECT_EQ(h->missList(0, 0), "1");
  EXPECT_EQ(h->correctCount.number(), 3);
  EXPECT_EQ(h->wrongCount.number(), 2);
  EXPECT_EQ(h->得点->text(), "50点");
}

TEST_F(ButtonAnswer, ATypedQuestionIsNotJudgedByTheButtons) {
  testing::poseTypedQuestion(h.form(), 1, 1, 5, 0, "漢数詞005_00.wav");
  h.sounds.requests.clear();
  h->Command4_Click(0);
  EXPECT_EQ(marks(), (QStringList{"", "", ""}));
  EXPECT_TRUE(h.sounds.requests.isEmpty());
  EXPECT_EQ(h->missList(0, 0), "");
  EXPECT_EQ(h->不正解問数->text(), "0問");
}

TEST_F(ButtonAnswer, AnUncheckedCategoryIsJudgedOnlyInIncorrectOnlyOrder) {
  h->難聴音->setChecked(false);
  h->曜日->setChecked(false);
  poseHardSound(1, 0);
  h->Command4_Click(0);
  EXPECT_TRUE(h.sounds.requests.isEmpty());
  poseWeekday({4, 2, 4, 7});
  h->Command4_Click(1);
  EXPECT_TRUE(h.sounds.requests.isEmpty());
  h->不正解分->setChecked(true);
  h->Command4_Click(1);
  EXPECT_EQ(h.sounds.requests, QStringList{sound("OK_BZER.WAV")});
  poseHardSound(1, 0);
  h->Command4_Click(0);
  EXPECT_EQ(h.sounds.requests, QStringList{sound("OK_BZER.WAV")});
}

TEST_F(ButtonAnswer, ADamagedStoredSyllableIsNotJudged) {
  poseHardSound(1, 0);
  h->currentAnswer[1] = 5;  // no such button
  h->Command4_Click(0);
  h->currentAnswer[1] = 0;
  h->hardSoundRow = 60;  // no such row
  h->Command4_Click(0);
  h->hint_Click(0);
  EXPECT_EQ(marks(), (QStringList{"", "", ""}));
  EXPECT_TRUE(h.sounds.requests.isEmpty());
  EXPECT_EQ(h->missList(0, 0), "");
}

TEST_F(ButtonAnswer, AHintInAWeekdayQuestionPlaysTheOptionAndReplayStillPlaysTheQuestion) {
  poseWeekday({4, 2, 4, 7});
  h->hint_Click(0);
  EXPECT_EQ(h->soundKind, 1);
  EXPECT_EQ(h->soundFileA, "月曜2_00.wav");
  h->再度再生_Click();
  EXPECT_EQ(h.sounds.requests, (QStringList{sound("月曜2_00.wav"), sound("水曜4_00.wav")}));
}

TEST_F(ButtonAnswer, AHintInAHardSoundQuestionPlaysTheSyllableFromItsFolder) {
  poseHardSound(2, 1);
  h->hint_Click(2);
  EXPECT_EQ(h->soundKind, 3);
  EXPECT_EQ(h.sounds.requests, QStringList{"async " + h->hardSoundDir + "難聴音tta_00.wav"});
  h->再度再生_Click();
  EXPECT_EQ(h.sounds.requests.last(), "async " + h->hardSoundDir + "難聴音ta_00.wav");
}

TEST_F(ButtonAnswer, AHintBeforeAnyHardSoundRowFallsToTheWeekdayRule) {
  h->quizCategory = 7;
  h->hardSoundRow = 0;
  h->choiceValues = {1, 1, 3, 5};
  h->hint_Click(1);
  EXPECT_EQ(h.sounds.requests, QStringList{sound("火曜3_00.wav")});
  h->曜日->setChecked(false);
  h->hint_Click(1);
  EXPECT_EQ(h.sounds.requests.size(), 1);
}

}  // namespace
}  // namespace lumora
