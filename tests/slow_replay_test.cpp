#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <mutex>
#include <numbers>
#include <vector>

#include "WaveFile.h"
#include "sound/SdlAudioOutput.h"

namespace lumora {
namespace {

// Half a second of a voice-like tone: 150 Hz with its first harmonics, at 22050 Hz.
QByteArray voiceLikeTone() {
  constexpr int kRate = 22050;
  std::vector<std::int16_t> samples(kRate / 2);
  for (size_t i = 0; i < samples.size(); ++i) {
    double value = 0;
    for (int harmonic = 1; harmonic <= 4; ++harmonic) {
      value += std::sin(2 * std::numbers::pi * 150 * harmonic * double(i) / kRate) / harmonic;
    }
    samples[i] = std::int16_t(6000 * value);
  }
  return contentgen::encodeWave({kRate, samples});
}

// From the first sounding sample to the last.
std::vector<std::int16_t> sounding(const std::vector<std::int16_t>& samples) {
  const auto first = std::find_if(samples.begin(), samples.end(), [](auto s) { return s != 0; });
  const auto last = std::find_if(samples.rbegin(), samples.rend(), [](auto s) { return s != 0; });
  if (first == samples.end()) return {};
  return {first, last.base()};
}

// The period, in samples, that best matches the middle of the sound with itself.
int pitchPeriod(const std::vector<std::int16_t>& sound, int rate) {
  const size_t window = size_t(rate) / 20;
  const size_t start = sound.size() / 2 - window;
  int best = 0;
  double bestMatch = -1;
  for (int lag = rate / 400; lag <= rate / 80; ++lag) {
    double match = 0;
    for (size_t i = start; i < start + window; ++i) match += double(sound[i]) * sound[i + lag];
    if (match > bestMatch) bestMatch = match, best = lag;
  }
  return best;
}

// What the real player hands to SDL's device, at each speed: the slowed recording lasts
// 1/0.7 as long, at the same pitch.
TEST(SlowReplay, LastsLongerAtTheSamePitch) {
  QTemporaryDir dir;
  const QString path = dir.filePath("tone.wav");
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(voiceLikeTone());
  file.close();

  std::mutex mutex;
  std::vector<std::int16_t> heard;
  int rate = 0;
  auto audio = makeSdlAudioOutput([&](const std::int16_t* samples, size_t count, DeviceFormat f) {
    const std::lock_guard lock(mutex);
    heard.insert(heard.end(), samples, samples + count);
    rate = f.rate * f.channels;  // mono samples a second, as the tone is the same in all
  });
  std::vector<std::vector<std::int16_t>> played;
  for (PlaySpeed speed : {PlaySpeed::normal, PlaySpeed::slow}) {
    ASSERT_EQ(audio->playSync(path, speed), std::nullopt);
    const std::lock_guard lock(mutex);
    played.push_back(sounding(heard));
    heard.clear();
  }
  ASSERT_GT(played[0].size(), size_t(rate) / 4);
  EXPECT_NEAR(double(played[1].size()) / double(played[0].size()), 1 / kSlowTempo, 0.03);
  EXPECT_NEAR(double(pitchPeriod(played[1], rate)) / pitchPeriod(played[0], rate), 1.0, 0.03);
}

}  // namespace
}  // namespace lumora
