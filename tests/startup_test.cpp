#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QDir>
#include <QFileInfo>

#include "answer/Colours.h"
#include "app/AppFolders.h"
#include "data/RecordingNames.h"
#include "support/FormHarness.h"

namespace lumora {
namespace {

using testing::FormHarness;

QStringList items(QComboBox* box) {
  QStringList list;
  for (int i = 0; i < box->count(); ++i) list << box->itemText(i);
  return list;
}

TEST(FormLoad, FillsTheCombosAndTakesTheDefaultCount) {
  FormHarness h;
  EXPECT_EQ(items(h->出題数Combo(0)), QStringList({"5", "10", "20", "50", "100"}));
  EXPECT_EQ(h->出題数Combo(0)->currentText(), "5");
  EXPECT_EQ(items(h->制限時間Combo(1)), QStringList({"2", "3", "5", "10", "15", "20", "30"}));
  EXPECT_EQ(h->制限時間Combo(1)->currentText(), "5");
  EXPECT_EQ(h->questionCountText.text(), "5");
  EXPECT_EQ(h->questionCount, 5);
}

TEST(FormLoad, ShowsTheIdleLookWithEmptyAnswerButtons) {
  FormHarness h;
  for (int i = 0; i < 3; ++i) {
    EXPECT_FALSE(h->Label6(i)->isHidden());
    EXPECT_EQ(h->Command4(i)->text(), "");
    EXPECT_TRUE(h->Command4(i)->icon().isNull());
    EXPECT_EQ(colours::backColour(h->Command4(i)), colours::kWindowBackground);
    EXPECT_EQ(h->Label3(i)->text(), "");
  }
  EXPECT_FALSE(h->出題数Combo(0)->isHidden());
  EXPECT_FALSE(h->制限時間Combo(1)->isHidden());
  EXPECT_TRUE(h->Label8(0)->isHidden());
  EXPECT_TRUE(h->Label8(1)->isHidden());
  EXPECT_TRUE(h->得点->isHidden());
  EXPECT_FALSE(h->Timer1.Enabled());
  EXPECT_FALSE(h->Timer1.isTicking());
  EXPECT_EQ(h->不正解問数->text(), "");
  EXPECT_EQ(h->missList(0, 0), "");
}

TEST(FormLoad, LeavesEveryOptionAndBoxClear) {
  FormHarness h;
  for (QRadioButton* option : {h->自動, h->手動, h->不正解分, h->ランダム, h->順番通り,
                               h->練習モード, h->テストモード, h->時間制限(6)}) {
    EXPECT_FALSE(option->isChecked()) << option->text().toStdString();
  }
  for (QCheckBox* box :
       {h->漢数詞, h->固有数詞, h->月, h->日, h->月日, h->曜日, h->難聴音, h->時間, h->番目}) {
    EXPECT_FALSE(box->isChecked());
  }
  EXPECT_FALSE(h->順番通り->isEnabled());
  EXPECT_FALSE(h->練習モード->isEnabled());
  EXPECT_FALSE(h->テストモード->isEnabled());
}

TEST(FormLoad, FixesTheFoldersBesideTheProgram) {
  FormHarness h;
  EXPECT_EQ(h->soundDir, h.soundFolder());
  EXPECT_EQ(h->hardSoundDir, h.soundFolder());
  EXPECT_EQ(h->splitTableDir, h.soundFolder());
  EXPECT_EQ(h->imageDir, h.pictureFolder());
}

TEST(FormLoad, LoadsBothTables) {
  FormHarness h;
  EXPECT_EQ(h->hardSoundTable(0, 0), "3");
  EXPECT_EQ(h->hardSoundTable(2, 4), "ta");
  EXPECT_EQ(h->splitSoundTable(16, 3), "30半");
  EXPECT_EQ(h->splitSoundTable(1, 1), "1");
  EXPECT_TRUE(h.dialogs->shown.empty());
}

TEST(FormLoad, WithTablesButNoRecordingsTheWindowOpens) {
  FormHarness h;
  EXPECT_TRUE(QDir(h.soundFolder()).entryList({"*.wav"}).isEmpty());
  EXPECT_TRUE(h.dialogs->shown.empty());
}

struct BrokenTableCase {
  const char* name;
  QString file;
  void (*make)(FormHarness& h, const QString& path);
  const char* says;  // what is wrong, in the learner's words
  friend void PrintTo(const BrokenTableCase& c, std::ostream* os) { *os << c.name; }
};

class BrokenTableTest : public ::testing::TestWithParam<BrokenTableCase> {};

// Only new clock-time questions need the minute table: without it the window opens with
// 時間 disabled, its tool tip saying why.
TEST_P(BrokenTableTest, SaysWhichFileAndWhyAndOnlyTheSyllableTableStopsStartUp) {
  FormHarness h(false);
  const BrokenTableCase& c = GetParam();
  const QString path = h.soundFolder() + c.file;
  QFile::remove(path);
  c.make(h, path);
  const bool minuteTable = c.file == names::kSplitSoundTable;
  EXPECT_EQ(h->Form_Load(), minuteTable);
  ASSERT_EQ(h.dialogs->shown.size(), 1u);
  const QString& text = h.dialogs->shown[0].text;
  EXPECT_EQ(h.dialogs->shown[0].kind, minuteTable ? "warning" : "critical");
  EXPECT_TRUE(text.contains(c.file));
  EXPECT_TRUE(text.contains(c.says)) << text.toStdString();
  EXPECT_TRUE(text.contains("lumora-datacheck"));
  if (!minuteTable) return;
  EXPECT_FALSE(h->時間->isEnabled());
  EXPECT_TRUE(h->時間->toolTip().contains(c.says)) << h->時間->toolTip().toStdString();
  EXPECT_TRUE(h->漢数詞->isEnabled());
}

template <int records, int width>
void writeRecords(FormHarness& h, const QString& path) {
  h.writeSoundFile(QFileInfo(path).fileName(),
                   QList<QStringList>(records, QStringList(width, "1")));
}

void leaveMissing(FormHarness&, const QString&) {}
void makeFolder(FormHarness&, const QString& path) { QDir().mkpath(path); }
void makePipe(FormHarness&, const QString& path) { ::mkfifo(QFile::encodeName(path), 0644); }
void writeEmpty(FormHarness&, const QString& path) { QFile(path).open(QIODevice::WriteOnly); }
void writeOverOneMebibyte(FormHarness&, const QString& path) {
  QFile file(path);
  file.open(QIODevice::WriteOnly);
  file.write(QByteArray(1024 * 1024 + 1, ','));
}
void writeAnswerCountOfThree(FormHarness& h, const QString&) {
  QList<QStringList> records = testing::defaultSplitSoundRecords();
  records[5][1] = "3";
  h.writeSoundFile(names::kSplitSoundTable, records);
}

INSTANTIATE_TEST_SUITE_P(
    Tables, BrokenTableTest,
    ::testing::Values(
        BrokenTableCase{"hard_missing", names::kHardSoundTable, leaveMissing, "見つかりません"},
        BrokenTableCase{"split_missing", names::kSplitSoundTable, leaveMissing, "見つかりません"},
        BrokenTableCase{"hard_a_folder", names::kHardSoundTable, makeFolder, "フォルダです"},
        BrokenTableCase{"split_a_pipe", names::kSplitSoundTable, makePipe,
                        "普通のファイルではありません"},
        BrokenTableCase{"hard_over_the_size_limit", names::kHardSoundTable, writeOverOneMebibyte,
                        "大きすぎます"},
        BrokenTableCase{"hard_52_records", names::kHardSoundTable, writeRecords<52, 6>,
                        "レコードが多すぎます"},
        BrokenTableCase{"split_18_records", names::kSplitSoundTable, writeRecords<18, 4>,
                        "レコードが多すぎます"},
        BrokenTableCase{"split_cut_short", names::kSplitSoundTable, writeRecords<17, 3>,
                        "項目が足りません"},
        BrokenTableCase{"split_empty", names::kSplitSoundTable, writeEmpty, "17 件が必要です"},
        BrokenTableCase{"split_answer_count_of_3", names::kSplitSoundTable, writeAnswerCountOfThree,
                        "答の数"}),
    [](const auto& info) { return info.param.name; });

TEST(FormLoad, WithoutTheSoundFolderStartUpStops) {
  FormHarness h(false);
  QDir(h.soundFolder()).removeRecursively();
  EXPECT_FALSE(h->Form_Load());
  EXPECT_EQ(h.dialogs->shown.size(), 1u);
}

TEST(FormLoad, AMissingPictureFolderIsReportedOnceAndTheWindowStillOpens) {
  FormHarness h(false);
  QDir(h.pictureFolder()).removeRecursively();
  EXPECT_TRUE(h->Form_Load());
  ASSERT_EQ(h.dialogs->shown.size(), 1u);
  EXPECT_EQ(h.dialogs->shown[0].kind, "warning");
  EXPECT_TRUE(h.dialogs->shown[0].text.contains(h.pictureFolder()));
  EXPECT_TRUE(h.dialogs->shown[0].text.contains("lumora-datacheck"));
}

TEST(QuizDisplay, PrepareShowsTheQuestionNumberAndHidesTheTimeLimit) {
  FormHarness h;
  h->questionNumber = 1.0;
  h->得点->setVisible(true);
  h->prepareQuizDisplay();
  EXPECT_EQ(h->Label8(0)->text(), "問題1問目");
  EXPECT_FALSE(h->Label8(0)->isHidden());
  EXPECT_TRUE(h->Label8(1)->isHidden());
  EXPECT_TRUE(h->Label6(1)->isHidden());
  EXPECT_TRUE(h->Label6(2)->isHidden());
  EXPECT_TRUE(h->制限時間Combo(1)->isHidden());
  EXPECT_TRUE(h->得点->isHidden());
  EXPECT_FALSE(h->Label6(0)->isHidden());
  EXPECT_FALSE(h->出題数Combo(0)->isHidden());
}

TEST(QuizDisplay, ResetTwiceGivesTheSameLookAndKeepsTheTexts) {
  FormHarness h;
  h->questionNumber = 3.0;
  h->prepareQuizDisplay();
  h->resetQuizDisplay();
  h->resetQuizDisplay();
  EXPECT_EQ(h->Label8(0)->text(), "問題3問目");
  EXPECT_EQ(h->Label8(1)->text(), "残り30秒");
  EXPECT_TRUE(h->Label8(0)->isHidden());
  EXPECT_FALSE(h->Label6(1)->isHidden());
  EXPECT_FALSE(h->制限時間Combo(1)->isHidden());
}

TEST(Shutdown, EndingStopsTheTimerAndTheSound) {
  FormHarness h;
  h->Timer1.setInterval(5000);
  h->Timer1.setEnabled(true);
  h->学習終了_Click();
  EXPECT_FALSE(h->Timer1.isTicking());
  EXPECT_EQ(h.sounds.requests.last(), "stop");
}

TEST(DataFolder, JoinsWithOneSeparator) {
  EXPECT_EQ(dataFolder("/opt/lumora", "音"), "/opt/lumora/音/");
  EXPECT_EQ(dataFolder("/opt/lumora/", "音"), "/opt/lumora/音/");
  EXPECT_EQ(dataFolder("/", "音"), "/音/");
}

}  // namespace
}  // namespace lumora
