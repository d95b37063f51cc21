#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "data/Cp932.h"
#include "data/MissListFile.h"
#include "data/RecordWriter.h"
#include "data/RecordingNames.h"
#include "support/AnswerSupport.h"

namespace lumora {
namespace {

using testing::fileBytes;
using testing::rowOf;
using testing::writeFileBytes;
using Row = QStringList;

unsigned modeOf(const QString& path) {
  struct stat status {};
  ::stat(qPrintable(path), &status);
  return status.st_mode & 07777;
}

class MissFile : public ::testing::Test {
 protected:
  QString path() const { return dir.filePath("MemorizeFile.csv"); }

  QTemporaryDir dir;
};

TEST_F(MissFile, TheCountRecordOfAnEmptyListIsOneQuotedLine) {
  ASSERT_EQ(writeMissFile(path(), {{"0", "", "", "", "", ""}}), std::nullopt);
  EXPECT_EQ(fileBytes(path()), QByteArray("\"0\",\"\",\"\",\"\",\"\",\"\"\r\n"));
}

TEST_F(MissFile, EntriesAreQuotedCp932LinesEndedByCrLf) {
  const QList<Row> records = {{"2", "", "", "", "", ""},
                              {"1", "漢数詞007_00.wav", "", "7", "0", "1"},
                              {"2", "月M03_01.wav", "日D09_00.wav", "3", "9", "5"}};
  ASSERT_EQ(writeMissFile(path(), records), std::nullopt);
  const QByteArray expected =
      "\"2\",\"\",\"\",\"\",\"\",\"\"\r\n"
      "\"1\",\"\x8a\xbf\x90\x94\x8e\x8c"
      "007_00.wav\",\"\",\"7\",\"0\",\"1\"\r\n"
      "\"2\",\"\x8c\x8eM03_01.wav\",\"\x93\xfa"
      "D09_00.wav\",\"3\",\"9\",\"5\"\r\n";
  EXPECT_EQ(fileBytes(path()), expected);
}

TEST_F(MissFile, ASaveReplacesTheWholeOldFileAndKeepsItsPermissions) {
  writeFileBytes(path(), QByteArray(500, 'x'));
  ASSERT_EQ(::chmod(qPrintable(path()), 0640), 0);
  ASSERT_EQ(writeMissFile(path(), {{"0", "", "", "", "", ""}}), std::nullopt);
  EXPECT_EQ(fileBytes(path()).size(), 20);
  EXPECT_EQ(modeOf(path()), 0640u);
}

TEST_F(MissFile, AReadOnlyFileIsRefusedAndKeepsItsBytesAndMode) {
  const QByteArray previous = "\"0\",\"\",\"\",\"\",\"\",\"\"\r\n";
  writeFileBytes(path(), previous);
  ASSERT_EQ(::chmod(qPrintable(path()), 0444), 0);
  const auto error =
      writeMissFile(path(), {{"1", "", "", "", "", ""}, {"1", "a.wav", "", "1", "0", "1"}});
  ASSERT_NE(error, std::nullopt) << "the superuser too leaves a read-only file alone";
  EXPECT_TRUE(error->contains("読み取り専用")) << error->toStdString();
  EXPECT_EQ(fileBytes(path()), previous);
  EXPECT_EQ(modeOf(path()), 0444u);
}

TEST_F(MissFile, ASaveRemovesTheTemporaryFilesOfAnInterruptedOneAndNothingElse) {
  const QStringList leftovers = {".MemorizeFile.csv.lumora-save-a1B2c3"};
  const QStringList others = {"MemorizeFile.csv.backup", "MemorizeFile.csv.a1B2c3",
                              "MemorizeFile.csv.a1B2c3d", "MemorizeFile.csv.a-B2c3",
                              "Other.csv.a1B2c3"};
  for (const QString& name : leftovers + others) writeFileBytes(dir.filePath(name), "\"1\"");
  ASSERT_EQ(writeMissFile(path(), {{"0", "", "", "", "", ""}}), std::nullopt);
  QStringList expected = others + QStringList{"MemorizeFile.csv"};
  expected.sort();
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name), expected);
}

