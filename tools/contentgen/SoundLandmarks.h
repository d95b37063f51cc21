#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "Pcm.h"
#include "SoundFrames.h"
#include "SyllableTiming.h"

namespace lumora::contentgen {

// Steps [from, to) of SoundFrames.
struct StepSpan {
  std::size_t from = 0;
  std::size_t to = 0;
  std::size_t length() const { return to - from; }
};

// The hiss of ㅅ or ㅆ and the vowel after it.
struct Hiss {
  StepSpan noise;          // from the first to the last hissing step
  std::size_t voicing = 0;  // where the vowel's voicing starts
  double levelDb = 0;       // median level of the hissing steps
};

// Where the sounds of a word lie in a recording: the syllables' positions (from the voice's
// phonemes, carried over if need be) narrowed down by the sound itself. The acoustic check
// measures at these places, and the voice is shaped at them.
class SoundLandmarks {
 public:
  SoundLandmarks(const Pcm& sound, std::vector<SyllableTimes> times);

  const SoundFrames& frames() const { return frames_; }
  std::size_t sampleOf(std::size_t step) const { return step * stepSamples_; }

  // From the first sound of the recording to the voicing of its first vowel.
  StepSpan startingStop() const;
  // The longest stretch without voicing between the vowels of syllables i - 1 and i.
  StepSpan longestVoiceless(std::size_t i) const;
  // From where the voice of syllable i's vowel falls silent to the end of the recording.
  StepSpan afterVowel(std::size_t i) const;
  // From the end of syllable i's voicing to the release of the next syllable's consonant.
  StepSpan closure(std::size_t i) const;
  // The hiss at the start of syllable i; nothing when there is none.
  std::optional<Hiss> hiss(std::size_t i) const;
  // Median pitch of syllable i's vowel; 0 when it is not voiced.
  double pitchHz(std::size_t i) const;

 private:
  std::size_t step(std::size_t sample) const { return frames_.stepAt(sample); }
  std::size_t end() const { return frames_.steps(); }
  std::size_t voicingFrom(std::size_t from) const;
  std::size_t voicingEndAfter(std::size_t from) const;
  // The step of a sample, moved back by the alignment's margin.
  std::size_t earlyStep(std::size_t sample) const;

  SoundFrames frames_;
  std::vector<SyllableTimes> times_;
  std::size_t stepSamples_;
};

}  // namespace lumora::contentgen
