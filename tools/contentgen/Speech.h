#pragma once

#include <QString>
#include <cstddef>
#include <vector>

#include "Pcm.h"

namespace lumora::contentgen {

// Where the voice started one phoneme: its espeak-ng name and the sample.
struct PhonemeMark {
  QString phoneme;
  std::size_t sample = 0;
};

// What the voice said: the sound and where each of its phonemes starts.
struct Speech {
  Pcm sound;
  std::vector<PhonemeMark> marks;
};

}  // namespace lumora::contentgen
