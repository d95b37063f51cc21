#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include "data/Cp932.h"
#include "data/MissList.h"
#include "support/AnswerSupport.h"
#include "support/FormHarness.h"
#include "support/QuizSupport.h"

namespace lumora {
namespace {

using testing::fileBytes;
using testing::FormHarness;
using testing::poseTypedQuestion;
using testing::rowOf;
using testing::writeFileBytes;
using Answer = Dialogs::Answer;

const QByteArray kResetFile = "\"0\",\"\",\"\",\"\",\"\",\"\"\r\n";

QString missFile(const FormHarness& h) { return h.soundFolder() + "MemorizeFile.csv"; }

void appendNumber(FormHarness& h, std::int16_t n) {
  h->quizCategory = 1;
  h->currentAnswer = {1, n, 0};
  h->updateMissList(kRememberMiss, 1, QString("漢数詞%1_00.wav").arg(n), QString());
}

TEST(MissCountLabel, ShowsTheCountFollowedByMon) {
  FormHarness h;
  EXPECT_EQ(h->不正解問数->text(), "") << "empty until the list is loaded or changed";
  h->不正解分_Click();
  EXPECT_EQ(h->不正解問数->text(), "0問");
  appendNumber(h, 3);
  appendNumber(h, 4);
  h->不正解分_Click();
  EXPECT_EQ(h->不正解問数->text(), "2問");
}

TEST(MissCountLabel, SelectingTheIncorrectOnlyOrderRefreshesIt) {
  FormHarness h;
  appendNumber(h, 3);
  h->不正解分->setChecked(true);
  EXPECT_EQ(h->不正解問数->text(), "1問");
}

TEST(MissReset, EmptiesTheLabelAndTheCountButKeepsTheEntries) {
  FormHarness h;
  appendNumber(h, 3);
  h->不正解分_Click();
  h->不正解分リセット_Click();
  EXPECT_EQ(h->不正解問数->text(), "");
  EXPECT_EQ(h->missList(0, 0), "0");
  EXPECT_EQ(h->missList(1, 1), "漢数詞3_00.wav");
  h->不正解分_Click();
  EXPECT_EQ(h->不正解問数->text(), "0問");
}

TEST(MissSave, AnEmptyListAsksWhetherToResetTheFile) {
  FormHarness h;
  h.dialogs->answers = {Answer::Yes};
  h->data_save_Click();
  ASSERT_EQ(h.dialogs->shown.size(), 1u);
  EXPECT_EQ(h.dialogs->shown[0].kind, "question");
  EXPECT_EQ(h.dialogs->shown[0].title, "Lumora");
  EXPECT_EQ(h.dialogs->shown[0].text,
            "不正解分のデータ件数が０件です\nファイルをリセットしますか？");
  EXPECT_EQ(fileBytes(missFile(h)), kResetFile);
}

TEST(MissSave, NoOrCancelLeaveTheFileUntouched) {
  for (Answer answer : {Answer::No, Answer::Cancel}) {
    FormHarness h;
    h->data_save_Click();  // no file yet
    EXPECT_FALSE(QFile::exists(missFile(h)));
    const QByteArray previous =
        "\"1\",\"\",\"\",\"\",\"\",\"\"\r\n\"1\",\"a\",\"\",\"1\",\"\",\"1\"\r\n";
    writeFileBytes(missFile(h), previous);
    h.dialogs->answers = {answer};
    h->data_save_Click();
    EXPECT_EQ(fileBytes(missFile(h)), previous);
  }
}

TEST(MissSave, AResetListAsksTheResetQuestion) {
  FormHarness h;
  appendNumber(h, 3);
  h->不正解分リセット_Click();
  h.dialogs->answers = {Answer::Yes};
  h->data_save_Click();
  ASSERT_EQ(h.dialogs->shown.size(), 1u);
  EXPECT_EQ(fileBytes(missFile(h)), kResetFile);
}

TEST(MissSave, TwoWrongAnswersWriteTheCountRecordAndBothEntriesInAnswerOrder) {
  FormHarness h;
  poseTypedQuestion(h.form(), 1, 1, 7, 0, "漢数詞007_00.wav");
  h->Text1->setText("8");
  poseTypedQuestion(h.form(), 9, 1, 10, 0, "番目010_01.wav");
  h->Text1->setText("11");
  h->data_save_Click();
  EXPECT_TRUE(h.dialogs->shown.empty());
  EXPECT_EQ(cp932::decode(fileBytes(missFile(h))),
            QString("\"2\",\"\",\"\",\"\",\"\",\"\"\r\n"
                    "\"1\",\"漢数詞007_00.wav\",\"\",\"7\",\"0\",\"1\"\r\n"
                    "\"1\",\"番目010_01.wav\",\"\",\"10\",\"0\",\"9\"\r\n"));
}

TEST(MissSave, LeavesTheCountLabelAsItWas) {
  FormHarness h;
  appendNumber(h, 3);
  h->data_save_Click();
  EXPECT_EQ(h->不正解問数->text(), "");
}

TEST(MissSave, AFailedSaveIsReportedAndKeepsThePreviousFile) {
  FormHarness h;
  const QByteArray previous =
      "\"1\",\"\",\"\",\"\",\"\",\"\"\r\n\"1\",\"a\",\"\",\"1\",\"\",\"1\"\r\n";
  writeFileBytes(missFile(h), previous);
  h->quizCategory = 1;
  h->updateMissList(kRememberMiss, 1, "한국어.wav", QString());
  h->data_save_Click();
  ASSERT_EQ(h.dialogs->shown.size(), 1u);
  EXPECT_EQ(h.dialogs->shown[0].kind, "warning");
  EXPECT_EQ(h.dialogs->shown[0].title, "Lumora");
  EXPECT_EQ(fileBytes(missFile(h)), previous);
  EXPECT_EQ(h->missList(1, 1), "한국어.wav") << "the list in memory stays";
}

TEST(MissSave, TheResetQuestionStopsARunningTimerBeforeItOpens) {
  FormHarness h;
  h->自動->setChecked(true);
  h->ランダム->setChecked(true);
  testing::tickOnly(h.form(), {h->漢数詞});
  h->出題開始_Click();
  ASSERT_TRUE(h->Timer1.isTicking());
  bool tickingWhileOpen = true;
  h.dialogs->whileOpen = [&] { tickingWhileOpen = h->Timer1.isTicking(); };
  h->data_save_Click();
  ASSERT_EQ(h.dialogs->shown.size(), 1u);
  EXPECT_EQ(h.dialogs->shown[0].kind, "question");
  EXPECT_FALSE(tickingWhileOpen);
  EXPECT_FALSE(h->Timer1.Enabled()) << "the run ends, as after every message of a run";
  EXPECT_TRUE(h->Label8(0)->isHidden());
}

// Japanese throughout, but for the paths, the name of the check tool and the system's own
// text on the detail line.
bool japaneseApartFromPathsAndDetail(QString text, const FormHarness& h) {
  text.remove(h.appFolder()).remove("MemorizeFile.csv").remove("lumora-datacheck");
  const QStringList lines = text.split(u'\n');
  return std::none_of(lines.begin(), lines.end(), [](const QString& line) {
    return !line.startsWith("詳細: ") && line.contains(QRegularExpression("[A-Za-z]"));
  });
}

struct FileFailureCase {
  const char* name;
  bool save;
  void (*prepare)(FormHarness& h);
  const char* cause;
  bool oldFileKept;
  friend void PrintTo(const FileFailureCase& c, std::ostream* os) { *os << c.name; }
};

class FileFailure : public ::testing::TestWithParam<FileFailureCase> {};

TEST_P(FileFailure, IsReportedOnceInJapaneseWithItsCause) {
  const FileFailureCase& c = GetParam();
  FormHarness h;
  appendNumber(h, 3);
  c.prepare(h);
  c.save ? h->data_save_Click() : h->data_load_Click();
  ASSERT_EQ(h.dialogs->shown.size(), 1u);
  const QString& text = h.dialogs->shown[0].text;
  EXPECT_EQ(h.dialogs->shown[0].kind, "warning");
  EXPECT_TRUE(text.startsWith(c.save ? "不正解分のデータを記録できませんでした。\n"
                                     : "不正解分のデータを読み込めませんでした。\n"));
  EXPECT_TRUE(text.contains(c.cause)) << text.toStdString();
  EXPECT_EQ(text.contains("前に記録したファイルはそのまま残っています。"), c.oldFileKept);
  EXPECT_TRUE(japaneseApartFromPathsAndDetail(text, h)) << text.toStdString();
}

void removeSoundFolder(FormHarness& h) { QDir(h.soundFolder()).removeRecursively(); }
void makeFolderInItsPlace(FormHarness& h) { QDir().mkpath(missFile(h)); }
void writeReadOnlyFile(FormHarness& h) {
  writeFileBytes(missFile(h), kResetFile);
  QFile::setPermissions(missFile(h), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
}
void writeFileWithAQuote(FormHarness& h) {
  writeFileBytes(missFile(h), "1,,,,,\r\n1,a\"b,,1,0,1\r\n");
}
void leaveNoFile(FormHarness&) {}

INSTANTIATE_TEST_SUITE_P(
    SaveAndLoad, FileFailure,
    ::testing::Values(
        FileFailureCase{"saveIntoAMissingFolder", true, removeSoundFolder, "見つかりません", false},
        FileFailureCase{"saveOverAFolder", true, makeFolderInItsPlace, "フォルダです", false},
        FileFailureCase{"saveOverAReadOnlyFile", true, writeReadOnlyFile, "読み取り専用です", true},
        FileFailureCase{"loadAMissingFile", false, leaveNoFile, "見つかりません", false},
        FileFailureCase{"loadAFolder", false, makeFolderInItsPlace, "フォルダです", false},
        FileFailureCase{"loadAFieldTheSaveWouldRefuse", false, writeFileWithAQuote,
                        "ダブルクォート", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MissLoad, LoadsTheFileAndRefreshesTheLabel) {
  FormHarness h;
  writeFileBytes(missFile(h), "2,,,,,\r\n1,a.wav,,1,0,1\r\n2,m.wav,d.wav,3,9,5\r\n");
  h->data_load_Click();
  EXPECT_TRUE(h.dialogs->shown.empty());
  EXPECT_EQ(h->不正解問数->text(), "2問");
  EXPECT_EQ(rowOf(h->missList, 2), (QStringList{"2", "m.wav", "d.wav", "3", "9", "5"}));
}

TEST(MissLoad, AMissingFileIsReportedAndTheListStays) {
  FormHarness h;
  appendNumber(h, 3);
  const TextTable before = h->missList;
  h->data_load_Click();
  ASSERT_EQ(h.dialogs->shown.size(), 1u);
  EXPECT_EQ(h.dialogs->shown[0].kind, "warning");
  EXPECT_EQ(h.dialogs->shown[0].title, "Lumora");
  EXPECT_TRUE(h.dialogs->shown[0].text.contains("MemorizeFile.csv"));
  EXPECT_EQ(h->missList, before);
  EXPECT_EQ(h->不正解問数->text(), "1問");
}

TEST(MissUpdate, AFullListShowsAMessageAndLosesNothing) {
  FormHarness h;
  h->missList(0, 0) = QString::number(kMissCapacity);
  h->missList(kMissCapacity, 1) = "last.wav";
  const TextTable before = h->missList;
  appendNumber(h, 3);
  ASSERT_EQ(h.dialogs->shown.size(), 1u);
  EXPECT_EQ(h.dialogs->shown[0].kind, "warning");
  EXPECT_EQ(h->missList, before);
}

TEST(MissUpdate, OnlyOperationsOneAndTwoChangeTheList) {
  FormHarness h;
  h->quizCategory = 1;
  h->updateMissList(0, 1, "a.wav", QString());
  h->updateMissList(3, 1, "a.wav", QString());
  EXPECT_EQ(h->missList(0, 0), "");
  h->updateMissList(kRememberMiss, 1, "a.wav", QString());
  EXPECT_EQ(h->missList(0, 0), "1");
  h->quizCategory = 0;  // removal does not look at the category
  h->updateMissList(kForgetMiss, 1, "a.wav", QString());
  EXPECT_EQ(h->missList(0, 0), "0");
}

}  // namespace
}  // namespace lumora