// A link planted in a folder others can write must not lead the save to a learner's file.
TEST(LinkedMissFile, IsFollowedOnlyWhereNobodyElseCouldHavePlantedIt) {
  const struct {
    unsigned folderMode;
    uid_t linkOwner;
    bool followed;
  } cases[] = {{0700, ::geteuid(), true},
               {0770, ::geteuid(), false},
               {01777, ::geteuid(), false},
               {0700, ::geteuid() + 1, false}};
  for (const auto& c : cases) {
    QTemporaryDir dir;
    const QString link = dir.filePath("list/MemorizeFile.csv");
    writeFileBytes(dir.filePath("notes.txt"), "notes");
    ASSERT_TRUE(QDir(dir.path()).mkdir("list") && QFile::link(dir.filePath("notes.txt"), link));
    if (::lchown(qPrintable(link), c.linkOwner, -1) != 0) continue;  // only root gives links away
    ASSERT_EQ(::chmod(qPrintable(dir.filePath("list")), c.folderMode), 0);
    const auto error = writeMissFile(link, {{"0", "", "", "", "", ""}});
    EXPECT_EQ(fileBytes(dir.filePath("notes.txt")) == "notes", !c.followed) << c.folderMode;
    EXPECT_EQ(error && error->contains("リンク"), !c.followed) << c.folderMode;
  }
}

TEST_F(MissFile, AFailedSaveLeavesThePreviousFileByteIdentical) {
  const QByteArray previous =
      "\"1\",\"\",\"\",\"\",\"\",\"\"\r\n\"1\",\"a.wav\",\"\",\"1\",\"0\",\"1\"\r\n";
  const QList<QList<Row>> unwritable = {
      {{"1", "", "", "", "", ""}, {"1", "가.wav", "", "1", "0", "1"}},  // no CP932 form
      {{"1", "", "", "", "", ""}, {"1", "a\".wav", "", "1", "0", "1"}},
      {{"1", "", "", "", "", ""}, {"1", "a\r\nb.wav", "", "1", "0", "1"}},
  };
  for (const QList<Row>& records : unwritable) {
    writeFileBytes(path(), previous);
    EXPECT_NE(writeMissFile(path(), records), std::nullopt);
    EXPECT_EQ(fileBytes(path()), previous);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"MemorizeFile.csv"})
        << "no half-written file is left behind";
  }
}

TEST_F(MissFile, AFolderThatCannotBeWrittenIsReported) {
  const QString missing = dir.filePath("no such folder/MemorizeFile.csv");
  const auto error = writeMissFile(missing, {{"0", "", "", "", "", ""}});
  ASSERT_NE(error, std::nullopt);
  EXPECT_TRUE(error->contains("no such folder"));
  EXPECT_FALSE(QFile::exists(missing));
}

TEST_F(MissFile, QuotedAndUnquotedFilesLoadAlike) {
  const QList<QByteArray> files = {
      "\"1\",\"\",\"\",\"\",\"\",\"\"\r\n\"2\",\"m.wav\",\"d.wav\",\"3\",\"9\",\"5\"\r\n",
      "1,,,,,\r\n2,m.wav,d.wav,3,9,5\r\n",
      "1,,,,,\n2,m.wav,d.wav,3,9,5",
  };
  for (const QByteArray& bytes : files) {
    writeFileBytes(path(), bytes);
    TextTable list(10001, 6);
    ASSERT_EQ(readMissFile(path(), list), std::nullopt) << bytes.toStdString();
    EXPECT_EQ(rowOf(list, 0), (Row{"1", "", "", "", "", ""}));
    EXPECT_EQ(rowOf(list, 1), (Row{"2", "m.wav", "d.wav", "3", "9", "5"}));
  }
}

TEST_F(MissFile, ALoadKeepsRowsBeyondTheFileAndTakesTheFilesCount) {
  TextTable list(10001, 6);
  list(0, 0) = "10";
  for (int row = 1; row <= 10; ++row) list(row, 1) = QString("old%1.wav").arg(row);
  writeFileBytes(path(), "2,,,,,\r\n1,a.wav,,1,0,1\r\n1,b.wav,,2,0,1\r\n");
  ASSERT_EQ(readMissFile(path(), list), std::nullopt);
  EXPECT_EQ(list(0, 0), "2");
  EXPECT_EQ(list(1, 1), "a.wav");
  EXPECT_EQ(list(2, 1), "b.wav");
  for (int row = 3; row <= 10; ++row) EXPECT_EQ(list(row, 1), QString("old%1.wav").arg(row));
}

TEST_F(MissFile, ACountBelowTheRecordsPresentLoads) {
  writeFileBytes(path(), "1,,,,,\r\n1,a.wav,,1,0,1\r\n1,b.wav,,2,0,1\r\n");
  TextTable list(10001, 6);
  ASSERT_EQ(readMissFile(path(), list), std::nullopt);
  EXPECT_EQ(list(0, 0), "1");
  EXPECT_EQ(list(2, 1), "b.wav");
}

