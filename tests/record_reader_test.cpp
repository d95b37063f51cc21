#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "data/Cp932.h"
#include "data/RecordReader.h"
#include "data/RecordWriter.h"

namespace lumora {
namespace {

struct SplitCase {
  const char* name;
  const char16_t* text;
  QStringList fields;
  friend void PrintTo(const SplitCase& c, std::ostream* os) { *os << c.name; }
};

class SplitFieldsTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitFieldsTest, YieldsTheFieldsInOrder) {
  EXPECT_EQ(splitFields(QString::fromUtf16(GetParam().text)), GetParam().fields);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SplitFieldsTest,
    ::testing::Values(SplitCase{"plain", u"a,b,c\r\n", {"a", "b", "c"}},
                      SplitCase{"quoted", u"\"a\",\"b\"\r\n", {"a", "b"}},
                      SplitCase{"quoted_comma", u"\"タイトル,副題\",x\r\n", {"タイトル,副題", "x"}},
                      SplitCase{"blanks_before", u"  a,   \"b\",\tc\r\n", {"a", "b", "c"}},
                      SplitCase{"blanks_after", u"a  ,b \r\n", {"a", "b"}},
                      SplitCase{"empty_fields", u"a,,c\r\n", {"a", "", "c"}},
                      SplitCase{"trailing_comma", u"a,b,\r\n", {"a", "b", ""}},
                      SplitCase{"quoted_empty", u"\"0\",\"\",\"\"\r\n", {"0", "", ""}},
                      SplitCase{"lf_only", u"a,b\nc,d\n", {"a", "b", "c", "d"}},
                      SplitCase{"no_final_line_end", u"a,b", {"a", "b"}},
                      SplitCase{
                          "blank_lines_skipped", u"a,b\r\n\r\n  \r\nc,d\r\n", {"a", "b", "c", "d"}},
                      SplitCase{"after_closing_quote", u"\"a\" x,b", {"a", "b"}},
                      SplitCase{"unclosed_quote", u"\"a,b", {"a,b"}}),
    [](const auto& info) { return info.param.name; });

TEST(ReadRecords, RecordsAreTakenFieldByFieldWhateverTheLines) {
  TextTable oneLine(3, 2), split(3, 2), packed(3, 2);
  ASSERT_TRUE(readRecords("a,b\r\nc,d\r\n", oneLine).ok);
  ASSERT_TRUE(readRecords("a\r\nb\r\nc,d", split).ok);
  ASSERT_TRUE(readRecords("a,b,c,d\r\n", packed).ok);
  EXPECT_EQ(oneLine, packed);
  EXPECT_EQ(oneLine, split);
}

TEST(ReadRecords, SplitRecordOverTwoLinesLoadsLikeOneLine) {
  TextTable oneLine(2, 4), twoLines(2, 4);
  ASSERT_TRUE(readRecords("1,2,3,4\r\n", oneLine).ok);
  ASSERT_TRUE(readRecords("1,2\r\n3,4\r\n", twoLines).ok);
  EXPECT_EQ(oneLine, twoLines);
}

struct CountCase {
  int rows;
  int records;
  bool ok;
  friend void PrintTo(const CountCase& c, std::ostream* os) {
    *os << c.records << " records into " << c.rows << " rows";
  }
};

class RecordCountTest : public ::testing::TestWithParam<CountCase> {};

TEST_P(RecordCountTest, FailsOnlyBeyondTheLastRow) {
  QString text;
  for (int i = 0; i < GetParam().records; ++i) text += QStringLiteral("%1,x\r\n").arg(i);
  TextTable table(GetParam().rows, 2);
  const TableReadResult result = readRecords(text, table);
  EXPECT_EQ(result.ok, GetParam().ok);
  if (result.ok) {
    EXPECT_EQ(result.records, GetParam().records);
    EXPECT_EQ(table(GetParam().records - 1, 0), QString::number(GetParam().records - 1));
  } else {
    EXPECT_FALSE(result.error.isEmpty());
    EXPECT_EQ(table, TextTable(GetParam().rows, 2));  // untouched
  }
}

INSTANTIATE_TEST_SUITE_P(Counts, RecordCountTest,
                         ::testing::Values(CountCase{51, 51, true}, CountCase{51, 52, false},
                                           CountCase{17, 17, true}, CountCase{17, 18, false},
                                           CountCase{17, 1, true}));

TEST(ReadRecords, FileEndingInsideARecordFails) {
  TextTable table(17, 4);
  const TableReadResult result = readRecords("a,b,c,d\r\ne,f\r\n", table);
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(table, TextTable(17, 4));
}

TEST(ReadRecords, RowsTheFileDoesNotReachStayEmpty) {
  TextTable table(5, 2);
  ASSERT_TRUE(readRecords("a,b\r\n", table).ok);
  EXPECT_EQ(table(1, 0), "");
  EXPECT_EQ(table(4, 1), "");
}

class RecordFileTest : public ::testing::Test {
 protected:
  QString write(const QByteArray& bytes) {
    const QString path = dir.filePath(QStringLiteral("分音対応表.csv"));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
  }
  QTemporaryDir dir;
};

TEST_F(RecordFileTest, DecodesCp932) {
  const QString text =
      formatRecord({"分", "個数", "分値", "名前"}) + formatRecord({"30分", "2", "30", "30半"});
  const auto bytes = cp932::encode(text);
  ASSERT_TRUE(bytes);
  TextTable table(17, 4);
  ASSERT_TRUE(readRecordFile(write(*bytes), table).ok);
  EXPECT_EQ(table(0, 0), "分");
  EXPECT_EQ(table(1, 3), "30半");
}

TEST_F(RecordFileTest, MissingFileNamesTheFile) {
  TextTable table(17, 4);
  const TableReadResult result = readRecordFile(dir.filePath("none.csv"), table);
  EXPECT_FALSE(result.ok);
  EXPECT_TRUE(result.error.contains("none.csv"));
}

TEST_F(RecordFileTest, BytesThatAreNotCp932Fail) {
  TextTable table(17, 4);
  const TableReadResult result = readRecordFile(write("\x81\x20,b,c,d\r\n"), table);
  EXPECT_FALSE(result.ok);
  EXPECT_TRUE(result.error.contains("分音対応表.csv"));
}

TEST(Cp932, RoundTripsJapaneseAndRefusesHangul) {
  const QString text = QStringLiteral("韓国語ヒヤリング音源 〇 Ｘ ﾓｰﾄﾞ");
  const auto bytes = cp932::encode(text);
  ASSERT_TRUE(bytes);
  EXPECT_EQ(bytes->left(2), QByteArray("\x8A\xD8"));  // 韓
  EXPECT_EQ(cp932::decode(*bytes), text);
  EXPECT_FALSE(cp932::encode(QStringLiteral("한")));
}

TEST(FormatRecord, QuotesEveryFieldAndEndsWithCrLf) {
  EXPECT_EQ(formatRecord({"0", "", "", "", "", ""}), "\"0\",\"\",\"\",\"\",\"\",\"\"\r\n");
}

}  // namespace
}  // namespace lumora
