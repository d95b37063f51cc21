#include "SoundLandmarks.h"

#include <algorithm>
#include <cmath>

#include "Median.h"

namespace lumora::contentgen {
namespace {

constexpr double kAudibleDb = -40;           // the recording's first sound
constexpr double kSilentDb = -35;            // a closure
constexpr double kVowelDb = -30;             // loud enough for a vowel
constexpr double kHissCrossings = 0.25;      // a fricative's noise crosses zero this often
constexpr std::size_t kSteadyVoicing = 5;    // steps of loud voicing that make a vowel
constexpr std::size_t kVoiceBreak = 3;       // steps without voicing that end one
// The syllables' positions are right to within about this (a recording aligned to the voice).
constexpr double kAlignmentMarginMs = 10;
constexpr std::size_t kMargin = static_cast<std::size_t>(kAlignmentMarginMs / SoundFrames::kStepMs);

}  // namespace

SoundLandmarks::SoundLandmarks(const Pcm& sound, std::vector<SyllableTimes> times)
    : frames_(sound),
      times_(std::move(times)),
      stepSamples_(static_cast<std::size_t>(
          std::lround(SoundFrames::kStepMs * sound.sampleRate / 1000))) {}

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

// From the middle of one vowel to the middle of the next: where a voice marks a stop (at its
// closure or at its release) does not matter.
StepSpan SoundLandmarks::longestVoiceless(std::size_t i) const {
  const auto middle = [&](const SyllableTimes& syllable) {
    return step((syllable.vowelStart + syllable.vowelEnd) / 2);
  };
  const std::size_t from = middle(times_[i - 1]);
  const std::size_t to = std::min(end(), middle(times_[i]));
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

StepSpan SoundLandmarks::afterVowel(std::size_t i) const {
  const std::size_t vowelEnd = voicingEndAfter(step(times_[i].vowelStart));
  std::size_t s = vowelEnd;
  while (s < end() && frames_.level(s) >= kSilentDb) ++s;
  return {s == end() ? vowelEnd : s, end()};
}

// The release is the end of the last silence before the next vowel, or where the alignment
// puts the next consonant when a breath runs straight into it.
StepSpan SoundLandmarks::closure(std::size_t i) const {
  const std::size_t vowelEnd = voicingEndAfter(step(times_[i].vowelStart));
  const std::size_t nextVowel = std::max(vowelEnd, step(times_[i + 1].vowelStart));
  std::size_t release = vowelEnd;
  for (std::size_t s = vowelEnd; s + 1 < nextVowel; ++s) {
    if (frames_.level(s) < kSilentDb && frames_.level(s + 1) >= kSilentDb) release = s + 1;
  }
  release = std::clamp(std::max(release, earlyStep(times_[i + 1].onset)), vowelEnd, nextVowel);
  return {vowelEnd, release};
}

std::optional<Hiss> SoundLandmarks::hiss(std::size_t i) const {
  const std::size_t from = i == 0 ? 0 : earlyStep(times_[i].onset);
  const std::size_t to = std::min(end(), step(times_[i].vowelStart) + kMargin);
  const auto hissing = [&](std::size_t s) {
    return !frames_.voiced(s) && frames_.level(s) >= kAudibleDb &&
           frames_.crossings(s) >= kHissCrossings;
  };
  std::size_t start = from;
  while (start < to && !hissing(start)) ++start;
  if (start == to) return std::nullopt;
  Hiss found{{start, start + 1}, voicingFrom(start), 0};
  std::vector<double> levels;
  for (std::size_t s = start; s < found.voicing; ++s) {
    if (!hissing(s)) continue;
    found.noise.to = s + 1;
    levels.push_back(frames_.level(s));
  }
  found.levelDb = median(levels);
  return found;
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
