#include <gtest/gtest.h>

#include <QAbstractButton>

#include "answer/Colours.h"
#include "support/FormHarness.h"

namespace lumora {
namespace {

using colours::fromRgb;
using testing::FormHarness;

TEST(Window, CaptionsAreTheProgramsOwnTexts) {
  FormHarness h(false);
  const std::vector<std::pair<QString, QString>> captions = {
      {h->windowTitle(), "Lumora"},
      {h->Label1->text(), "Lumora"},
      {h->出題開始->text(), "出題開始         "},
      {h->再度再生->text(), "もう一度聞く"},
      {h->Frame1->title(), "発音された音は?"},
      {h->Frame2->title(), "出題内容・出題方法"},
      {h->Label2(0)->text(), "（１）正解のボタンを押して下さい"},
      {h->Label4(0)->text(),
       "入力は半角数字で月と日の間は１文字空ける(時分も同様）　入力例(5月11日)：5 11 "},
      {h->漢数詞->text(), "漢数字"},
      {h->月日->text(), "月 日"},
      {h->テストモード->text(), "テストﾓｰﾄﾞ"},
      {h->練習モード->text(), "練習ﾓｰﾄﾞ"},
      {h->不正解分リセット->text(), "不正解分       リセット"},
      {h->data_load->text(), "不正解分読込"},
      {h->data_save->text(), "不正解分記録"},
      {h->得点->text(), "１００点"},
      {h->Label8(1)->text(), "残り30秒"},
  };
  for (const auto& [actual, expected] : captions) EXPECT_EQ(actual, expected);
}

TEST(Window, ControlsStartInTheirOwnColours) {
  FormHarness h(false);
  EXPECT_EQ(colours::backColour(h->出題開始), 0x00FF00u);
  EXPECT_EQ(colours::backColour(h->再度再生), fromRgb(0x80FFFF));
  EXPECT_EQ(colours::backColour(h->Command4(1)), fromRgb(0xC0FFC0));
  EXPECT_EQ(colours::backColour(h->Label3(1)), colours::kRed);
  EXPECT_EQ(colours::backColour(h->Label3(2)), colours::kWindowBackground);
  EXPECT_EQ(colours::backColour(h->Text1), colours::kWhite);
  EXPECT_EQ(colours::backColour(h->得点), fromRgb(0xFFFF80));
  EXPECT_EQ(fromRgb(0xFF0000), 0x0000FFu);  // red in the lowest byte
}

TEST(Window, TheTimeLimitOptionCannotBeClearedByTheLearner) {
  FormHarness h;
  h->時間制限(6)->click();
  h->時間制限(6)->click();
  EXPECT_TRUE(h->時間制限(6)->isChecked());
  h->自動->click();
  EXPECT_TRUE(h->時間制限(6)->isChecked());
}

TEST(Window, DisabledOptionsNeverReact) {
  FormHarness h;
  h->順番通り->click();
  h->テストモード->click();
  EXPECT_FALSE(h->順番通り->isChecked());
  EXPECT_FALSE(h->テストモード->isChecked());
}

TEST(Window, OptionGroupsAreIndependent) {
  FormHarness h;
  h->手動->click();
  h->ランダム->click();
  EXPECT_TRUE(h->手動->isChecked());
  EXPECT_TRUE(h->ランダム->isChecked());
  h->不正解分->click();
  EXPECT_FALSE(h->ランダム->isChecked());
  EXPECT_TRUE(h->手動->isChecked());
}

TEST(Window, EveryControlALearnerUsesHasAnAccessibleName) {
  FormHarness h(false);
  for (QWidget* widget : h->findChildren<QWidget*>()) {
    if (qobject_cast<QAbstractButton*>(widget) || qobject_cast<QLineEdit*>(widget) ||
        (qobject_cast<QComboBox*>(widget))) {
      EXPECT_FALSE(widget->accessibleName().isEmpty()) << widget->metaObject()->className();
    }
  }
}

TEST(Window, ControlArraysKeepTheirIndices) {
  FormHarness h(false);
  EXPECT_NO_THROW(h->出題数Combo(0));
  EXPECT_NO_THROW(h->制限時間Combo(1));
  EXPECT_NO_THROW(h->時間制限(6));
  EXPECT_THROW(h->制限時間Combo(0), std::out_of_range);
  EXPECT_THROW(h->Command4(3), std::out_of_range);
}

}  // namespace
}  // namespace lumora
