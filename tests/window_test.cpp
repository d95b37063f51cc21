#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <functional>

#include "answer/Colours.h"
#include "data/RecordingNames.h"
#include "support/AnswerSupport.h"
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
  h->時間制限(6)->toggle();  // as an assistive tool does
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

TEST(Window, EveryControlIsFoundByItsOwnName) {
  FormHarness h(false);
  const std::vector<std::pair<const char*, QWidget*>> controls = {
      {"Label1", h->Label1},
      {"Frame1", h->Frame1},
      {"Label2(1)", h->Label2(1)},
      {"Command4(0)", h->Command4(0)},
      {"Command4(2)", h->Command4(2)},
      {"hint(2)", h->hint(2)},
      {"Label3(1)", h->Label3(1)},
      {"Label4(3)", h->Label4(3)},
      {"Text1", h->Text1},
      {"Label5(1)", h->Label5(1)},
      {"得点", h->得点},
      {"Frame2", h->Frame2},
      {"漢数詞", h->漢数詞},
      {"番目", h->番目},
      {"Frame3", h->Frame3},
      {"自動", h->自動},
      {"手動", h->手動},
      {"時間制限(6)", h->時間制限(6)},
      {"Label6(2)", h->Label6(2)},
      {"出題数Combo(0)", h->出題数Combo(0)},
      {"制限時間Combo(1)", h->制限時間Combo(1)},
      {"Label8(0)", h->Label8(0)},
      {"Frame4", h->Frame4},
      {"不正解分", h->不正解分},
      {"ランダム", h->ランダム},
      {"順番通り", h->順番通り},
      {"不正解問数", h->不正解問数},
      {"不正解分リセット", h->不正解分リセット},
      {"data_load", h->data_load},
      {"data_save", h->data_save},
      {"Frame5", h->Frame5},
      {"練習モード", h->練習モード},
      {"テストモード", h->テストモード},
      {"出題開始", h->出題開始},
      {"再度再生", h->再度再生},
      {"自動中止", h->自動中止},
      {"学習終了", h->学習終了},
      {"学習記録", h->学習記録},
  };
  for (const auto& [name, widget] : controls) {
    EXPECT_EQ(h->findChildren<QWidget*>(QString::fromUtf8(name)), QList<QWidget*>{widget}) << name;
  }
}

TEST(Window, TabGoesLeftToRightAndTopToBottom) {
  FormHarness h;
  QStringList order;
  QWidget* widget = h->Command4(0);
  do {
    if ((widget->focusPolicy() & Qt::TabFocus) && !widget->objectName().isEmpty()) {
      order << widget->objectName();
    }
    widget = widget->nextInFocusChain();
  } while (widget != h->Command4(0));
  EXPECT_EQ(order, QStringList({"Command4(0)",
                                "hint(0)",
                                "Command4(1)",
                                "hint(1)",
                                "Command4(2)",
                                "hint(2)",
                                "Text1",
                                "漢数詞",
                                "固有数詞",
                                "月",
                                "日",
                                "月日",
                                "曜日",
                                "難聴音",
                                "時間",
                                "番目",
                                "自動",
                                "手動",
                                "時間制限(6)",
                                "出題数Combo(0)",
                                "制限時間Combo(1)",
                                "不正解分",
                                "ランダム",
                                "順番通り",
                                "不正解分リセット",
                                "data_load",
                                "data_save",
                                "練習モード",
                                "テストモード",
                                "学習記録",
                                "出題開始",
                                "再度再生",
                                "ゆっくり再生",
                                "自動中止",
                                "学習終了"}));
}

QString accessibleText(QWidget* widget, QAccessible::Text text) {
  return QAccessible::queryAccessibleInterface(widget)->text(text);
}

// What assistive tools read: the answer buttons by what they show, the loudspeakers by what
// they play, the value boxes by their values, and each verdict with the right answer.
TEST(Window, AssistiveToolsReadWhatTheWindowShows) {
  FormHarness h;
  h->曜日->setChecked(true);
  struct Case {
    const char* what;
    std::function<void()> act;
    QWidget* widget;
    QAccessible::Text text;
    QString expected;
  };
  const std::vector<Case> cases = {
      {"an emptied answer button", [] {}, h->Command4(1), QAccessible::Name, "選択肢2"},
      {"a weekday caption",
       [&] {
         testing::poseWeekdayQuestion(h.form(), {2, 1, 2, 3});
       },
       h->Command4(1), QAccessible::Name, "月曜"},
      {"its loudspeaker", [] {}, h->hint(2), QAccessible::Name, "火曜の音を聞く"},
      {"a wrong weekday press", [&] { h->Command4(0)->click(); }, h->Label3(0),
       QAccessible::Description, "Ｘ 正解 月曜"},
      {"a picture", [&] { h->showChoicePictures("ga.JPG", "ka.JPG", "kka.JPG"); }, h->Command4(2),
       QAccessible::Name, "kka"},
      {"a typed wrong answer",
       [&] {
         testing::poseTypedQuestion(h.form(), 3, 1, 12, 0, names::month(12));
         h->Text1->setText("11");
       },
       h->Label5(1), QAccessible::Description, "X 正解 12月"},
      {"the wrong-answer count", [] {}, h->不正解問数, QAccessible::Name, "2問"},
      {"the score", [&] { h->得点->setText("80点"); }, h->得点, QAccessible::Name, "80点"},
  };
  for (const Case& c : cases) {
    c.act();
    EXPECT_EQ(accessibleText(c.widget, c.text), c.expected) << c.what;
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
