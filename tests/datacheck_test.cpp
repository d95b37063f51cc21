#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "DataCheck.h"
#include "WaveFile.h"
#include "data/Cp932.h"
#include "data/GeneratorTag.h"
#include "data/RecordWriter.h"
#include "data/RecordingFault.h"
#include "data/RecordingNames.h"

namespace lumora::datacheck {
namespace {

// Numbers 1-100 twice, months, days, weekdays, hours, ordinals.
constexpr int kNumberedRecordings = 100 + 100 + 12 + 31 + 7 + 12 + 10;
constexpr int kFixedFiles = 2 + 2;  // the tables and the buzzers

TextTable hardTable(const QString& rowCount, const std::vector<QStringList>& rows) {
  TextTable table(51, 6);
  table(0, 0) = rowCount;
  for (size_t r = 0; r < rows.size(); ++r) {
    for (int c = 0; c < 6; ++c) table(static_cast<int>(r) + 1, c) = rows[r][c];
  }
  return table;
}

TextTable splitTable() {
  TextTable table(17, 4);
  for (int row = 1; row <= 16; ++row) {
    table(row, 0) = QStringLiteral("%1分").arg(row);
    table(row, 1) = QStringLiteral("2");
    table(row, 2) = QString::number(row);
    table(row, 3) =
        row == 16 ? QStringLiteral("30半") : QStringLiteral("%1").arg(row, 2, 10, QChar(u'0'));
  }
  return table;
}

const std::vector<QStringList> kTwoRows{{"1", "1", "1", "ga", "ka", "kka"},
                                        {"1", "0", "0", "ka", "kka", "o"}};

struct CountCase {
  const char* what;
  QString rowCount;
  int syllables;  // distinct syllable names that must be present
};

void PrintTo(const CountCase& count, std::ostream* out) { *out << count.what; }

class RequiredFilesTest : public testing::TestWithParam<CountCase> {};

TEST_P(RequiredFilesTest, ListsEachFileOnce) {
  const auto files = requiredFiles(hardTable(GetParam().rowCount, kTwoRows), splitTable());
  EXPECT_EQ(files.size(), size_t(kFixedFiles + kNumberedRecordings + 16 + 2 * GetParam().syllables))
      << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(DataCheck, RequiredFilesTest,
                         testing::Values(CountCase{"no rows in use", "0", 0},
                                         CountCase{"first row", "1", 3},
                                         CountCase{"shared syllables counted once", "2", 4},
                                         CountCase{"rows beyond the table are ignored", "99", 4},
                                         CountCase{"rounded half to even", "1.5", 4},
                                         CountCase{"not a number", "x", 0}));

TEST(DataCheck, RequiredFilesFollowTheNamingRules) {
  const auto files = requiredFiles(hardTable("1", kTwoRows), splitTable());
  const auto has = [&](const QString& folder, const QString& name, FileKind kind) {
    return std::find(files.begin(), files.end(), RequiredFile{folder, name, kind}) != files.end();
  };
  const QString sound = names::kSoundFolder;
  EXPECT_TRUE(has(sound, names::kHardSoundTable, FileKind::Table));
  EXPECT_TRUE(has(sound, names::kSplitSoundTable, FileKind::Table));
  EXPECT_TRUE(has(sound, QStringLiteral("OK_BZER.WAV"), FileKind::Recording));
  EXPECT_TRUE(has(sound, QStringLiteral("NG_BZER.WAV"), FileKind::Recording));
  EXPECT_TRUE(has(sound, QStringLiteral("漢数詞100_00.wav"), FileKind::Recording));
  EXPECT_TRUE(has(sound, QStringLiteral("固有数詞001_00.wav"), FileKind::Recording));
  EXPECT_TRUE(has(sound, QStringLiteral("月M12_01.wav"), FileKind::Recording));
  EXPECT_TRUE(has(sound, QStringLiteral("日D31_00.wav"), FileKind::Recording));
  EXPECT_TRUE(has(sound, QStringLiteral("土曜7_00.wav"), FileKind::Recording));
  EXPECT_TRUE(has(sound, QStringLiteral("時12時_01.wav"), FileKind::Recording));
  EXPECT_TRUE(has(sound, QStringLiteral("番目010_01.wav"), FileKind::Recording));
  EXPECT_TRUE(has(sound, QStringLiteral("分30半_00.wav"), FileKind::Recording));
  EXPECT_TRUE(has(sound, QStringLiteral("難聴音kka_00.wav"), FileKind::Recording));
  EXPECT_TRUE(has(names::kPictureFolder, QStringLiteral("kka.JPG"), FileKind::Picture));
  EXPECT_FALSE(has(sound, QStringLiteral("漢数詞000_00.wav"), FileKind::Recording));
  EXPECT_FALSE(has(sound, QStringLiteral("難聴音o_00.wav"), FileKind::Recording));
  EXPECT_FALSE(has(sound, names::kMissFile, FileKind::Table));
}

void writeFile(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).path());
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

QByteArray tableBytes(const TextTable& table, int records) {
  QString text;
  for (int row = 0; row < records; ++row) {
    QStringList fields;
    for (int column = 0; column < table.columnCount(); ++column) fields.append(table(row, column));
    text += formatRecord(fields);
  }
  return cp932::encode(text).value();
}

QByteArray tinyJpeg() {
  QImage image(4, 4, QImage::Format_RGB32);
  image.fill(Qt::white);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "JPG");
  return bytes;
}

// A recording of the given number of samples at 8 kHz.
QByteArray recording(int samples) {
  return contentgen::encodeWave({8000, std::vector<std::int16_t>(samples, 1000)});
}

// A folder holding every required file, each valid in the smallest way, every recording as
// the generator tags it, and no generator's manifest.
class CompleteFolderTest : public testing::Test {
 protected:
  void SetUp() override {
    writeTables(hardTable("2", kTwoRows), 3, splitTable(), 17);
    for (const RequiredFile& file : requiredFiles(hardTable("2", kTwoRows), splitTable())) {
      if (file.kind == FileKind::Recording) writeFile(path(file), withGeneratorTag(recording(800)));
      if (file.kind == FileKind::Picture) writeFile(path(file), tinyJpeg());
    }
  }

