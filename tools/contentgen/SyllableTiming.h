#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "Pronunciation.h"
#include "Speech.h"

namespace lumora::contentgen {

// Where one spoken syllable lies in a sound, in samples.
struct SyllableTimes {
  std::size_t onset = 0;       // its first consonant, or its vowel when it has none
  std::size_t vowelStart = 0;  // with a glide before the vowel (여, 와)
  std::size_t vowelEnd = 0;    // where the next phoneme or the pause after the word starts
};

// Finds the syllables of the pronunciation among the voice's phonemes: one vowel a syllable, the
// consonants between two vowels shared out as the pronunciation says (a final takes the first).
// Nothing when the phonemes do not fit the syllables.
std::optional<std::vector<SyllableTimes>> syllableTimes(
    const std::vector<PhonemeMark>& marks, const std::vector<SpokenSyllable>& syllables);

}  // namespace lumora::contentgen
