#pragma once

#include <vector>

#include "Pcm.h"

namespace lumora::contentgen {

// A pitch a voice is to have at a moment of its sound.
struct PitchPoint {
  double seconds = 0;
  double hz = 0;
};
using Melody = std::vector<PitchPoint>;

// Each sound with its melody, by PSOLA (Praat's overlap-add resynthesis, the phoneticians'
// standard way to change the pitch of speech and nothing else), all in one run of Praat in
// batch mode. A sound without a melody stays as it is. Throws ContentError when Praat fails.
std::vector<Pcm> withMelodies(const std::vector<Pcm>& sounds, const std::vector<Melody>& melodies);

}  // namespace lumora::contentgen
