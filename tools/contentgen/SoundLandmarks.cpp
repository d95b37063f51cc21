#include "SoundLandmarks.h"

#include <algorithm>
#include <cmath>

#include "Median.h"

namespace lumora::contentgen {
namespace {

constexpr double kAudibleDb = -40;  // the recording's first sound
constexpr double kSilentDb = -35;   // a closure
constexpr double kVowelDb = -30;    // loud enough for a vowel
// A fricative's noise crosses zero this often (ㅅ about 0.5 a sample), a breath or a burst
// less than 0.2.
constexpr double kHissCrossings = 0.3;
constexpr double kHissDb = -35;
constexpr std::size_t kSteadyVoicing = 5;  // steps of loud voicing that make a vowel
constexpr std::size_t kVoiceBreak = 5;     // steps without voicing that end one
constexpr std::size_t kSteadyHiss = 5;     // steps of hiss that make a fricative, not a burst
// The syllables' positions are right to within about this (a recording aligned to the voice).
constexpr double kAlignmentMarginMs = 10;
constexpr double kIntoVowelMs = 40;
constexpr std::size_t kMargin = static_cast<std::size_t>(kAlignmentMarginMs / SoundFrames::kStepMs);

}  // namespace

SoundLandmarks::SoundLandmarks(const Pcm& sound, std::vector<SyllableTimes> times)
    : frames_(sound),
      times_(std::move(times)),
      stepSamples_(
          static_cast<std::size_t>(std::lround(SoundFrames::kStepMs * sound.sampleRate / 1000))) {}

std::size_t SoundLandmarks::earlyStep(std::size_t sample) const {
  const std::size_t at = step(sample);
  return at - std::min(at, kMargin);
}

// The first steady, loud voicing from `from` on, and the quieter voicing that runs into it:
// clicks and a rattle, loud only in spikes, are not a vowel. The end when there is none.
std::size_t SoundLandmarks::voicingFrom(std::size_t from) const {
  std::size_t run = 0;
  std::size_t s = from;
  for (; s < end() && run < kSteadyVoicing; ++s) {
    run = frames_.voiced(s) && frames_.level(s) >= kVowelDb ? run + 1 : 0;
  }
  if (run < kSteadyVoicing) return end();
  s -= kSteadyVoicing;
  while (s > from && frames_.voiced(s - 1)) --s;
  return s;
}

// Where the voicing that starts at or after `from` breaks off.
std::size_t SoundLandmarks::voicingEndAfter(std::size_t from) const {
  std::size_t run = 0;
  for (std::size_t s = voicingFrom(from); s < end(); ++s) {
    run = frames_.voiced(s) ? 0 : run + 1;
    if (run == kVoiceBreak) return s + 1 - kVoiceBreak;
  }
  return end();
}

StepSpan SoundLandmarks::startingStop() const {
  std::size_t start = 0;
  while (start < end() && frames_.level(start) < kAudibleDb) ++start;
  return {start, std::max(start, voicingFrom(0))};
}

// A voice may mark a final stop at its release, so a vowel's end may lie well inside the
// closure: the window reaches no further into a vowel than kIntoVowelMs.
StepSpan SoundLandmarks::between(std::size_t i) const {
  const std::size_t intoVowel = static_cast<std::size_t>(kIntoVowelMs / SoundFrames::kStepMs);
  const auto middle = [&](const SyllableTimes& syllable) {
    return std::min(step((syllable.vowelStart + syllable.vowelEnd) / 2),
                    step(syllable.vowelStart) + intoVowel);
  };
  const SyllableTimes& before = times_[i - 1];
  return {
      std::max(middle(before), step(before.vowelEnd) - std::min(step(before.vowelEnd), intoVowel)),
      std::min(end(), middle(times_[i]))};
}

StepSpan SoundLandmarks::voiceless(std::size_t i) const {
  const StepSpan window = between(i);
  StepSpan found{window.to, window.to};
  for (std::size_t s = window.from; s < window.to; ++s) {
    if (frames_.voiced(s)) continue;
    found.from = std::min(found.from, s);
    found.to = s + 1;
  }
  return found.from < found.to ? found : StepSpan{window.from, window.from};
}

StepSpan SoundLandmarks::longestVoiceless(std::size_t i) const {
  const auto [from, to] = between(i);
  StepSpan longest{from, from};
  std::size_t runStart = from;
  for (std::size_t s = from; s < to; ++s) {
    if (frames_.voiced(s)) {
      runStart = s + 1;
    } else if (s + 1 - runStart > longest.length()) {
      longest = {runStart, s + 1};
    }
  }
  return longest;
}

std::size_t SoundLandmarks::voicingEnd(std::size_t i) const {
  return voicingEndAfter(step(times_[i].vowelStart));
}

// The vowel's voice may die away over a few steps; the silence starts where it is quiet.
std::size_t SoundLandmarks::silenceFrom(std::size_t from, std::size_t limit) const {
  while (from < limit && frames_.level(from) >= kSilentDb) ++from;
  return from;
}

StepSpan SoundLandmarks::afterVowel(std::size_t i) const {
  return {silenceFrom(voicingEnd(i), end()), end()};
}

// The closure starts where the vowel has fallen silent; a breath straight out of the vowel,
// with no silence, counts from where the voicing stops. The next consonant is released where
// the longest silence before the next vowel ends (a tense stop may fall silent again for a
// moment between its burst and its vowel); a fricative where its hiss starts, as a breath may
// run straight into it.
StepSpan SoundLandmarks::closure(std::size_t i, bool fricativeNext) const {
  const std::size_t vowelEnd = voicingEnd(i);
  const std::size_t nextVowel = std::max(vowelEnd, step(times_[i + 1].vowelStart));
  std::size_t start = silenceFrom(vowelEnd, nextVowel);
  if (start == nextVowel) start = vowelEnd;
  StepSpan longest{start, start};
  for (std::size_t s = start; s < nextVowel;) {
    const std::size_t quiet = s;
    while (s < nextVowel && frames_.level(s) < kSilentDb) ++s;
    if (s - quiet > longest.length()) longest = {quiet, s};
    while (s < nextVowel && frames_.level(s) >= kSilentDb) ++s;
  }
  if (!fricativeNext) return {start, longest.to};
  const auto next = hiss(i + 1);
  return {start, next ? std::max(start, next->noise.from) : longest.to};
}

bool SoundLandmarks::hissing(std::size_t s) const {
  return !frames_.voiced(s) && frames_.level(s) >= kHissDb &&
         frames_.crossings(s) >= kHissCrossings;
}

// The hiss that runs into the vowel of syllable i: the last one before it, so that a stop's
// fricated release before a closure is not taken for it.
std::optional<Hiss> SoundLandmarks::hiss(std::size_t i) const {
  const std::size_t from = i == 0 ? 0 : earlyStep(times_[i - 1].vowelEnd);
  const std::size_t to = std::min(end(), step(times_[i].vowelStart) + kMargin);
  // A dip of a step or two does not break a hiss.
  const auto hissingAround = [&](std::size_t s) {
    return hissing(s) || (s > 0 && hissing(s - 1) && s + 1 < end() && hissing(s + 1));
  };
  std::size_t last = to;
  while (last > from && !hissing(last - 1)) --last;
  if (last == from) return std::nullopt;
  std::size_t first = last - 1;
  while (first > from && hissingAround(first - 1)) --first;
  while (last < end() && hissingAround(last)) ++last;
  if (last - first < kSteadyHiss) return std::nullopt;
  std::vector<double> levels;
  for (std::size_t s = first; s < last; ++s) {
    if (hissing(s)) levels.push_back(frames_.level(s));
  }
  return Hiss{{first, last}, voicingFrom(last), median(levels)};
}

double SoundLandmarks::pitchHz(std::size_t i) const {
  std::vector<double> pitches;
  const std::size_t to = std::min(end(), step(times_[i].vowelEnd));
  for (std::size_t s = step(times_[i].vowelStart); s < to; ++s) {
    if (frames_.pitchHz(s) > 0) pitches.push_back(frames_.pitchHz(s));
  }
  return median(pitches);
}

}  // namespace lumora::contentgen
