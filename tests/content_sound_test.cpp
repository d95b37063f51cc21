#include <gtest/gtest.h>

#include <pmmintrin.h>
#include <QtEndian>
#include <array>
#include <cmath>
#include <optional>

#include "Buzzers.h"
#include "Loudness.h"
#include "Pcm.h"
#include "SyllableAcoustics.h"
#include "WaveFile.h"

namespace lumora::contentgen {
namespace {

Pcm withSamples(std::vector<std::int16_t> samples) { return {8000, std::move(samples)}; }

struct TrimCase {
  const char* what;
  std::vector<std::int16_t> input;
  int margin;
  std::vector<std::int16_t> expected;
};

void PrintTo(const TrimCase& trim, std::ostream* out) { *out << trim.what; }

class TrimSilenceTest : public testing::TestWithParam<TrimCase> {};

TEST_P(TrimSilenceTest, KeepsTheAudiblePartAndItsMargin) {
  const Pcm trimmed = trimSilence(withSamples(GetParam().input), GetParam().margin);
  EXPECT_EQ(trimmed.samples, GetParam().expected) << GetParam().what;
  EXPECT_EQ(trimmed.sampleRate, 8000);
}

constexpr std::int16_t kQuiet = kSilenceThreshold - 1;
constexpr std::int16_t kLoud = kSilenceThreshold;

INSTANTIATE_TEST_SUITE_P(
    Pcm, TrimSilenceTest,
    testing::Values(
        TrimCase{"silence both sides",
                 {0, 5, kQuiet, kLoud, -9000, kLoud, 3, 0},
                 0,
                 {kLoud, -9000, kLoud}},
        TrimCase{"margin kept", {0, 1, 2, -kLoud, 7, 8, 9}, 2, {1, 2, -kLoud, 7, 8}},
        TrimCase{"margin limited by the ends", {1, kLoud, 2}, 5, {1, kLoud, 2}},
        TrimCase{"negative quiet samples are silence", {-kQuiet, kLoud, -kQuiet}, 0, {kLoud}},
        TrimCase{"all silence", {0, kQuiet, -kQuiet, 0}, 3, {}}, TrimCase{"nothing", {}, 3, {}}));

// A 997 Hz tone of the given peak (full scale 1.0) and length.
Pcm tone(double amplitude, double seconds) {
  Pcm sound{kContentSampleRate, {}};
  for (int i = 0; i < static_cast<int>(seconds * kContentSampleRate); ++i) {
    sound.samples.push_back(static_cast<std::int16_t>(
        std::lround(32767 * amplitude * std::sin(2 * M_PI * 997 * i / kContentSampleRate))));
  }
  return sound;
}

struct MeasureCase {
  const char* what;
  Pcm sound;
  std::optional<double> lufs;
};

void PrintTo(const MeasureCase& measure, std::ostream* out) { *out << measure.what; }

class LoudnessMeasureTest : public testing::TestWithParam<MeasureCase> {};

// BS.1770 calibration: a full-scale 997 Hz tone measures -3.01 LUFS.
TEST_P(LoudnessMeasureTest, FollowsTheCalibrationOfTheStandard) {
  const std::optional<double> measured = loudnessOf(GetParam().sound);
  ASSERT_EQ(measured.has_value(), GetParam().lufs.has_value());
  if (measured) {
    EXPECT_NEAR(*measured, *GetParam().lufs, 0.1);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Loudness, LoudnessMeasureTest,
    testing::Values(MeasureCase{"-20 dBFS tone, 1 s", tone(0.1, 1), -23.01},
                    MeasureCase{"-6 dBFS tone, 2 s", tone(0.5, 2), -9.03},
                    MeasureCase{"syllable shorter than a gating block", tone(0.1, 0.2), -23.01},
                    MeasureCase{"silence", withSamples(std::vector<std::int16_t>(8000)), {}},
                    MeasureCase{"nothing", withSamples({}), {}}));

struct NormalizeCase {
  const char* what;
  Pcm sound;
  bool peakLimited;
};

void PrintTo(const NormalizeCase& normalize, std::ostream* out) { *out << normalize.what; }

class NormalizeLoudnessTest : public testing::TestWithParam<NormalizeCase> {};

TEST_P(NormalizeLoudnessTest, ReachesTheTargetUnlessAPeakWouldPassTheLimit) {
  const Pcm scaled = normalizeLoudness(GetParam().sound);
  const double loudness = loudnessOf(scaled).value_or(-HUGE_VAL);
  if (GetParam().peakLimited) {
    EXPECT_NEAR(peakOf(scaled), kPeakLimit, 1);
    EXPECT_LT(loudness, kTargetLoudness);
  } else {
    EXPECT_NEAR(loudness, kTargetLoudness, 0.1);
    EXPECT_LE(peakOf(scaled), kPeakLimit);
  }
}

// A lone click: reaching the target loudness would clip it.
Pcm click() {
  Pcm sound = tone(0, 1);
  sound.samples[500] = 1000;
  return sound;
}

INSTANTIATE_TEST_SUITE_P(Loudness, NormalizeLoudnessTest,
                         testing::Values(NormalizeCase{"quiet", tone(0.01, 1), false},
                                         NormalizeCase{"loud", tone(0.7, 1), false},
                                         NormalizeCase{"short syllable", tone(0.02, 0.15), false},
                                         NormalizeCase{"click", click(), true}));

TEST(Loudness, NormalizeLeavesSilenceAlone) {
  const Pcm silence = withSamples({0, 0, 0});
  EXPECT_EQ(normalizeLoudness(silence).samples, silence.samples);
}

TEST(WaveFile, ReadsBackWhatItWritesAndNothingElse) {
  const Pcm sound{22050, {1, -2, 0x1234, -32768}};
  const std::optional<Pcm> decoded = decodeWave(encodeWave(sound));
  ASSERT_TRUE(decoded.has_value());
  EXPECT_EQ(decoded->sampleRate, 22050);
  EXPECT_EQ(decoded->samples, sound.samples);
  QByteArray stereo = encodeWave(sound);
  stereo[22] = 2;
  EXPECT_FALSE(decodeWave(stereo).has_value());
  EXPECT_FALSE(decodeWave(encodeWave(sound).left(40)).has_value());
  EXPECT_FALSE(decodeWave("RIFF teacher's own recording").has_value());
}

TEST(WaveFile, WritesTheCanonicalPcmHeaderAndLittleEndianSamples) {
  const QByteArray bytes = encodeWave({22050, {1, -2, 0x1234}});
  ASSERT_EQ(bytes.size(), 44 + 6);
  const auto u32 = [&](int offset) {
    return qFromLittleEndian<quint32>(bytes.constData() + offset);
  };
  const auto u16 = [&](int offset) {
    return qFromLittleEndian<quint16>(bytes.constData() + offset);
  };
  EXPECT_EQ(bytes.left(4), "RIFF");
  EXPECT_EQ(u32(4), 36u + 6u);
  EXPECT_EQ(bytes.mid(8, 8), "WAVEfmt ");
  EXPECT_EQ(u32(16), 16u);
  EXPECT_EQ(u16(20), 1u);  // PCM
  EXPECT_EQ(u16(22), 1u);  // mono
  EXPECT_EQ(u32(24), 22050u);
  EXPECT_EQ(u32(28), 44100u);
  EXPECT_EQ(u16(32), 2u);
  EXPECT_EQ(u16(34), 16u);
  EXPECT_EQ(bytes.mid(36, 4), "data");
  EXPECT_EQ(u32(40), 6u);
  EXPECT_EQ(bytes.mid(44), QByteArray::fromHex("0100feff3412"));
}

// Sign changes per second: twice the frequency of a plain tone.
double zeroCrossingsPerSecond(const Pcm& sound) {
  int crossings = 0;
  for (size_t i = 1; i < sound.samples.size(); ++i) {
    if ((sound.samples[i - 1] < 0) != (sound.samples[i] < 0)) ++crossings;
  }
  return crossings * double(sound.sampleRate) / static_cast<double>(sound.samples.size());
}

double seconds(const Pcm& sound) {
  return static_cast<double>(sound.samples.size()) / sound.sampleRate;
}

TEST(Buzzers, ChimeIsShortAndBrightBuzzIsShortAndLow) {
  const Pcm chime = correctChime();
  const Pcm buzz = wrongBuzz();
  EXPECT_GT(seconds(chime), 0.2);
  EXPECT_LT(seconds(chime), 1.0);
  EXPECT_GT(seconds(buzz), 0.2);
  EXPECT_LT(seconds(buzz), 1.0);
  EXPECT_GT(zeroCrossingsPerSecond(chime), 2000);
  EXPECT_LT(zeroCrossingsPerSecond(buzz), 1000);
}

TEST(Buzzers, StartAndEndQuietlyWithoutClipping) {
  for (const Pcm& sound : {correctChime(), wrongBuzz()}) {
    EXPECT_LT(std::abs(sound.samples.front()), 2000);
    EXPECT_LT(std::abs(sound.samples.back()), 2000);
    for (const std::int16_t sample : sound.samples) ASSERT_LT(std::abs(int{sample}), 32767);
  }
}

// A made-up syllable: silence, `hissMs` of noise, then 300 ms of a buzzy vowel at `vowelHz`.
Pcm syllable(double hissMs, double vowelHz) {
  constexpr int kRate = 22050;
  Pcm sound{kRate, std::vector<std::int16_t>(kRate / 100, 0)};
  std::uint32_t noise = 12345;
  for (int i = 0; i < static_cast<int>(hissMs * kRate / 1000); ++i) {
    noise = noise * 1664525u + 1013904223u;
    sound.samples.push_back(static_cast<std::int16_t>(static_cast<int>(noise >> 20) - 2048));
  }
  for (int i = 0; i < kRate * 3 / 10; ++i) {
    double wave = 0;
    for (int harmonic = 1; harmonic <= 8; ++harmonic) {
      wave += std::sin(2 * M_PI * harmonic * vowelHz * i / kRate) / harmonic;
    }
    sound.samples.push_back(static_cast<std::int16_t>(6000 * wave));
  }
  return sound;
}

struct OnsetCase {
  double hissMs;
  double vowelHz;
};

class SyllableOnsetTest : public testing::TestWithParam<OnsetCase> {};

TEST_P(SyllableOnsetTest, FindsTheBreathBeforeTheVowelAndItsPitch) {
  const SyllableOnset onset = measureOnset(syllable(GetParam().hissMs, GetParam().vowelHz));
  EXPECT_NEAR(onset.voicelessMs, GetParam().hissMs, 10);
  EXPECT_NEAR(onset.pitchHz, GetParam().vowelHz, GetParam().vowelHz * 0.03);
}

INSTANTIATE_TEST_SUITE_P(SyllableAcoustics, SyllableOnsetTest,
                         testing::Values(OnsetCase{0, 120}, OnsetCase{40, 80}, OnsetCase{90, 100},
                                         OnsetCase{180, 220}));

TEST(SyllableAcoustics, DistanceGrowsWithTheDifferenceOfSound) {
  const Pcm plain = syllable(40, 100);
  EXPECT_EQ(spectralDistance(plain, plain), 0);
  const double lowerPitch = spectralDistance(plain, syllable(40, 80));
  const double longerHiss = spectralDistance(plain, syllable(120, 100));
  EXPECT_GT(longerHiss, 3 * lowerPitch);
  EXPECT_DOUBLE_EQ(spectralDistance(syllable(120, 100), plain), longerHiss);
}

// A process that has loaded Debian's SoundTouch flushes tiny numbers to zero; what aubio
// measures must not change with it.
TEST(SyllableAcoustics, MeasuresAlikeWhenTheProcessFlushesTinyNumbersToZero) {
  const Pcm plain = syllable(40, 100);
  const Pcm longer = syllable(120, 80);
  const auto measure = [&] {
    const SyllableOnset onset = measureOnset(longer);
    return std::array<double, 3>{spectralDistance(plain, longer), onset.voicelessMs, onset.pitchHz};
  };
  const std::array<double, 3> expected = measure();
  const unsigned environment = _mm_getcsr();
  _mm_setcsr(environment | _MM_FLUSH_ZERO_ON | _MM_DENORMALS_ZERO_ON);
  const std::array<double, 3> flushed = measure();
  _mm_setcsr(environment);
  EXPECT_EQ(flushed, expected);
}

}  // namespace
}  // namespace lumora::contentgen
