#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include "Pcm.h"

namespace lumora::contentgen {

inline constexpr std::size_t kCepstralCoefficients = 13;
using Cepstrum = std::array<double, kCepstralCoefficients>;

// The mel-cepstrum (aubio's MFCC over 40 bands) of every `hop` samples from `start` on,
// each over a window of 512 samples.
std::vector<Cepstrum> melCepstra(const Pcm& sound, std::size_t start, unsigned hop);

// The mel-cepstrum of silence, for padding.
Cepstrum silentCepstrum(int sampleRate);

// Euclidean distance of two cepstra.
double cepstralDistance(const Cepstrum& a, const Cepstrum& b);

}  // namespace lumora::contentgen
