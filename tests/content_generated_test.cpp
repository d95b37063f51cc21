#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QtEndian>
#include <iostream>
#include <map>
#include <optional>

#include "ContentBuilder.h"
#include "DataCheck.h"
#include "Loudness.h"
#include "Pcm.h"
#include "SyllablePicture.h"
#include "data/Cp932.h"
#include "data/RecordReader.h"
#include "data/RecordingNames.h"

// The folders the build put beside the program, or those of LUMORA_CHECKED_APP_DIR: the studio's
// end-to-end test checks what it recorded with these tests.
namespace lumora::contentgen {
namespace {

const QString kAppFolder =
    qEnvironmentVariable("LUMORA_CHECKED_APP_DIR", QStringLiteral(LUMORA_GENERATED_APP_DIR));

QString soundPath(const QString& name) {
  return kAppFolder + u'/' + names::kSoundFolder + u'/' + name;
}

QByteArray readAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(GeneratedContent, DataCheckFindsNothingMissingAndEveryRecordingGenerated) {
  const auto check = datacheck::checkAppFolder(kAppFolder);
  for (const auto& problem : check.problems) ADD_FAILURE() << problem.text().toStdString();
  EXPECT_TRUE(check.problems.empty());
  EXPECT_EQ(check.teachersRecordings, 0);
}

struct TableCase {
  QString name;
  int rows;
  int columns;
};

void PrintTo(const TableCase& table, std::ostream* out) { *out << table.name.toStdString(); }

class GeneratedTableTest : public testing::TestWithParam<TableCase> {};

TEST_P(GeneratedTableTest, IsCp932WithCrLfAndLoads) {
  const QByteArray bytes = readAll(soundPath(GetParam().name));
  ASSERT_FALSE(bytes.isEmpty());
  EXPECT_TRUE(bytes.endsWith("\r\n"));
  EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n"));
  EXPECT_TRUE(cp932::decode(bytes).has_value());
  EXPECT_FALSE(bytes.contains("\xef\xbb\xbf"));  // no UTF-8 byte-order mark

  TextTable table(GetParam().rows, GetParam().columns);
  const TableReadResult result = readRecordFile(soundPath(GetParam().name), table);
  ASSERT_TRUE(result.ok) << result.error.toStdString();
  EXPECT_EQ(result.records, bytes.count("\r\n"));
}

INSTANTIATE_TEST_SUITE_P(GeneratedContent, GeneratedTableTest,
                         testing::Values(TableCase{names::kHardSoundTable, 51, 6},
                                         TableCase{names::kSplitSoundTable, 17, 4}));

TEST(GeneratedContent, SplitTableHasSeventeenRecordsAndTheHalfHourInShiftJis) {
  TextTable table(17, 4);
  ASSERT_EQ(readRecordFile(soundPath(names::kSplitSoundTable), table).records, 17);
  EXPECT_EQ(table(1, 1), QStringLiteral("1"));
  EXPECT_EQ(table(16, 2), QStringLiteral("30"));
  // 半 is 0x94 0xBC in Shift_JIS; the half-hour row's name part holds it.
  EXPECT_TRUE(readAll(soundPath(names::kSplitSoundTable)).contains("\"30\x94\xbc\""));
}

TEST(GeneratedContent, HardSoundTableHoldsItsRowCountAndThatManyRows) {
  TextTable table(51, 6);
  const TableReadResult result = readRecordFile(soundPath(names::kHardSoundTable), table);
  const int rows = table(0, 0).toInt();
  EXPECT_GE(rows, 15);
  EXPECT_EQ(result.records, rows + 1);
}

// The header fields and samples of a canonical 16-bit mono PCM WAV file.
struct Wave {
  bool canonical = false;
  int sampleRate = 0;
  std::vector<std::int16_t> samples;
};

Wave readWave(const QByteArray& bytes) {
  Wave wave;
  if (bytes.size() < 44) return wave;
  const auto u32 = [&](int offset) {
    return qFromLittleEndian<quint32>(bytes.constData() + offset);
  };
  const auto u16 = [&](int offset) {
    return qFromLittleEndian<quint16>(bytes.constData() + offset);
  };
  const qsizetype dataEnd = 44 + qsizetype{u32(40)};
  wave.canonical = bytes.startsWith("RIFF") && u32(4) == quint32(bytes.size() - 8) &&
                   bytes.mid(8, 8) == "WAVEfmt " && u32(16) == 16 && u16(20) == 1 && u16(22) == 1 &&
                   u16(34) == 16 && u32(28) == 2 * u32(24) && bytes.mid(36, 4) == "data" &&
                   dataEnd <= bytes.size();
  wave.sampleRate = static_cast<int>(u32(24));
  for (qsizetype offset = 44; offset + 1 < std::min(dataEnd, bytes.size()); offset += 2) {
    wave.samples.push_back(qFromLittleEndian<qint16>(bytes.constData() + offset));
  }
  return wave;
}

// Every generated speech recording (the buzzers end in upper-case .WAV).
QStringList spokenRecordings() {
  return QDir(kAppFolder + u'/' + names::kSoundFolder)
      .entryList({QStringLiteral("*.wav")}, QDir::Files | QDir::CaseSensitive);
}

TEST(GeneratedContent, EveryRecordingIsMono16BitPcm) {
  const QStringList files =
      spokenRecordings() + QStringList{names::kCorrectBuzzer, names::kWrongBuzzer};
  EXPECT_GE(files.size(), 300);
  for (const QString& name : files) {
    const Wave wave = readWave(readAll(soundPath(name)));
    EXPECT_TRUE(wave.canonical) << name.toStdString();
    EXPECT_EQ(wave.sampleRate, kContentSampleRate) << name.toStdString();
  }
}

// Milliseconds of sound before the first and after the last audible sample.
std::pair<double, double> silenceAtTheEnds(const Wave& wave) {
  const auto audible = [](std::int16_t s) { return std::abs(int{s}) >= kSilenceThreshold; };
  const auto first = std::find_if(wave.samples.begin(), wave.samples.end(), audible);
  const auto last = std::find_if(wave.samples.rbegin(), wave.samples.rend(), audible);
  const double msPerSample = 1000.0 / wave.sampleRate;
  return {(first - wave.samples.begin()) * msPerSample,
          (last - wave.samples.rbegin()) * msPerSample};
}

TEST(GeneratedContent, SpeechStartsAtOnceAndEndsWithoutTrailingSilence) {
  const double allowedMs = kSpeechMarginSeconds * 1000 + 1;
  for (const QString& name : spokenRecordings()) {
    const Wave wave = readWave(readAll(soundPath(name)));
    ASSERT_GT(wave.samples.size(), 1000u) << name.toStdString();
    const auto [leading, trailing] = silenceAtTheEnds(wave);
    EXPECT_LE(leading, allowedMs) << name.toStdString();
    EXPECT_LE(trailing, allowedMs) << name.toStdString();
  }
}

// Trimming after the scaling and rounding to 16 bits move the loudness a little.
constexpr double kLoudnessTolerance = 0.5;

// Every recording and both buzzers at one loudness, none clipped; the build's figures are
// printed for the record.
TEST(GeneratedContent, EverySoundIsAtTheTargetLoudness) {
  double speechLow = HUGE_VAL;
  double speechHigh = -HUGE_VAL;
  std::map<QString, double> buzzers;
  const QStringList buzzerNames{names::kCorrectBuzzer, names::kWrongBuzzer};
  for (const QString& name : spokenRecordings() + buzzerNames) {
    const Wave wave = readWave(readAll(soundPath(name)));
    const Pcm sound{wave.sampleRate, wave.samples};
    const std::optional<double> loudness = loudnessOf(sound);
    ASSERT_TRUE(loudness) << name.toStdString();
    EXPECT_LE(*loudness, kTargetLoudness + kLoudnessTolerance) << name.toStdString();
    EXPECT_LE(peakOf(sound), kPeakLimit) << name.toStdString();
    // Quieter than the target only where the peak cap holds the sound back.
    if (*loudness < kTargetLoudness - kLoudnessTolerance) {
      EXPECT_GE(peakOf(sound), kPeakLimit - 2) << name.toStdString();
    }
    if (buzzerNames.contains(name)) {
      buzzers[name] = *loudness;
    } else {
      speechLow = std::min(speechLow, *loudness);
      speechHigh = std::max(speechHigh, *loudness);
    }
  }
  std::cout << "speech " << speechLow << " to " << speechHigh << " LUFS";
  for (const auto& [name, loudness] : buzzers) {
    EXPECT_NEAR(loudness, (speechLow + speechHigh) / 2, 2.0) << name.toStdString();
    std::cout << ", " << name.toStdString() << ' ' << loudness << " LUFS";
  }
  std::cout << '\n';
}

TEST(GeneratedContent, PicturesShowADarkSyllableCentredOnALightGround) {
  const QStringList pictures = QDir(kAppFolder + u'/' + names::kPictureFolder)
                                   .entryList({QStringLiteral("*.JPG")}, QDir::Files);
  EXPECT_GE(pictures.size(), 45);
  for (const QString& name : pictures) {
    const QImage image(kAppFolder + u'/' + names::kPictureFolder + u'/' + name);
    ASSERT_FALSE(image.isNull()) << name.toStdString();
    EXPECT_EQ(image.size(), QSize(kPictureWidth, kPictureHeight));
    int darkInCentre = 0;
    int darkAtEdges = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        if (qGray(image.pixel(x, y)) >= 100) continue;
        const bool centre = std::abs(x - image.width() / 2) < image.width() * 2 / 5 &&
                            std::abs(y - image.height() / 2) < image.height() * 2 / 5;
        ++(centre ? darkInCentre : darkAtEdges);
      }
    }
    EXPECT_GT(darkInCentre, 500) << name.toStdString();
    EXPECT_EQ(darkAtEdges, 0) << name.toStdString();
  }
}

}  // namespace
}  // namespace lumora::contentgen
