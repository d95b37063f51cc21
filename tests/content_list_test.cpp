#include <gtest/gtest.h>

#include <QSet>
#include <map>

#include "ContentError.h"
#include "ContentList.h"
#include "DataCheck.h"
#include "SoundTableFiles.h"
#include "data/Cp932.h"
#include "data/RecordReader.h"
#include "data/RecordingNames.h"

namespace lumora::contentgen {
namespace {

const ContentList& shippedList() {
  static const ContentList list = readContentList(QStringLiteral(LUMORA_CONTENT_LIST));
  return list;
}

QString koreanOf(const QString& fileName) {
  for (const Recording& recording : shippedList().recordings) {
    if (recording.fileName == fileName) return recording.korean;
  }
  return {};
}

QString hangulOf(const QString& syllableName) {
  for (const Syllable& syllable : shippedList().syllables) {
    if (syllable.name == syllableName) return syllable.hangul;
  }
  return {};
}

struct SpokenCase {
  QString fileName;
  QString korean;
};

void PrintTo(const SpokenCase& spoken, std::ostream* out) { *out << spoken.fileName.toStdString(); }

class ShippedRecordingTest : public testing::TestWithParam<SpokenCase> {};

TEST_P(ShippedRecordingTest, SaysTheRightKoreanWords) {
  EXPECT_EQ(koreanOf(GetParam().fileName), GetParam().korean) << GetParam().fileName.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    ContentList, ShippedRecordingTest,
    testing::Values(SpokenCase{names::sinoNumber(1), QStringLiteral("일")},
                    SpokenCase{names::sinoNumber(11), QStringLiteral("십일")},
                    SpokenCase{names::sinoNumber(20), QStringLiteral("이십")},
                    SpokenCase{names::sinoNumber(99), QStringLiteral("구십구")},
                    SpokenCase{names::sinoNumber(100), QStringLiteral("백")},
                    SpokenCase{names::nativeNumber(1), QStringLiteral("하나")},
                    SpokenCase{names::nativeNumber(4), QStringLiteral("넷")},
                    SpokenCase{names::nativeNumber(10), QStringLiteral("열")},
                    SpokenCase{names::nativeNumber(20), QStringLiteral("스물")},
                    SpokenCase{names::nativeNumber(21), QStringLiteral("스물하나")},
                    SpokenCase{names::nativeNumber(50), QStringLiteral("쉰")},
                    SpokenCase{names::nativeNumber(99), QStringLiteral("아흔아홉")},
                    SpokenCase{names::nativeNumber(100), QStringLiteral("백")},
                    SpokenCase{names::month(1), QStringLiteral("일월")},
                    SpokenCase{names::month(6), QStringLiteral("유월")},
                    SpokenCase{names::month(10), QStringLiteral("시월")},
                    SpokenCase{names::month(12), QStringLiteral("십이월")},
                    SpokenCase{names::day(1), QStringLiteral("일일")},
                    SpokenCase{names::day(31), QStringLiteral("삼십일일")},
                    SpokenCase{names::weekday(1), QStringLiteral("일요일")},
                    SpokenCase{names::weekday(7), QStringLiteral("토요일")},
                    SpokenCase{names::hour(1), QStringLiteral("한 시")},
                    SpokenCase{names::hour(4), QStringLiteral("네 시")},
                    SpokenCase{names::hour(12), QStringLiteral("열두 시")},
                    SpokenCase{names::ordinal(1), QStringLiteral("첫 번째")},
                    SpokenCase{names::ordinal(2), QStringLiteral("두 번째")},
                    SpokenCase{names::ordinal(10), QStringLiteral("열 번째")}));

// The tables as the program loads them from the generator's bytes.
TextTable loadedTable(const QByteArray& bytes, int rows, int columns) {
  TextTable table(rows, columns);
  const auto text = cp932::decode(bytes);
  EXPECT_TRUE(text.has_value());
  EXPECT_TRUE(readRecords(text.value_or(QString()), table).ok);
  return table;
}

TEST(ContentList, SpeaksEveryRecordingTheQuizCanAskFor) {
  const ContentList& list = shippedList();
  QSet<QString> spoken{names::kCorrectBuzzer, names::kWrongBuzzer};
  for (const Recording& recording : list.recordings) spoken.insert(recording.fileName);
  for (const MinuteRow& row : list.minuteRows) spoken.insert(names::minute(row.namePart));
  for (const Syllable& syllable : list.syllables) spoken.insert(names::hardSound(syllable.name));

  const auto required = datacheck::requiredFiles(loadedTable(hardSoundTableFile(list), 51, 6),
                                                 loadedTable(splitSoundTableFile(list), 17, 4));
  int recordings = 0;
  for (const datacheck::RequiredFile& file : required) {
    if (file.kind != datacheck::FileKind::Recording) continue;
    ++recordings;
    EXPECT_TRUE(spoken.contains(file.name)) << file.name.toStdString();
  }
  EXPECT_GE(recordings, 272 + 16 + 2 + 45);
}

TEST(ContentList, MinuteRowsFollowTheTableRules) {
  const auto& rows = shippedList().minuteRows;
  ASSERT_EQ(rows.size(), 16u);
  EXPECT_EQ(rows.front().minute, 0);
  EXPECT_EQ(rows.front().answerCount, 1);
  for (size_t i = 1; i < rows.size(); ++i) EXPECT_EQ(rows[i].answerCount, 2) << i;
  const MinuteRow& halfHour = rows.back();
  EXPECT_EQ(halfHour.minute, 30);
  EXPECT_EQ(halfHour.korean, QStringLiteral("반"));
  EXPECT_EQ(names::minute(halfHour.namePart)[3], u'半');
  for (size_t i = 0; i + 1 < rows.size(); ++i) EXPECT_NE(names::minute(rows[i].namePart)[3], u'半');
}

TEST(ContentList, HasAtLeastFifteenConfusableRowsWithCp932Names) {
  const auto& rows = shippedList().confusableRows;
  EXPECT_GE(rows.size(), 15u);
  for (const ConfusableRow& row : rows) {
    EXPECT_NE(row.flags, (std::array<int, 3>{}));
    for (const QString& name : row.names) EXPECT_TRUE(cp932::encode(name).has_value());
  }
}

TEST(ContentList, SyllableNamesAndHangulCorrespondOneToOne) {
  QSet<QString> names;
  QSet<QString> hangul;
  for (const Syllable& syllable : shippedList().syllables) {
    names.insert(syllable.name.toLower());
    hangul.insert(syllable.hangul);
  }
  EXPECT_EQ(names.size(), static_cast<qsizetype>(shippedList().syllables.size()));
  EXPECT_EQ(hangul.size(), static_cast<qsizetype>(shippedList().syllables.size()));
}

class ConfusableCoverageTest : public testing::TestWithParam<std::array<const char*, 3>> {};

TEST_P(ConfusableCoverageTest, OffersTheSyllablesTogether) {
  QStringList wanted;
  for (const char* hangul : GetParam()) wanted.append(QString::fromUtf8(hangul));
  const bool found =
      std::any_of(shippedList().confusableRows.begin(), shippedList().confusableRows.end(),
                  [&](const ConfusableRow& row) {
                    return QStringList{hangulOf(row.names[0]), hangulOf(row.names[1]),
                                       hangulOf(row.names[2])} == wanted;
                  });
  EXPECT_TRUE(found) << wanted.join(u' ').toStdString();
}

INSTANTIATE_TEST_SUITE_P(ContentList, ConfusableCoverageTest,
                         testing::Values(std::array{"가", "카", "까"}, std::array{"다", "타", "따"},
                                         std::array{"바", "파", "빠"}, std::array{"자", "차", "짜"},
                                         std::array{"어", "오", "우"}, std::array{"으", "우", "이"},
                                         std::array{"애", "에", "예"}, std::array{"여", "요", "유"},
                                         std::array{"와", "워", "왜"}, std::array{"의", "이", "으"},
                                         std::array{"안", "앙", "암"}, std::array{"각", "갓", "갑"},
                                         std::array{"발", "밥", "방"}));

// A valid list: a recording, 16 minute rows with the half hour last, three syllables in a row.
QStringList validLines() {
  QStringList lines{QStringLiteral("# comment"), QStringLiteral("recording\t漢数詞001_00.wav\t일")};
  for (int i = 0; i < 15; ++i) {
    lines.append(QStringLiteral("minute\t%1分\t2\t%1\t%2\t분").arg(i).arg(i, 2, 10, QChar(u'0')));
  }
  lines.append(QStringLiteral("minute\t半\t2\t30\t30半\t반"));
  lines.append(QStringLiteral("syllable\tga\t가"));
  lines.append(QStringLiteral("syllable\tka\t카"));
  lines.append(QStringLiteral("syllable\tkka\t까"));
  lines.append(QStringLiteral("confusable\t1\t0\t1\tga\tka\tkka"));
  return lines;
}

TEST(ContentListParse, ReadsEveryKindOfRecord) {
  QStringList lines = validLines();
  lines.append(QStringLiteral("recording\t漢数詞016_00.wav\t십육\t심뉵"));
  lines.append(QStringLiteral("syllable\tssa\t싸\t[[s-'a]]"));
  lines.append(QStringLiteral("exception\t漢数詞016_00.wav\trise\tbecause"));
  const ContentList list = parseContentList(lines.join(u'\n'));
  const std::vector<Utterance> spoken = utterances(list);
  ASSERT_EQ(spoken.size(), 2u + 16 + 4);
  EXPECT_EQ(spoken[0].pronunciation, QStringLiteral("일"));
  EXPECT_EQ(spoken[0].spoken, QStringLiteral("[['iL]]"));
  EXPECT_EQ(spoken[1].text, QStringLiteral("십육"));
  EXPECT_EQ(spoken[1].pronunciation, QStringLiteral("심뉵"));
  EXPECT_EQ(spoken[1].spoken, QStringLiteral("[[s'imnjuq]]"));
  EXPECT_EQ(spoken.back().fileName, names::hardSound(QStringLiteral("ssa")));
  EXPECT_EQ(spoken.back().pronunciation, QStringLiteral("싸"));
  EXPECT_EQ(spoken.back().spoken, QStringLiteral("[[s-'a]]"));
  EXPECT_EQ(exceptionReason(list, names::sinoNumber(16), QStringLiteral("rise")),
            QStringLiteral("because"));
  EXPECT_TRUE(spoken.back().syllable);
  EXPECT_FALSE(spoken[1].syllable);
  ASSERT_EQ(list.recordings.size(), 2u);
  EXPECT_EQ(list.recordings[0].korean, QStringLiteral("일"));
  ASSERT_EQ(list.minuteRows.size(), 16u);
  EXPECT_EQ(list.minuteRows[3].namePart, QStringLiteral("03"));
  EXPECT_EQ(list.minuteRows[15].minute, 30);
  ASSERT_EQ(list.confusableRows.size(), 1u);
  EXPECT_EQ(list.confusableRows[0].flags, (std::array{1, 0, 1}));
  EXPECT_EQ(list.confusableRows[0].names[2], QStringLiteral("kka"));
}

struct BrokenCase {
  const char* what;
  int line;  // line to replace (1-based) or 0 to append
  const char* text;
  const char* expected;  // part of the error message
};

void PrintTo(const BrokenCase& broken, std::ostream* out) { *out << broken.what; }

class ContentListParseErrorTest : public testing::TestWithParam<BrokenCase> {};

TEST_P(ContentListParseErrorTest, RefusesTheList) {
  QStringList lines = validLines();
  const QString text = QString::fromUtf8(GetParam().text);
  if (GetParam().line == 0) {
    lines.append(text);
  } else {
    lines[GetParam().line - 1] = text;
  }
  try {
    parseContentList(lines.join(u'\n'));
    ADD_FAILURE() << "accepted: " << GetParam().what;
  } catch (const ContentError& error) {
    EXPECT_NE(std::string(error.what()).find(GetParam().expected), std::string::npos)
        << GetParam().what << ": " << error.what();
  }
}

INSTANTIATE_TEST_SUITE_P(
    ContentListParse, ContentListParseErrorTest,
    testing::Values(
        BrokenCase{"unknown kind", 0, "picture\tx.JPG", "line 23: unknown record kind"},
        BrokenCase{"missing field", 2, "recording\t漢数詞001_00.wav", "line 2: recording needs 3"},
        BrokenCase{"field after spoken as", 2, "recording\t漢数詞001_00.wav\t일\t일\t일",
                   "recording needs 3 or 4 tab-separated fields, found 5"},
        BrokenCase{"empty spoken as", 2, "recording\t漢数詞001_00.wav\t일\t", "empty field"},
        BrokenCase{"empty text", 2, "recording\t漢数詞001_00.wav\t ", "line 2: empty field"},
        BrokenCase{"folder in a name", 2, "recording\t../x.wav\t일", "not a plain .wav"},
        BrokenCase{"not a wav", 2, "recording\tMemorizeFile.csv\t일", "not a plain .wav"},
        BrokenCase{"answer count 3", 3, "minute\t0分\t3\t0\t00\t분", "line 3: \"3\" is not"},
        BrokenCase{"minute 60", 3, "minute\t0分\t2\t60\t00\t분", "from 0 to 59"},
        BrokenCase{"seventeen minute rows", 0, "minute\t1分\t2\t1\t99\t분", "17 minute rows"},
        BrokenCase{"half hour not last", 18, "minute\t半\t2\t30\t30分\t반", "only the last row"},
        BrokenCase{"Hangul file name", 19, "syllable\t가\t가", "not lower-case ASCII"},
        BrokenCase{"upper case name", 19, "syllable\tGa\t가", "not lower-case ASCII"},
        BrokenCase{"same Hangul twice", 20, "syllable\tka\t가", "listed twice"},
        BrokenCase{"unknown syllable", 22, "confusable\t1\t1\t1\tga\tka\tgga", "\"gga\" is not"},
        BrokenCase{"no answer flag", 22, "confusable\t0\t0\t0\tga\tka\tkka", "every answer flag"},
        BrokenCase{"no confusable row", 22, "# none", "0 confusable rows"},
        BrokenCase{"same file twice", 0, "recording\t分00_00.wav\t영", "written twice"},
        BrokenCase{"unknown target", 0, "exception\t漢数詞001_00.wav\tloud\twhy",
                   "\"loud\" is not a target"},
        BrokenCase{"exception for no file", 0, "exception\t漢数詞002_00.wav\trise\twhy",
                   "line 23: 漢数詞002_00.wav is not a spoken file"}));

}  // namespace
}  // namespace lumora::contentgen
