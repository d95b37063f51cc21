#include "VoiceShaping.h"

#include <cmath>
#include <optional>
#include <vector>

#include "AcousticCheck.h"
#include "PraatPitch.h"
#include "SoundEdits.h"
#include "SoundLandmarks.h"

namespace lumora::contentgen {
namespace {

// What the shaping aims at, well inside the check's targets.
// The breath after a stop at the start; an affricate's includes its hiss and is longer.
struct OnsetLengths {
  double stop;
  double affricate;
};
constexpr OnsetLengths kAspiratedMs{85, 95};
constexpr OnsetLengths kLaxMs{50, 65};
constexpr OnsetLengths kTenseMs{18, 12};
constexpr double kBurstMs = 10;        // kept of a stop's release when its breath is cut
constexpr double kVoicelessGapMs = 4;  // kept of a lax stop's release between voiced sounds
constexpr double kClosureMs = 75;
constexpr double kTenseHissMs = 130;
constexpr double kTenseHissGain = 2;  // +6 dB
constexpr double kBreathAfterHissMs = 4;

// The melody: a low and a high start, and the rise to the end of the phrase.
constexpr double kLowHz = 88;
constexpr double kHighHz = 110;
constexpr double kHighEndHz = 116;    // the end of a phrase that started high
constexpr double kPitchInsetMs = 15;  // the pitch points lie this far inside a vowel

bool isAffricate(const SpokenSyllable& syllable) {
  constexpr int kFirstAffricate = 12;  // ㅈ, then ㅉ and ㅊ
  const int initial = hangulLetters(syllable.written)->initial;
  return initial >= kFirstAffricate && initial < kFirstAffricate + 3;
}

class Shaper {
 public:
  Shaper(const Pcm& sound, const std::vector<SyllableTimes>& times, bool affricateFirst)
      : landmarks_(sound, times),
        affricateFirst_(affricateFirst),
        rate_(sound.sampleRate),
        length_(sound.samples.size()) {}

  void shape(const ExpectedSound& sound) {
    const std::size_t i = sound.syllable;
    switch (sound.target) {
      case Target::LaxVoiced:
        shortenGap(landmarks_.voiceless(i), kVoicelessGapMs);
        break;
      case Target::FinalUnreleased:
        // With the unvoiced end of the vowel some voices make before a closure.
        edits_.replace(at(landmarks_.voicingEnd(i)), length_);
        break;
      case Target::ClosureBeforeConsonant:
        // From the end of the voicing, as at the end of a word.
        edits_.replace(at(landmarks_.voicingEnd(i)),
                       at(landmarks_.closure(i, sound.beforeFricative).to), samples(kClosureMs));
        break;
      case Target::AspiratedOnset:
        shortenStop(kAspiratedMs);
        break;
      case Target::LaxOnset:
        shortenStop(kLaxMs);
        break;
      case Target::TenseOnset:
        shortenStop(kTenseMs);
        break;
      case Target::TenseS:
        strengthenHiss(i);
        break;
      case Target::PlainS:
      case Target::StartPitch:
      case Target::PhraseRise:
        break;
    }
  }

  const SoundEdits& edits() const { return edits_; }

 private:
  std::size_t at(std::size_t step) const { return landmarks_.sampleOf(step); }
  std::size_t samples(double ms) const {
    return static_cast<std::size_t>(std::lround(ms * rate_ / 1000));
  }
  std::size_t steps(double ms) const { return static_cast<std::size_t>(ms / SoundFrames::kStepMs); }

  // Keeps the last `keepMs` of a voiceless gap: the release before the vowel.
  void shortenGap(const StepSpan& gap, double keepMs) {
    if (gap.length() <= steps(keepMs)) return;
    edits_.replace(at(gap.from), at(gap.to - steps(keepMs)));
  }

  // Brings the stop at the start to `ms` from its release to the vowel: keeps the burst and
  // the breath that runs into the vowel, cuts what lies between.
  void shortenStop(const OnsetLengths& lengths) {
    const double ms = affricateFirst_ ? lengths.affricate : lengths.stop;
    const StepSpan stop = landmarks_.startingStop();
    if (stop.length() <= steps(ms)) return;
    const std::size_t burst = steps(std::min(kBurstMs, ms));
    edits_.replace(at(stop.from + burst), at(stop.to - (steps(ms) - burst)));
  }

