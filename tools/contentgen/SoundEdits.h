#pragma once

#include <cstddef>
#include <vector>

#include "Pcm.h"

namespace lumora::contentgen {

// Changes to a sound, each over a stretch of the original: cut out, replaced by silence of
// another length, or made louder. Joins are faded over a few milliseconds, so no edit clicks.
// Stretches must not overlap.
class SoundEdits {
 public:
  // Replaces [from, to) by `silence` samples of silence (none: cuts it out).
  void replace(std::size_t from, std::size_t to, std::size_t silence = 0);
  // Multiplies [from, to) by the gain.
  void amplify(std::size_t from, std::size_t to, double gain);

  Pcm apply(const Pcm& sound) const;

 private:
  struct Edit {
    std::size_t from;
    std::size_t to;
    std::size_t silence;
    double gain;  // 1 for a replacement
    bool replaces;
  };
  void add(const Edit& edit);

  std::vector<Edit> edits_;  // in order of `from`
};

}  // namespace lumora::contentgen
