#pragma once

#include <cstddef>
#include <vector>

#include "Pcm.h"

namespace lumora::contentgen {

// Carries times from the voice's own rendering of a word over to another recording of the
// same word (the shaped file, or a teacher's): the two are aligned frame by frame on their
// mel-cepstra by dynamic time warping, so a stretch cut out or said longer moves what follows.
class TimeWarp {
 public:
  TimeWarp(const Pcm& reference, const Pcm& recording);

  // The sample of the recording that corresponds to this sample of the reference.
  std::size_t map(std::size_t referenceSample) const;

 private:
  std::size_t hop_;
  std::size_t recordingLength_;
  std::vector<double> recordingFrameOf_;  // by reference frame, the mean aligned frame
};

}  // namespace lumora::contentgen