  // ㅆ: the hiss at its length, louder, and straight into the vowel.
  void strengthenHiss(std::size_t i) {
    const auto hiss = landmarks_.hiss(i);
    if (!hiss) return;
    const std::size_t keep = steps(kTenseHissMs);
    const std::size_t end = hiss->noise.to;
    if (hiss->noise.length() > keep) {
      const std::size_t half = keep / 2;
      edits_.amplify(at(hiss->noise.from), at(hiss->noise.from + half), kTenseHissGain);
      edits_.replace(at(hiss->noise.from + half), at(hiss->noise.to - (keep - half)));
      edits_.amplify(at(hiss->noise.to - (keep - half)), at(hiss->noise.to), kTenseHissGain);
    } else {
      edits_.amplify(at(hiss->noise.from), at(end), kTenseHissGain);
    }
    if (hiss->voicing - end > steps(kBreathAfterHissMs)) edits_.replace(at(end), at(hiss->voicing));
  }

  SoundLandmarks landmarks_;
  bool affricateFirst_;
  int rate_;
  std::size_t length_;
  SoundEdits edits_;
};

// Low or high at the start by the first consonant, rising to the end.
std::vector<double> syllablePitches(const std::vector<SpokenSyllable>& syllables) {
  const bool high = startsHigh(syllables.front().onset);
  const double first = high ? kHighHz : kLowHz;
  const double last = syllables.size() == 1 ? first : high ? kHighEndHz : kHighHz;
  std::vector<double> pitches;
  for (std::size_t i = 0; i < syllables.size(); ++i) {
    const double along = syllables.size() == 1 ? 0 : double(i) / double(syllables.size() - 1);
    pitches.push_back(first * std::pow(last / first, along));
  }
  return pitches;
}

Melody melody(const std::vector<SpokenSyllable>& syllables, const std::vector<SyllableTimes>& times,
              int rate) {
  const std::vector<double> pitches = syllablePitches(syllables);
  const double inset = kPitchInsetMs / 1000;
  Melody points;
  for (std::size_t i = 0; i < times.size(); ++i) {
    const double start = double(times[i].vowelStart) / rate;
    const double end = double(times[i].vowelEnd) / rate;
    if (end - start > 2 * inset) {
      points.push_back({start + inset, pitches[i]});
      points.push_back({end - inset, pitches[i]});
    } else {
      points.push_back({(start + end) / 2, pitches[i]});
    }
  }
  return points;
}

}  // namespace

// The edits are planned on the sound with its melody, so they cut what PSOLA made of it;
// PSOLA keeps every sound where it was, so the phonemes' places still hold.
std::vector<Pcm> shapedVoice(const ContentList& list, const std::vector<Speech>& renderings) {
  const std::vector<Utterance> utterances = contentgen::utterances(list);
  std::vector<Pcm> sounds;
  std::vector<Melody> melodies;
  std::vector<std::optional<std::vector<SyllableTimes>>> times;
  std::vector<std::vector<SpokenSyllable>> syllables;
  for (std::size_t i = 0; i < utterances.size() && i < renderings.size(); ++i) {
    syllables.push_back(pronounce(utterances[i].pronunciation));
    times.push_back(syllableTimes(renderings[i].marks, syllables.back()));
    sounds.push_back(renderings[i].sound);
    melodies.push_back(times.back() && !syllables.back().empty()
                           ? melody(syllables.back(), *times.back(), sounds.back().sampleRate)
                           : Melody{});
  }
  std::vector<Pcm> shaped = withMelodies(sounds, melodies);
  for (std::size_t i = 0; i < shaped.size(); ++i) {
    if (melodies[i].empty()) continue;
    Shaper shaper(shaped[i], *times[i], isAffricate(syllables[i].front()));
    for (const ExpectedSound& sound : expectedSounds(syllables[i])) {
      if (exceptionReason(list, utterances[i].fileName, targetKey(sound.target)).isEmpty()) {
        shaper.shape(sound);
      }
    }
    shaped[i] = shaper.edits().apply(shaped[i]);
  }
  return shaped;
}

}  // namespace lumora::contentgen
