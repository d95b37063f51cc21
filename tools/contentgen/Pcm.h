#pragma once

#include <cstdint>
#include <vector>

namespace lumora::contentgen {

// Mono 16-bit sound: the form of every recording and buzzer Lumora ships.
struct Pcm {
  int sampleRate = 0;
  std::vector<std::int16_t> samples;
};

// Samples quieter than this (about -40 dBFS) count as silence.
inline constexpr int kSilenceThreshold = 328;

// Loudness every spoken recording is brought to, as RMS (about -21 dBFS), and the peak that
// no sample may pass, so loud consonants are never clipped.
inline constexpr double kTargetRms = 2900.0;
inline constexpr double kPeakLimit = 29000.0;

// Cuts the silence before the first and after the last audible sample, keeping `margin`
// samples on each side so the onset and the fade are not clipped. All silence gives no
// samples.
Pcm trimSilence(const Pcm& sound, int margin);

// Scales the sound to kTargetRms, or less when that would lift a peak above kPeakLimit.
Pcm normalizeLoudness(const Pcm& sound);

// RMS level of the samples; 0 for none.
double rmsLevel(const std::vector<std::int16_t>& samples);

}  // namespace lumora::contentgen
