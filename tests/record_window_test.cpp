#include <gtest/gtest.h>

#include <QTableWidget>

#include "app/RecordWindow.h"
#include "record/RecordCsv.h"
#include "record/WeakQuestions.h"
#include "support/AnswerSupport.h"
#include "support/FormHarness.h"
#include "support/QuizSupport.h"

// The learning record as the learner meets it: judgements of the drill kept, the 学習記録
// window's figures, the weakest questions sent to the drill, and erasing.
namespace lumora {
namespace {

using namespace std::chrono_literals;
using testing::bandDraw;
using testing::indexDraw;
using testing::ScriptedRandom;

class Record : public ::testing::Test {
 protected:
  void SetUp() override {
    h->手動->setChecked(true);
    h->ランダム->setChecked(true);
  }

  // A manual question of 漢数詞 asking 16.
  void askSixteen() {
    testing::tickOnly(h.form(), {h->漢数詞});
    h.random->script = {bandDraw(50), ScriptedRandom::forDraw(16, 100)};
    h->出題開始_Click();
  }

  template <typename Widget>
  Widget* named(const QString& name) {
    for (Widget* widget : h->findChildren<Widget*>()) {
      if (widget->accessibleName().startsWith(name)) return widget;
    }
    throw std::runtime_error("no widget " + name.toStdString());
  }

  QString cell(const QString& table, int row, int column) {
    const QTableWidgetItem* item = named<QTableWidget>(table)->item(row, column);
    return item ? item->text() : QString();
  }

  void press(const QString& caption) {
    for (QPushButton* button : h->findChild<RecordWindow*>()->findChildren<QPushButton*>()) {
      if (button->text() == caption) button->click();
    }
  }

  QString summary() {
    h->学習記録_Click();
    for (QLabel* label : h->findChildren<QLabel*>()) {
      if (label->accessibleDescription() == "成績のまとめ") return label->accessibleName();
    }
    return {};
  }

