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
  StepSpan noise;           // from the first to the last hissing step
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
  // The longest stretch without voicing between the vowels of syllables i - 1 and i...
  StepSpan longestVoiceless(std::size_t i) const;
  // ...and from the first to the last step without voicing there.
  StepSpan voiceless(std::size_t i) const;
  // Where the voicing of syllable i's vowel stops.
  std::size_t voicingEnd(std::size_t i) const;
  // From where syllable i's vowel has fallen silent to the end of the recording; empty when
  // the recording ends before it is silent.
  StepSpan afterVowel(std::size_t i) const;
  // From where syllable i's vowel falls silent to the release of the next syllable's
  // consonant, a fricative or a stop.
  StepSpan closure(std::size_t i, bool fricativeNext) const;
  // The hiss that runs into syllable i's vowel; nothing when there is none.
  std::optional<Hiss> hiss(std::size_t i) const;
  // Median pitch of syllable i's vowel; 0 when it is not voiced.
  double pitchHz(std::size_t i) const;

 private:
  std::size_t step(std::size_t sample) const { return frames_.stepAt(sample); }
  std::size_t end() const { return frames_.steps(); }
  std::size_t voicingFrom(std::size_t from) const;
  std::size_t voicingEndAfter(std::size_t from) const;
  // From the middle of syllable i - 1's vowel to the middle of i's: where a voice marks a stop
  // (at its closure or at its release) does not matter.
  StepSpan between(std::size_t i) const;
  bool hissing(std::size_t step) const;
  // The first silent step from `from` on; `limit` when there is none before it.
  std::size_t silenceFrom(std::size_t from, std::size_t limit) const;
  // The step of a sample, moved back by the alignment's margin.
  std::size_t earlyStep(std::size_t sample) const;

  SoundFrames frames_;
  std::vector<SyllableTimes> times_;
  std::size_t stepSamples_;
};

}  // namespace lumora::contentgen
