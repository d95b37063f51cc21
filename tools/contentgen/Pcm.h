#pragma once

#include <cstdint>
#include <vector>

namespace lumora::contentgen {

// Mono 16-bit sound: the form of every recording and buzzer Lumora ships.
struct Pcm {
  int sampleRate = 0;
  std::vector<std::int16_t> samples;
};

// The rate of the voice and the buzzers; a teacher's recordings are brought to it.
inline constexpr int kContentSampleRate = 22050;

// Samples quieter than this (about -40 dBFS) count as silence.
inline constexpr int kSilenceThreshold = 328;

// Cuts the silence before the first and after the last audible sample, keeping `margin`
// samples on each side so the onset and the fade are not clipped. All silence gives no
// samples.
Pcm trimSilence(const Pcm& sound, int margin);

// RMS level of the samples; 0 for none.
double rmsLevel(const std::vector<std::int16_t>& samples);

}  // namespace lumora::contentgen
