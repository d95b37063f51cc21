#pragma once

#include <vector>

#include "Pcm.h"
#include "VoiceShaping.h"

namespace lumora::contentgen {

// Each sound with its melody, by PSOLA (Praat's overlap-add resynthesis, the phoneticians'
// standard way to change the pitch of speech and nothing else), all in one run of Praat in
// batch mode. A sound without a melody stays as it is. Throws ContentError when Praat fails.
std::vector<Pcm> withMelodies(const std::vector<ShapedSpeech>& sounds);

}  // namespace lumora::contentgen
