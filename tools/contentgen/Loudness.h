#pragma once

#include <optional>
#include <span>

#include "Pcm.h"

// Loudness as listeners hear it: ITU-R BS.1770 (EBU R128) through libebur128.
namespace lumora::contentgen {

// Every recording and both buzzers are brought to this integrated loudness, in LUFS...
inline constexpr double kTargetLoudness = -20.0;
// ...unless a sample would then pass this peak (about -1 dBFS), so loud consonants never clip.
inline constexpr double kPeakLimit = 29000.0;

// Integrated loudness in LUFS of mono samples (full scale 1.0). A sound shorter than one
// 400 ms gating block, a single syllable say, is measured over its whole length. nullopt for
// silence.
std::optional<double> loudnessOf(std::span<const float> samples, int sampleRate);
std::optional<double> loudnessOf(const Pcm& sound);

// The gain that brings a sound of this loudness and sample peak (full scale 1.0) to
// kTargetLoudness, or less when the peak would pass kPeakLimit; 1 for silence.
double gainToTarget(std::optional<double> loudness, double peak);

// The largest sample magnitude.
int peakOf(const Pcm& sound);

// The sound scaled by gainToTarget.
Pcm normalizeLoudness(const Pcm& sound);

}  // namespace lumora::contentgen
