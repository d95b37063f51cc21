#include <SDL_mixer.h>
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
// mixer callback, on the real player (SDL's dummy device where the machine has no sound).
namespace lumora {
namespace {

using SteadyClock = std::chrono::steady_clock;

// Set by the mixer thread when it first mixes a non-silent buffer after being armed.
std::atomic<bool> armed{false};
std::atomic<SteadyClock::rep> firstSamplesAt{0};

void notePostMix(void*, Uint8* stream, int length) {
  if (!armed.load()) return;
  if (std::any_of(stream, stream + length, [](Uint8 byte) { return byte != 0; })) {
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
  audio.playAsync(path);
  while (armed && SteadyClock::now() - start < std::chrono::seconds(1)) std::this_thread::yield();
  if (armed.exchange(false)) return -1;
  const SteadyClock::time_point at{SteadyClock::duration(firstSamplesAt.load())};
  return std::chrono::duration<double, std::milli>(at - start).count();
}

void playToFirstSamples(benchmark::State& state, bool cached) {
  QTemporaryDir dir;
  auto audio = makeSdlAudioOutput();
  const QString replayed = writeTone(dir, "replayed.wav");
  audio->playAsync(replayed);  // waits for the device and fills the cache
  int frequency = 0;
  Uint16 format = 0;
  int channels = 0;
  if (Mix_QuerySpec(&frequency, &format, &channels) == 0) {
    state.SkipWithError("no audio device");
    return;
  }
  Mix_SetPostMix(notePostMix, nullptr);
  std::vector<double> latencies;
  int file = 0;
  for (auto _ : state) {
    const QString path = cached ? replayed : writeTone(dir, QStringLiteral("%1.wav").arg(++file));
    const double ms = requestToFirstSamples(*audio, path);
    if (ms < 0) {
      state.SkipWithError("the recording never reached the mixer");
      break;
    }
    latencies.push_back(ms);
    state.SetIterationTime(ms / 1000);
  }
  Mix_SetPostMix(nullptr, nullptr);
  if (latencies.empty()) return;
  std::sort(latencies.begin(), latencies.end());
  state.counters["median_ms"] = latencies[latencies.size() / 2];
  state.counters["max_ms"] = latencies.back();
  state.counters["buffer_frames"] = kAudioBufferFrames;
  state.counters["period_ms"] = 1000.0 * kAudioBufferFrames / frequency;
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
