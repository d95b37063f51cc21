#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <functional>

#include "WaveFile.h"
#include "data/RecordingFile.h"
#include "sound/SdlAudioOutput.h"

namespace lumora {
namespace {

// A short, valid recording: a tenth of a second of a loud square wave at 8 kHz.
QByteArray goodWave() {
  std::vector<std::int16_t> samples(800);
  for (size_t i = 0; i < samples.size(); ++i) samples[i] = (i / 20) % 2 ? 8000 : -8000;
  return contentgen::encodeWave({8000, samples});
}

QByteArray withU32(QByteArray bytes, int offset, quint32 value) {
  qToLittleEndian(value, bytes.data() + offset);
  return bytes;
}

// Offsets in the canonical header.
constexpr int kFormatTag = 20;
constexpr int kRate = 24;
constexpr int kByteRate = 28;
constexpr int kBlockAlign = 32;
constexpr int kDataSize = 40;

// IMA ADPCM at 8 kHz, mono, in blocks of 256 bytes of up to 512 frames each, declaring an
// absurd byte rate that would let any length pass.
QByteArray adpcmWave(int dataBytes) {
  QByteArray header = withU32(goodWave().left(44), kFormatTag, 0x0001'0011);
  header = withU32(withU32(header, kByteRate, 0xFFFF'FFFF), kBlockAlign, 0x0004'0100);
  return withU32(header, kDataSize, quint32(dataBytes)) + QByteArray(dataBytes, '\x11');
}

struct FileCase {
  const char* name;
  std::function<void(const QString& path)> make;  // creates the file under test, or not
  std::optional<RecordingFault> expected;
  friend void PrintTo(const FileCase& c, std::ostream* os) { *os << c.name; }
};

std::function<void(const QString&)> bytes(QByteArray content) {
  return [content](const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
  };
}

const std::vector<FileCase> kFileCases = {
    {"good", bytes(goodWave()), std::nullopt},
    {"missing", [](const QString&) {}, RecordingFault::missing},
    {"folder", [](const QString& path) { QDir().mkpath(path); }, RecordingFault::unreadable},
    {"empty", bytes({}), RecordingFault::empty},
    {"text", bytes("this is not a recording at all"), RecordingFault::damaged},
    {"header_only", bytes(goodWave().left(44)), RecordingFault::damaged},
    {"cut_off", bytes(goodWave().left(600)), RecordingFault::damaged},
    {"no_data_chunk", bytes(goodWave().left(36)), RecordingFault::damaged},
    {"rate_1_hz", bytes(withU32(goodWave(), kRate, 1)), RecordingFault::beyondLimits},
    {"rate_7999_hz", bytes(withU32(goodWave(), kRate, 7999)), RecordingFault::beyondLimits},
    {"rate_192_khz", bytes(withU32(goodWave(), kRate, 192000)), std::nullopt},
    {"rate_384_khz", bytes(withU32(goodWave(), kRate, 384000)), RecordingFault::beyondLimits},
    {"declares_31_s", bytes(withU32(goodWave(), kDataSize, 8000 * 2 * 31)),
     RecordingFault::beyondLimits},
    {"adpcm_of_4_s", bytes(adpcmWave(16 * 1024)), std::nullopt},
    {"adpcm_of_33_s_declaring_a_huge_byte_rate", bytes(adpcmWave(128 * 1024)),
     RecordingFault::beyondLimits},
    {"over_16_mib",
     [](const QString& path) {
       QFile file(path);
       ASSERT_TRUE(file.open(QIODevice::WriteOnly));
       file.write(goodWave());
       file.resize(kMaxRecordingBytes + 1);
     },
     RecordingFault::beyondLimits},
};

class RecordingFileTest : public ::testing::TestWithParam<FileCase> {};

TEST_P(RecordingFileTest, IsRefusedFromItsHeaderWithItsCause) {
  QTemporaryDir dir;
  const QString path = dir.filePath("rec.wav");
  GetParam().make(path);
  const auto result = readRecording(path);
  const auto* fault = std::get_if<RecordingFault>(&result);
  EXPECT_EQ(fault ? std::optional(*fault) : std::nullopt, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Files, RecordingFileTest, ::testing::ValuesIn(kFileCases),
                         [](const auto& info) { return info.param.name; });

// The real player on SDL's dummy device: a format the decoder cannot read is damaged; a
// good recording plays to its end, from the file or the cache; a large file is read in the
// background and its fault told later.
TEST(SdlAudioOutput, DecodesOnceAndTellsWhatItCannotDecode) {
  QTemporaryDir dir;
  const QString good = dir.filePath("good.wav");
  const QString unknown = dir.filePath("unknown.wav");
  bytes(goodWave())(good);
  bytes(withU32(goodWave(), kFormatTag, 0x0001'7777))(unknown);  // tag 0x7777, mono
  auto audio = makeSdlAudioOutput();
  EXPECT_EQ(audio->playSync(good, PlaySpeed::normal), std::nullopt);
  ASSERT_TRUE(QFile::remove(good));
  EXPECT_EQ(audio->playSync(good, PlaySpeed::normal), std::nullopt)
      << "a replay reads the file again";
  EXPECT_EQ(audio->playAsync(unknown, PlaySpeed::normal), RecordingFault::damaged);
  EXPECT_EQ(audio->playAsync(dir.filePath("none.wav"), PlaySpeed::slow), RecordingFault::missing);

  std::optional<RecordingFault> late;
  audio->setLateFaultHandler([&late](const QString&, RecordingFault fault) { late = fault; });
  const QString large = dir.filePath("large.wav");
  bytes(QByteArray(1024 * 1024, 'x'))(large);
  EXPECT_EQ(audio->playAsync(large, PlaySpeed::normal), std::nullopt);
  for (QDeadlineTimer limit(10'000); !late && !limit.hasExpired();) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  EXPECT_EQ(late, RecordingFault::damaged);
}

}  // namespace
}  // namespace lumora
