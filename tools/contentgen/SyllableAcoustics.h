#pragma once

#include "Pcm.h"

namespace lumora::contentgen {

// What a learner hears at the start of a spoken syllable, measured with aubio.
struct SyllableOnset {
  double voicelessMs = 0;  // from the first audible sample to the start of steady voicing
  double pitchHz = 0;      // median pitch over the first 50 ms of the vowel; 0 when unvoiced
};

// Finds the voicing as the first stretch of steady pitch in the range of a voice, and the
// vowel as the first such stretch that is also loud (a voice bar or a glide is not).
SyllableOnset measureOnset(const Pcm& speech);

// How different two recordings sound: the mean distance of their mel-cepstra frame by
// frame, both aligned at their first audible sample (the shorter one continues as silence).
// Differences of timing, such as a longer frication, count as well as differences of timbre.
double spectralDistance(const Pcm& first, const Pcm& second);

}  // namespace lumora::contentgen
