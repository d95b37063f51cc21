#pragma once

#include <cstddef>
#include <vector>

#include "Pcm.h"

namespace lumora::contentgen {

// A recording in steps of 2 ms: how loud each step is against the loudest, whether the voice
// vibrates there, at what pitch, and how hissy it is. Voicing is judged on a short window
// (20 ms), so that a pause of the voice as short as a closure shows; the pitch comes from
// aubio's yin on a longer one.
class SoundFrames {
 public:
  static constexpr double kStepMs = 2;

  explicit SoundFrames(const Pcm& sound);

  std::size_t steps() const { return level_.size(); }
  std::size_t stepAt(std::size_t sample) const;
  double level(std::size_t step) const { return level_[step]; }  // dB, 0 at the loudest step
  bool voiced(std::size_t step) const { return voiced_[step]; }
  double pitchHz(std::size_t step) const { return pitch_[step]; }        // 0 where yin is unsure
  double crossings(std::size_t step) const { return crossings_[step]; }  // per sample, 0 to 1

  // Abrupt rises of loudness (a stop's release, a click) within the steps [from, to), each
  // after the level fell back from the one before.
  int bursts(std::size_t from, std::size_t to) const;

 private:
  void measureLevels(const Pcm& sound);
  void judgeVoicing(const Pcm& sound);

  std::size_t stepSamples_;
  std::vector<double> level_;
  std::vector<bool> voiced_;
  std::vector<double> pitch_;
  std::vector<double> crossings_;
};

// Milliseconds of a number of steps.
inline double stepsMs(std::size_t steps) {
  return static_cast<double>(steps) * SoundFrames::kStepMs;
}

}  // namespace lumora::contentgen