  testing::FormHarness h;
};

TEST_F(Record, TheWindowShowsWhatWasAnsweredRightWrongAndNotAtAll) {
  askSixteen();
  h->再度再生_Click();
  h->再度再生_Click();
  h.clock->advance(3s);
  h->Text1->setText("16");
  askSixteen();
  h.clock->advance(5s);
  h->Text1->setText("60");
  testing::poseHardSoundQuestion(h.form(), 1, 1);
  h->難聴音->setChecked(true);
  h.clock->advance(1s);
  h->Command4_Click(1);
  h->Command4_Click(0);
  // A timed question the next tick replaces unanswered.
  h->自動->setChecked(true);
  testing::tickOnly(h.form(), {h->番目});
  h->出題数Combo(0)->setEditText("2");
  h->出題開始_Click();
  h->Timer1_Timer();

  EXPECT_EQ(summary(),
            "回答 4問（正解 2問・不正解 2問）　正解率 50%　回答時間の中央値 2.0秒　時間切れ 1問");
  const QString today = localDateOf(h.clock->wallTime()).toString(Qt::ISODate);
  EXPECT_EQ(cell("日ごとの成績", 0, 0), today);
  EXPECT_EQ(cell("出題内容ごとの成績", 0, 0), "漢数字");
  EXPECT_EQ(cell("出題内容ごとの成績", 0, 3), "50%");
  EXPECT_EQ(named<QTableWidget>("難聴音の聞き分け")->accessibleName(),
            "難聴音の聞き分け ga・ka・kka");
  EXPECT_EQ(cell("難聴音の聞き分け", 1, 1), "1（50%）");
  EXPECT_EQ(cell("難聴音の聞き分け", 1, 0), "1（50%）");
  EXPECT_EQ(cell("難聴音の聞き分け", 0, 0), "0（0%）");
  EXPECT_EQ(cell("よく間違える問題", 0, 2), "16 → 60（1回）");

  const auto rows = h->learningRecord().ask([](RecordStore& s) { return s.exportRows(); });
  ASSERT_EQ(rows.size(), 5u);
  EXPECT_EQ(rows[0].mid(3, 9),
            (QStringList{"漢数詞016_00.wav", "", "16", "16", "16", "1", "3000", "0", "2"}));
  EXPECT_EQ(rows[4][8], "2") << "the question the tick replaced";
  const QByteArray csv = recordCsv(rows);
  EXPECT_TRUE(csv.startsWith("\xEF\xBB\xBF\"日時（UTC）\"")) << csv.left(40).toStdString();
  EXPECT_EQ(csv.count("\r\n"), 6);
}

TEST_F(Record, PractisingTheWeakQuestionsSendsThemToTheIncorrectOnlyDrill) {
  for (int i = 0; i < kLeastAttempts; ++i) {
    askSixteen();
    h->Text1->setText("60");
  }
  h->不正解分リセット_Click();
  h->学習記録_Click();
  press("苦手を練習");
  EXPECT_EQ(h->不正解問数->text(), "1問");
  h->不正解分->setChecked(true);
  h.sounds.requests.clear();
  h->出題開始_Click();
  EXPECT_EQ(h.sounds.requests, QStringList{"async " + h.soundFolder() + "漢数詞016_00.wav"});
}

TEST_F(Record, ErasingEmptiesTheRecordAndKeepsTheIncorrectAnswerList) {
  askSixteen();
  h->Text1->setText("60");
  h->学習記録_Click();
  h.dialogs->answers = {Dialogs::Answer::Yes};
  press("記録を消去");
  EXPECT_TRUE(summary().startsWith("回答 0問"));
  EXPECT_EQ(h->不正解問数->text(), "1問");
}

// Answers to questions "a", "b", …, newest first: R right, W wrong, U cut off by the timer.
struct WeakCase {
  const char* name;
  std::vector<std::pair<const char*, char>> newestFirst;
  QStringList weakest;
  friend void PrintTo(const WeakCase& c, std::ostream* os) { *os << c.name; }
};

class WeakRule : public ::testing::TestWithParam<WeakCase> {};

TEST_P(WeakRule, ChoosesByTheShareWrongOfRecentAnswers) {
  std::vector<Attempt> attempts;
  for (const auto& [file, outcome] : GetParam().newestFirst) {
    Attempt attempt;
    attempt.entry.category = 1;
    attempt.entry.fileA = file;
    attempt.outcome = outcome == 'R'   ? Outcome::right
                      : outcome == 'U' ? Outcome::unanswered
                                       : Outcome::wrong;
    attempts.push_back(attempt);
  }
  QStringList weakest;
  for (const MissQuestion& q : weakestQuestions(attempts)) weakest << q.fileA;
  EXPECT_EQ(weakest, GetParam().weakest);
}

std::vector<std::pair<const char*, char>> answers(const char* file, const char* outcomes) {
  std::vector<std::pair<const char*, char>> list;
  for (const char* o = outcomes; *o != '\0'; ++o) list.emplace_back(file, *o);
  return list;
}

std::vector<std::pair<const char*, char>> joined(
    std::initializer_list<std::vector<std::pair<const char*, char>>> parts) {
  std::vector<std::pair<const char*, char>> all;
  for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

INSTANTIATE_TEST_SUITE_P(
    Record, WeakRule,
    ::testing::Values(WeakCase{"tooFewAnswers", answers("a", "WW"), {}},
                      WeakCase{"halfWrongIsWeak", answers("a", "WRWR"), {"a"}},
                      WeakCase{"lessThanHalfIsNot", answers("a", "WRRR"), {}},
                      WeakCase{"cutOffCountsAsWrong", answers("a", "UUR"), {"a"}},
                      WeakCase{
                          "olderRightAnswersDoNotCount", answers("a", "WWWWWRRRRRRRRR"), {"a"}},
                      WeakCase{"olderWrongAnswersDoNotCount", answers("a", "WWWWRRRRRRWWWW"), {}},
                      WeakCase{"largerShareFirstThenMoreAnswers",
                               joined({answers("a", "WRW"), answers("b", "WWRW"),
                                       answers("c", "WWWR"), answers("d", "WWW")}),
                               {"d", "b", "c", "a"}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lumora
