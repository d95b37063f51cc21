#pragma once

#include "Pcm.h"

namespace lumora::contentgen {

inline constexpr int kBuzzerSampleRate = 22050;

// A short bright two-note chime for a right answer.
Pcm correctChime();

// A short low buzz for a wrong answer.
Pcm wrongBuzz();

}  // namespace lumora::contentgen
