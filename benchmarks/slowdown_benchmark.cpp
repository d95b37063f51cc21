#include <benchmark/benchmark.h>

#include <QFile>
#include <chrono>

#include "WaveFile.h"
#include "data/RecordingNames.h"
#include "sound/AudioOutput.h"
#include "sound/SlowDown.h"

// The time to make the slowed copy of a recording in the device's format (48 kHz mono), as
// a slow replay does once per recording: one of the longest words of the default content,
// and the longest recording the player takes.
namespace lumora {
namespace {

constexpr DeviceFormat kDevice{48000, 1};

DecodedSound decodedOrEmpty(const QByteArray& wave) {
  auto decoded = decodeWave(wave, kDevice);
  if (auto* sound = std::get_if<DecodedSound>(&decoded)) return std::move(*sound);
  return {};
}

QByteArray contentRecording() {
  QFile file(QStringLiteral(LUMORA_APP_DIR "/") + names::kSoundFolder + "/" +
             names::nativeNumber(99));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// 30 s of a gliding tone at 22050 Hz.
QByteArray longestRecording() {
  std::vector<std::int16_t> samples(22050 * 30);
  for (size_t i = 0; i < samples.size(); ++i)
    samples[i] = std::int16_t((i * (i / 4000 + 50)) % 16000);
  return contentgen::encodeWave({22050, samples});
}

void slowing(benchmark::State& state, QByteArray (*recording)()) {
  const DecodedSound sound = decodedOrEmpty(recording());
  if (sound.samples.empty()) {
    state.SkipWithError("no recording");
    return;
  }
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(slowedDown(sound, kSlowTempo));
    state.SetIterationTime(
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  state.counters["recording_s"] = double(sound.samples.size()) / kDevice.rate;
}
BENCHMARK_CAPTURE(slowing, content_固有数詞099, contentRecording)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(slowing, longest_30_s, longestRecording)
    ->Iterations(3)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lumora
