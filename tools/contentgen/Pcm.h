#pragma once

#include <cstddef>
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

// The samples from `begin` up to `end`.
struct SampleRange {
  std::size_t begin = 0;
  std::size_t end = 0;
};

// The samples from the first to the last audible one, with `margin` samples more on each side
// so the onset and the fade are not clipped; empty for all silence.
SampleRange audibleRange(const Pcm& sound, int margin);

// The samples of the sound within the range.
Pcm slice(const Pcm& sound, SampleRange range);

// The sound with the silence outside its audible range cut.
Pcm trimSilence(const Pcm& sound, int margin);

// RMS level of the samples; 0 for none.
double rmsLevel(const std::vector<std::int16_t>& samples);

}  // namespace lumora::contentgen
