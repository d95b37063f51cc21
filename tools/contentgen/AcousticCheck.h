#pragma once

#include <QString>
#include <array>
#include <vector>

#include "ContentList.h"
#include "Pcm.h"
#include "Pronunciation.h"
#include "Speech.h"

// What a learner hears in each recording, consonant by consonant and syllable by syllable,
// against what Korean speech does: the cues that tell lax, aspirated and tense consonants
// apart, and the Seoul phrase melody.
namespace lumora::contentgen {

enum class Target {
  LaxVoiced,               // ㄱ ㄷ ㅂ ㅈ between voiced sounds of a word: voiced throughout
  FinalUnreleased,         // a final stop at the end: nothing audible after its closure
  ClosureBeforeConsonant,  // a final stop before a consonant: a closure, no breath
  AspiratedOnset,          // voiceless interval at the start
  TenseOnset,              // voiceless interval and a single burst at the start
  LaxOnset,                // voiceless interval at the start
  TenseS,                  // ㅆ: longer and stronger frication than ㅅ, no breath after it
  PlainS,                  // ㅅ: no target, the measure ㅆ is held against
  StartPitch,              // low after a lax, nasal, ㄹ or vowel onset; high after the others
  PhraseRise,              // the last syllable not lower than the first
};
inline constexpr int kTargets = 10;

// The name of a target in the content list's exceptions ("voiced", "unreleased", …).
QString targetKey(Target target);
bool isTargetKey(const QString& key);

// A sound of a pronunciation that has a target: which, and in which syllable.
struct ExpectedSound {
  Target target;
  std::size_t syllable;
  QString where;                 // "ㅂ of 비", "final of 십", …
  bool beforeFricative = false;  // a closure before ㅅ, ㅆ or ㅎ
};
std::vector<ExpectedSound> expectedSounds(const std::vector<SpokenSyllable>& syllables);

// One sound of one recording, measured. The figures depend on the target:
//   LaxVoiced: longest voiceless stretch (ms)
//   FinalUnreleased: loudest level after the closure (dB below the word's peak)
//   ClosureBeforeConsonant: closure (ms), breath (ms)
//   AspiratedOnset, LaxOnset: voiceless interval (ms)
//   TenseOnset: voiceless interval (ms), bursts
//   TenseS, PlainS: frication (ms), breath after it (ms), frication level (dB below the peak)
//   StartPitch: first syllable's pitch (Hz)
//   PhraseRise: first and last syllable's pitch (Hz)
struct Finding {
  QString file;
  QString text;  // as the learner reads it
  Target target = Target::LaxVoiced;
  QString where;  // which sound: "ㅂ of 비", "final of 십", …
  std::array<double, 3> figures{};
  bool measured = true;   // false when the sound could not be found in the recording
  bool wordStart = true;  // for ㅅ and ㅆ: at the start of the recording, not after a sound
  bool high = false;      // for StartPitch: the onset asks for a high start
  QString exception;      // why the voice cannot meet the target here, from the content list
};

// Measures every sound of interest of one spoken file. The syllables are found in the
// voice's own rendering of the file's text (`reference`, from its phoneme marks) and carried
// over to `recording` by aligning the two, so a recording made by someone else is measured
// the same way.
std::vector<Finding> measureRecording(const Utterance& utterance, const Pcm& recording,
                                      const Speech& reference);

// Measures every spoken file of the list found in the sound folder; `references` holds the
// voice's rendering of each, in the order of utterances(list). A file that is missing or not
// 16-bit mono PCM has all its sounds unmeasured.
std::vector<Finding> checkRecordings(const ContentList& list, const QString& soundFolder,
                                     const std::vector<Speech>& references);

// The figures a finding is judged against that come from the voice itself: the middle of its
// pitch range, and its ㅅ.
struct VoiceReference {
  double pitchHz = 0;  // the middle of all syllables' pitch: between its 10th and 90th percentile
  std::array<double, 2> plainSMs{};     // median ㅅ frication, at the start / after a sound
  std::array<double, 2> plainSLevel{};  // median ㅅ frication level, likewise
};
VoiceReference voiceReference(const std::vector<Finding>& findings);

// Whether a finding meets its target; a sound that could not be measured does not. An
// exception does not make a finding meet its target; it explains why it does not.
bool meetsTarget(const Finding& finding, const VoiceReference& voice);

// The summary table of every target, then every finding that misses its target, and those
// that miss it by a listed exception with its reason.
QString formatAcousticCheck(const std::vector<Finding>& findings);

}  // namespace lumora::contentgen
