#include "Buzzers.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>

namespace lumora::contentgen {
namespace {

// Samples of `seconds` of the wave function of time, full scale 1.0.
Pcm synthesize(double seconds, const std::function<double(double)>& wave) {
  Pcm sound{kBuzzerSampleRate, {}};
  const int count = static_cast<int>(seconds * kBuzzerSampleRate);
  for (int i = 0; i < count; ++i) {
    const double value = std::clamp(wave(double(i) / kBuzzerSampleRate), -1.0, 1.0);
    sound.samples.push_back(static_cast<std::int16_t>(std::lround(value * 32767)));
  }
  return sound;
}

double sine(double frequency, double t) { return std::sin(2 * std::numbers::pi * frequency * t); }

// A struck bell-like note from `start` on: quick attack, exponential decay, silent before.
double bellNote(double frequency, double start, double t) {
  const double local = t - start;
  if (local < 0) return 0;
  const double envelope = std::min(local / 0.004, 1.0) * std::exp(-local * 9);
  return envelope * (sine(frequency, local) + 0.3 * sine(2 * frequency, local));
}

}  // namespace

Pcm correctChime() {
  constexpr double kFirst = 1318.5;   // E6
  constexpr double kSecond = 1760.0;  // A6
  return synthesize(
      0.45, [](double t) { return 0.35 * (bellNote(kFirst, 0, t) + bellNote(kSecond, 0.09, t)); });
}

Pcm wrongBuzz() {
  constexpr double kFundamental = 110.0;  // A2
  constexpr double kLength = 0.4;
  return synthesize(kLength, [](double t) {
    // Odd harmonics make the square-ish, buzzing tone; short ramps avoid clicks.
    double wave = 0;
    for (int harmonic = 1; harmonic <= 9; harmonic += 2) {
      wave += sine(kFundamental * harmonic, t) / harmonic;
    }
    const double envelope = std::min({t / 0.005, (kLength - t) / 0.04, 1.0});
    return 0.45 * envelope * wave;
  });
}

}  // namespace lumora::contentgen