TEST_F(MissFile, AFullListOf10001RecordsLoads) {
  // The widest field each column takes in a real list.
  const Row longest = {"1", names::nativeNumber(100), names::minute("30半"), "100", "55", "9"};
  QString text = formatRecord({"10000", "", "", "", "", ""});
  for (int i = 1; i <= 10000; ++i) text += formatRecord(longest);
  writeFileBytes(path(), *cp932::encode(text));
  TextTable list(10001, 6);
  ASSERT_EQ(readMissFile(path(), list), std::nullopt);
  EXPECT_EQ(list(0, 0), "10000");
  EXPECT_EQ(rowOf(list, 10000), longest);
}

struct BadFile {
  const char* name;
  QByteArray bytes;
  friend void PrintTo(const BadFile& c, std::ostream* os) { *os << c.name; }
};

class UnloadableMissFile : public MissFile, public ::testing::WithParamInterface<BadFile> {};

TEST_P(UnloadableMissFile, IsReportedAndLeavesTheListAsItWas) {
  writeFileBytes(path(), GetParam().bytes);
  TextTable list(10001, 6);
  list(0, 0) = "1";
  list(1, 1) = "kept.wav";
  list(5, 3) = "outside";
  const TextTable before = list;
  EXPECT_NE(readMissFile(path(), list), std::nullopt);
  EXPECT_EQ(list, before);
}

QByteArray recordsOf(int count, const QByteArray& countField) {
  QByteArray bytes = countField + ",,,,,\r\n";
  for (int i = 1; i < count; ++i) bytes += "1,a.wav,,1,0,1\r\n";
  return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Faults, UnloadableMissFile,
    ::testing::Values(BadFile{"empty", ""}, BadFile{"truncatedRecord", "1,,,,,\r\n1,a.wav,,1\r\n"},
                      BadFile{"tooManyRecords", recordsOf(10002, "10001")},
                      BadFile{"negativeCount", recordsOf(3, "-1")},
                      BadFile{"countBeyondTheRecords", recordsOf(3, "3")},
                      BadFile{"countBeyond16Bits", recordsOf(3, "70000")},
                      BadFile{"countNotANumber", recordsOf(3, "two")},
                      BadFile{"emptyCount", recordsOf(3, "")},
                      BadFile{"notCp932", "1,,,,,\r\n1,\x82,,1,0,1\r\n"},
                      BadFile{"quoteInAField", "1,,,,,\r\n1,a\"b.wav,,1,0,1\r\n"},
                      BadFile{"carriageReturnInAField", "1,,,,,\r\n1,a\rb,,1,0,1\r\n"},
                      BadFile{"quoteInTheFreeTitle", "0,a\"b,,,,\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MissFile, AMissingFileIsReportedAndLeavesTheListAsItWas) {
  TextTable list(10001, 6);
  list(0, 0) = "1";
  const TextTable before = list;
  const auto error = readMissFile(path(), list);
  ASSERT_NE(error, std::nullopt);
  EXPECT_TRUE(error->contains("MemorizeFile.csv"));
  EXPECT_EQ(list, before);
}

TEST_F(MissFile, AnOversizedFileIsRefusedUnread) {
  writeFileBytes(path(), QByteArray(4 << 20, ','));  // far over a full list
  TextTable list(10001, 6);
  const TextTable before = list;
  const auto error = readMissFile(path(), list);
  ASSERT_NE(error, std::nullopt);
  EXPECT_TRUE(error->contains("大きすぎます")) << error->toStdString();
  EXPECT_EQ(list, before);
}

TEST_F(MissFile, WhatIsSavedLoadsBackTheSameFreeTitlesIncluded) {
  const QList<Row> records = {{"3", "題", "a,b", "", "", "メモ"},
                              {"1", "番目010_01.wav", "", "10", "0", "9"},
                              {"2", "時05時_01.wav", "分30半_00.wav", "5", "30", "8"},
                              {"2", "難聴音kka_00.wav", "", "1", "", "7"}};
  ASSERT_EQ(writeMissFile(path(), records), std::nullopt);
  TextTable list(10001, 6);
  ASSERT_EQ(readMissFile(path(), list), std::nullopt);
  for (int row = 0; row < records.size(); ++row) EXPECT_EQ(rowOf(list, row), records[row]);
}

}  // namespace
}  // namespace lumora
