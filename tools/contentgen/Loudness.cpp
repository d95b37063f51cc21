#include "Loudness.h"

#include <ebur128.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "ContentError.h"

namespace lumora::contentgen {
namespace {

constexpr double kFullScale = 32768.0;
constexpr double kGatingBlockSeconds = 0.4;

struct StateDeleter {
  void operator()(ebur128_state* state) const { ebur128_destroy(&state); }
};

std::vector<float> asFloat(const Pcm& sound) {
  std::vector<float> samples;
  samples.reserve(sound.samples.size());
  for (const std::int16_t sample : sound.samples) {
    samples.push_back(static_cast<float>(sample / kFullScale));
  }
  return samples;
}

}  // namespace

std::optional<double> loudnessOf(std::span<const float> samples, int sampleRate) {
  const std::unique_ptr<ebur128_state, StateDeleter> state(
      ebur128_init(1, static_cast<unsigned long>(sampleRate), EBUR128_MODE_I));
  if (!state ||
      ebur128_add_frames_float(state.get(), samples.data(), samples.size()) != EBUR128_SUCCESS) {
    throw ContentError(
        QStringLiteral("libebur128 cannot measure a sound at %1 Hz").arg(sampleRate));
  }
  const double seconds = static_cast<double>(samples.size()) / sampleRate;
  double loudness = -HUGE_VAL;
  if (seconds >= kGatingBlockSeconds) {
    ebur128_loudness_global(state.get(), &loudness);
  } else if (seconds >= 0.001) {
    ebur128_loudness_window(state.get(), static_cast<unsigned long>(seconds * 1000), &loudness);
  }
  if (!std::isfinite(loudness)) return std::nullopt;
  return loudness;
}

std::optional<double> loudnessOf(const Pcm& sound) {
  return loudnessOf(asFloat(sound), sound.sampleRate);
}

double gainToTarget(std::optional<double> loudness, double peak) {
  if (!loudness || peak <= 0) return 1;
  return std::min(std::pow(10.0, (kTargetLoudness - *loudness) / 20),
                  kPeakLimit / kFullScale / peak);
}

int peakOf(const Pcm& sound) {
  int peak = 0;
  for (const std::int16_t sample : sound.samples) peak = std::max(peak, std::abs(int{sample}));
  return peak;
}

Pcm normalizeLoudness(const Pcm& sound) {
  const double gain = gainToTarget(loudnessOf(sound), peakOf(sound) / kFullScale);
  Pcm scaled{sound.sampleRate, {}};
  scaled.samples.reserve(sound.samples.size());
  for (const std::int16_t sample : sound.samples) {
    scaled.samples.push_back(static_cast<std::int16_t>(std::lround(sample * gain)));
  }
  return scaled;
}

}  // namespace lumora::contentgen
