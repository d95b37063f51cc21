#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "WaveFile.h"
#include "sound/SdlAudioOutput.h"

// From a play request to the first samples of the recording handed to the device by the
// device callback, on the real player (SDL's dummy device where the machine has no sound).
namespace lumora {
namespace {

using SteadyClock = std::chrono::steady_clock;

// Set by the device's thread when it first hands over a non-silent buffer after being armed.
std::atomic<bool> armed{false};
std::atomic<SteadyClock::rep> firstSamplesAt{0};
std::atomic<int> deviceRate{0};

void noteBuffer(const std::int16_t* samples, std::size_t count, DeviceFormat format) {
  deviceRate = format.rate;
  if (!armed.load()) return;
  if (std::any_of(samples, samples + count, [](std::int16_t sample) { return sample != 0; })) {
    firstSamplesAt = SteadyClock::now().time_since_epoch().count();
    armed = false;
  }
}

QString writeTone(const QTemporaryDir& dir, const QString& name) {
  std::vector<std::int16_t> samples(4800);
  for (size_t i = 0; i < samples.size(); ++i) samples[i] = (i / 24) % 2 ? 9000 : -9000;
  const QString path = dir.filePath(name);
  QFile file(path);
  file.open(QIODevice::WriteOnly);
  file.write(contentgen::encodeWave({48000, samples}));
  return path;
}

// Milliseconds from the request to the first samples, or a negative number after 1 s.
double requestToFirstSamples(AudioOutput& audio, const QString& path) {
  audio.stop();
  std::this_thread::sleep_for(std::chrono::milliseconds(30));  // silence in the buffers
  armed = true;
  const auto start = SteadyClock::now();
  audio.playAsync(path, PlaySpeed::normal);
  while (armed && SteadyClock::now() - start < std::chrono::seconds(1)) std::this_thread::yield();
  if (armed.exchange(false)) return -1;
  const SteadyClock::time_point at{SteadyClock::duration(firstSamplesAt.load())};
  return std::chrono::duration<double, std::milli>(at - start).count();
}

void playToFirstSamples(benchmark::State& state, bool cached) {
  QTemporaryDir dir;
  auto audio = makeSdlAudioOutput(noteBuffer);
  const QString replayed = writeTone(dir, "replayed.wav");
  audio->playSync(replayed, PlaySpeed::normal);  // waits for the device and fills the cache
  if (deviceRate == 0) {
    state.SkipWithError("no audio device");
    return;
  }
  std::vector<double> latencies;
  int file = 0;
  for (auto _ : state) {
    const QString path = cached ? replayed : writeTone(dir, QStringLiteral("%1.wav").arg(++file));
    const double ms = requestToFirstSamples(*audio, path);
    if (ms < 0) {
      state.SkipWithError("the recording never reached the device");
      break;
    }
    latencies.push_back(ms);
    state.SetIterationTime(ms / 1000);
  }
  if (latencies.empty()) return;
  std::sort(latencies.begin(), latencies.end());
  state.counters["median_ms"] = latencies[latencies.size() / 2];
  state.counters["max_ms"] = latencies.back();
  state.counters["buffer_frames"] = kAudioBufferFrames;
  state.counters["period_ms"] = 1000.0 * kAudioBufferFrames / deviceRate;
}
BENCHMARK_CAPTURE(playToFirstSamples, replay_from_cache, true)
    ->Iterations(60)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(playToFirstSamples, first_play_decodes, false)
    ->Iterations(30)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lumora