  void writeTables(const TextTable& hard, int hardRecords, const TextTable& split,
                   int splitRecords) {
    writeFile(soundPath(names::kHardSoundTable), tableBytes(hard, hardRecords));
    writeFile(soundPath(names::kSplitSoundTable), tableBytes(split, splitRecords));
  }

  QString path(const RequiredFile& file) const {
    return folder_.path() + u'/' + file.relativePath();
  }
  QString soundPath(const QString& name) const {
    return folder_.path() + u'/' + names::kSoundFolder + u'/' + name;
  }
  std::vector<QString> problemTexts() const {
    std::vector<QString> texts;
    for (const Problem& problem : checkAppFolder(folder_.path()).problems)
      texts.push_back(problem.text());
    return texts;
  }

  QTemporaryDir folder_;
};

TEST_F(CompleteFolderTest, ReportsNothingWhenEverythingIsThereAndTellsTheVoicesByTheFile) {
  writeFile(soundPath(names::sinoNumber(1)), recording(800));
  QByteArray edited = withGeneratorTag(recording(800));
  edited[100] = 'x';  // by an editor that kept the tag
  writeFile(soundPath(names::kCorrectBuzzer), edited);
  const FolderCheck check = checkAppFolder(folder_.path());
  EXPECT_TRUE(check.problems.empty());
  EXPECT_EQ(check.teachersRecordings, 2);
  const int recordings = kNumberedRecordings + 2 + 16 + 4;  // buzzers, minutes, syllables
  EXPECT_EQ(check.generatedRecordings, recordings - 2);
}

TEST_F(CompleteFolderTest, ReportsEachMissingFile) {
  QFile::remove(soundPath(QStringLiteral("番目003_01.wav")));
  QFile::remove(folder_.path() + u'/' + names::kPictureFolder + QStringLiteral("/o.JPG"));
  const std::vector<QString> expected{
      QStringLiteral("見つかりません: 韓国語ヒヤリング音源/番目003_01.wav"),
      QStringLiteral("見つかりません: ハングル画像/o.JPG")};
  EXPECT_EQ(problemTexts(), expected);
}

TEST_F(CompleteFolderTest, ReportsFilesThatAreNotWhatTheirNameSaysOrThatThePlayerRefuses) {
  writeFile(soundPath(QStringLiteral("月M06_01.wav")), "ID3 an mp3 file renamed");
  QByteArray twelveBits = recording(800);
  twelveBits[34] = 12;  // bits a sample: a sound SDL cannot decode behind a sound header
  writeFile(soundPath(QStringLiteral("月M07_01.wav")), twelveBits);
  writeFile(soundPath(QStringLiteral("月M08_01.wav")), recording(8000 * 31));
  writeFile(folder_.path() + u'/' + names::kPictureFolder + QStringLiteral("/ka.JPG"),
            "not a picture");
  const auto unreadable = [](const char* name, RecordingFault fault) {
    return QStringLiteral("読み込めません: 韓国語ヒヤリング音源/%1（この録音%2）")
        .arg(QString::fromUtf8(name), recordingFaultDescription(fault));
  };
  const std::vector<QString> expected{unreadable("月M06_01.wav", RecordingFault::damaged),
                                      unreadable("月M07_01.wav", RecordingFault::damaged),
                                      unreadable("月M08_01.wav", RecordingFault::beyondLimits),
                                      QStringLiteral("読み込めません: ハングル画像/ka.JPG")};
  EXPECT_EQ(problemTexts(), expected);
}

TEST_F(CompleteFolderTest, ReportsAMissingTableOnce) {
  QFile::remove(soundPath(names::kSplitSoundTable));
  EXPECT_EQ(
      problemTexts(),
      std::vector<QString>{QStringLiteral("見つかりません: 韓国語ヒヤリング音源/分音対応表.csv")});
}

TEST_F(CompleteFolderTest, ReportsATableThatDoesNotLoad) {
  writeFile(soundPath(names::kHardSoundTable), "\"1\",\"2\"\r\n");
  const auto texts = problemTexts();
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_TRUE(texts[0].startsWith(
      QStringLiteral("読み込めません: 韓国語ヒヤリング音源/ハングル難聴音.csv（")))
      << texts[0].toStdString();
}

struct BadTableCase {
  const char* what;
  QString rowCount;
  std::vector<QStringList> rows;
  int splitRecords;
  QString halfHourName;
  const char* expected;
};

void PrintTo(const BadTableCase& bad, std::ostream* out) { *out << bad.what; }

class BadTableTest : public CompleteFolderTest, public testing::WithParamInterface<BadTableCase> {};

TEST_P(BadTableTest, ReportsWhatTheQuizCannotWorkWith) {
  const BadTableCase& bad = GetParam();
  TextTable split = splitTable();
  split(16, 3) = bad.halfHourName;
  writeTables(hardTable(bad.rowCount, bad.rows), static_cast<int>(bad.rows.size()) + 1, split,
              bad.splitRecords);
  const auto texts = problemTexts();
  ASSERT_FALSE(texts.empty()) << bad.what;
  EXPECT_TRUE(texts[0].contains(QString::fromUtf8(bad.expected))) << texts[0].toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    DataCheck, BadTableTest,
    testing::Values(
        BadTableCase{"no rows", "0", kTwoRows, 17, "30半", "行数 0）は 1～50"},
        BadTableCase{"too many rows", "51", kTwoRows, 17, "30半", "行数 51）は 1～50"},
        BadTableCase{"fewer rows than counted", "3", kTwoRows, 17, "30半", "3 行目がありません"},
        BadTableCase{"no flag",
                     "2",
                     {kTwoRows[0], {"0", "", "x", "ka", "kka", "o"}},
                     17,
                     "30半",
                     "2 行目の正解フラグ"},
        BadTableCase{"empty syllable",
                     "2",
                     {kTwoRows[0], {"1", "1", "1", "ka", "", "o"}},
                     17,
                     "30半",
                     "2 行目の音節名"},
        BadTableCase{"short split table", "2", kTwoRows, 16, "30半", "（16 件）"},
        BadTableCase{"half hour unnamed", "2", kTwoRows, 17, "30分", "16 行目（30 分の「半」）"}));

}  // namespace
}  // namespace lumora::datacheck
