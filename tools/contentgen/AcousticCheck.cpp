#include "AcousticCheck.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "Median.h"
#include "Pronunciation.h"
#include "SoundLandmarks.h"
#include "TimeWarp.h"
#include "WaveFile.h"

namespace lumora::contentgen {
namespace {

// The targets, from measurements of Seoul speech.
constexpr double kLaxVoicelessMaxMs = 20;
constexpr double kReleaseMaxDb = -35;
constexpr double kClosureMinMs = 40;
constexpr double kClosureMaxMs = 120;
constexpr double kBreathMaxMs = 10;
constexpr double kAspiratedMinMs = 60;
constexpr double kAspiratedMaxMs = 110;
constexpr double kTenseMaxMs = 30;
constexpr double kLaxMinMs = 30;
constexpr double kLaxMaxMs = 70;
constexpr double kTenseSLonger = 1.3;    // times the voice's ㅅ
constexpr double kTenseSStrongerDb = 2;  // above the voice's ㅅ
constexpr double kTenseSBreathMaxMs = 10;
constexpr double kStartSemitones = 1;  // from the middle of the voice's range

// A closure is quieter than what may follow it.
constexpr double kSilentDb = kReleaseMaxDb;

QChar initialLetter(QChar syllable) {
  static const QString kInitials = QStringLiteral("ㄱㄲㄴㄷㄸㄹㅁㅂㅃㅅㅆㅇㅈㅉㅊㅋㅌㅍㅎ");
  const auto letters = hangulLetters(syllable);
  return letters ? kInitials[letters->initial] : syllable;
}

std::optional<Target> onsetTarget(const std::vector<SpokenSyllable>& syllables, std::size_t i) {
  const SpokenSyllable& syllable = syllables[i];
  if (syllable.onset == Onset::PlainS) return Target::PlainS;
  if (syllable.onset == Onset::TenseS) return Target::TenseS;
  if (i == 0) {
    switch (syllable.onset) {
      case Onset::Lax:
        return Target::LaxOnset;
      case Onset::Aspirated:
        return Target::AspiratedOnset;
      case Onset::Tense:
        return Target::TenseOnset;
      default:
        return std::nullopt;
    }
  }
  // A lax onset after a closing stop has become tense, so this one follows a voiced sound.
  if (syllable.onset == Onset::Lax && !syllable.wordStart) return Target::LaxVoiced;
  return std::nullopt;
}

}  // namespace

std::vector<ExpectedSound> expectedSounds(const std::vector<SpokenSyllable>& syllables) {
  std::vector<ExpectedSound> sounds;
  if (syllables.empty()) return sounds;
  for (std::size_t i = 0; i < syllables.size(); ++i) {
    const QString syllable = syllables[i].written;
    if (const auto target = onsetTarget(syllables, i)) {
      sounds.push_back(
          {*target, i,
           QStringLiteral("%1 of %2").arg(initialLetter(syllables[i].written), syllable)});
    }
    if (syllables[i].coda != Coda::Stop) continue;
    const bool last = i + 1 == syllables.size();
    if (last || syllables[i + 1].onset != Onset::Vowel) {
      const Onset next = last ? Onset::Vowel : syllables[i + 1].onset;
      sounds.push_back({last ? Target::FinalUnreleased : Target::ClosureBeforeConsonant, i,
                        QStringLiteral("final of %1").arg(syllable),
                        next == Onset::PlainS || next == Onset::TenseS || next == Onset::H});
    }
  }
  sounds.push_back(
      {Target::StartPitch, 0, QStringLiteral("start of %1").arg(syllables[0].written)});
  if (syllables.size() > 1) {
    sounds.push_back(
        {Target::PhraseRise, syllables.size() - 1,
         QStringLiteral("%1 to %2").arg(syllables.front().written, syllables.back().written)});
  }
  return sounds;
}

namespace {

// The figures of one sound, measured at its landmarks.
std::optional<std::array<double, 3>> measure(const SoundLandmarks& at, const ExpectedSound& sound) {
  const SoundFrames& frames = at.frames();
  const std::size_t i = sound.syllable;
  switch (sound.target) {
    case Target::LaxVoiced:
      return std::array<double, 3>{stepsMs(at.longestVoiceless(i).length()), 0, 0};
    case Target::FinalUnreleased: {
      double loudest = -99;
      const StepSpan after = at.afterVowel(i);
      for (std::size_t s = after.from; s < after.to; ++s)
        loudest = std::max(loudest, frames.level(s));
      return std::array<double, 3>{loudest, 0, 0};
    }
    case Target::ClosureBeforeConsonant: {
      const StepSpan closure = at.closure(i, sound.beforeFricative);
      std::size_t silent = 0;
      for (std::size_t s = closure.from; s < closure.to; ++s) silent += frames.level(s) < kSilentDb;
      return std::array<double, 3>{stepsMs(silent), stepsMs(closure.length() - silent), 0};
    }
    case Target::AspiratedOnset:
    case Target::TenseOnset:
    case Target::LaxOnset: {
      const StepSpan stop = at.startingStop();
      const std::size_t before = std::min<std::size_t>(stop.from, 2);
      return std::array<double, 3>{stepsMs(stop.length()),
                                   double(frames.bursts(stop.from - before, stop.to)), 0};
    }
    case Target::TenseS:
    case Target::PlainS: {
      const auto hiss = at.hiss(i);
      if (!hiss) return std::nullopt;
      return std::array<double, 3>{stepsMs(hiss->noise.length()),
                                   stepsMs(hiss->voicing - hiss->noise.to), hiss->levelDb};
    }
    case Target::StartPitch:
    case Target::PhraseRise: {
      const double first = at.pitchHz(0);
      const double last = at.pitchHz(i);
      if (first <= 0 || last <= 0) return std::nullopt;
      return std::array<double, 3>{first, last, 0};
    }
  }
  return std::nullopt;
}

std::vector<SyllableTimes> carriedOver(const std::vector<SyllableTimes>& times,
                                       const TimeWarp& warp) {
  std::vector<SyllableTimes> carried;
  for (const SyllableTimes& syllable : times) {
    carried.push_back(
        {warp.map(syllable.onset), warp.map(syllable.vowelStart), warp.map(syllable.vowelEnd)});
  }
  return carried;
}

double semitones(double hz, double reference) { return 12 * std::log2(hz / reference); }

struct TargetText {
  Target target;
  const char* key;  // as exceptions in the content list name it
  const char* name;
  const char* goal;
};

// In the order of the table.
constexpr std::array<TargetText, kTargets> kTargetTexts{{
    {Target::LaxVoiced, "voiced", "lax stop between voiced sounds", "voiceless <= 20 ms"},
    {Target::FinalUnreleased, "unreleased", "final stop at the end", "after closure <= -35 dB"},
    {Target::ClosureBeforeConsonant, "closure", "final stop before a consonant",
     "closure 40-120 ms, breath <= 10 ms"},
    {Target::AspiratedOnset, "aspirated", "aspirated at the start", "voiceless 60-110 ms"},
    {Target::TenseOnset, "tense", "tense at the start", "voiceless <= 30 ms, one burst"},
    {Target::LaxOnset, "lax", "lax at the start", "voiceless 30-70 ms"},
    {Target::TenseS, "tense-s", "tense ㅆ", ">= 1.3 x ㅅ, >= ㅅ + 2 dB, breath <= 10 ms"},
    {Target::PlainS, "plain-s", "plain ㅅ (what ㅆ is held against)", "-"},
    {Target::StartPitch, "start-pitch", "start of the phrase", "low/high by 1 semitone"},
    {Target::PhraseRise, "rise", "last syllable against the first", "not lower"},
}};

const TargetText& textOf(Target target) {
  return *std::find_if(kTargetTexts.begin(), kTargetTexts.end(),
                       [&](const TargetText& text) { return text.target == target; });
}

// The figures of a finding as the table and the miss list show them.
QString figuresText(const Finding& finding) {
  if (!finding.measured) return QStringLiteral("not found in the recording");
  const auto& f = finding.figures;
  const auto ms = [](double value) { return QStringLiteral("%1 ms").arg(value, 0, 'f', 0); };
  switch (finding.target) {
    case Target::LaxVoiced:
      return QStringLiteral("voiceless %1").arg(ms(f[0]));
    case Target::FinalUnreleased:
      return QStringLiteral("%1 dB after closure").arg(f[0], 0, 'f', 0);
    case Target::ClosureBeforeConsonant:
      return QStringLiteral("closure %1, breath %2").arg(ms(f[0]), ms(f[1]));
    case Target::AspiratedOnset:
    case Target::LaxOnset:
      return QStringLiteral("voiceless %1").arg(ms(f[0]));
    case Target::TenseOnset:
      return QStringLiteral("voiceless %1, %2 bursts").arg(ms(f[0])).arg(f[1], 0, 'f', 0);
    case Target::TenseS:
    case Target::PlainS:
      return QStringLiteral("hiss %1 at %2 dB, breath %3")
          .arg(ms(f[0]))
          .arg(f[2], 0, 'f', 0)
          .arg(ms(f[1]));
    case Target::StartPitch:
      return QStringLiteral("%1 Hz, wanted %2")
          .arg(f[0], 0, 'f', 0)
          .arg(finding.high ? "high" : "low");
    case Target::PhraseRise:
      return QStringLiteral("%1 Hz to %2 Hz").arg(f[0], 0, 'f', 0).arg(f[1], 0, 'f', 0);
  }
  return {};
}

}  // namespace

std::vector<Finding> measureRecording(const Utterance& utterance, const Pcm& recording,
                                      const Speech& reference) {
  const std::vector<SpokenSyllable> syllables = pronounce(utterance.pronunciation);
  const auto times = syllableTimes(reference.marks, syllables);
  std::optional<SoundLandmarks> landmarks;
  if (times && !recording.samples.empty()) {
    landmarks.emplace(recording, carriedOver(*times, TimeWarp(reference.sound, recording)));
  }
  std::vector<Finding> findings;
  for (const ExpectedSound& sound : expectedSounds(syllables)) {
    const auto figures = landmarks ? measure(*landmarks, sound) : std::nullopt;
    findings.push_back({.file = utterance.fileName,
                        .text = utterance.text,
                        .target = sound.target,
                        .where = sound.where,
                        .figures = figures.value_or(std::array<double, 3>{}),
                        .measured = figures.has_value(),
                        .wordStart = sound.syllable == 0,
                        .high = startsHigh(syllables.front().onset),
                        .exception = {}});
  }
  return findings;
}

QString targetKey(Target target) { return QString::fromLatin1(textOf(target).key); }

bool isTargetKey(const QString& key) {
  return std::any_of(kTargetTexts.begin(), kTargetTexts.end(),
                     [&](const TargetText& text) { return key == QLatin1String(text.key); });
}

std::vector<Finding> checkRecordings(const ContentList& list, const QString& soundFolder,
                                     const std::vector<Speech>& references) {
  std::vector<Finding> findings;
  const std::vector<Utterance> all = utterances(list);
  for (std::size_t i = 0; i < all.size() && i < references.size(); ++i) {
    const Pcm recording = readRecording(soundFolder + u'/' + all[i].fileName).value_or(Pcm{});
    for (Finding& finding : measureRecording(all[i], recording, references[i])) {
      finding.exception = exceptionReason(list, finding.file, targetKey(finding.target));
      findings.push_back(std::move(finding));
    }
  }
  return findings;
}

VoiceReference voiceReference(const std::vector<Finding>& findings) {
  std::vector<double> pitches;
  std::array<std::vector<double>, 2> plainS;
  std::array<std::vector<double>, 2> plainSLevel;
  for (const Finding& finding : findings) {
    if (!finding.measured) continue;
    if (finding.target == Target::PhraseRise || finding.target == Target::StartPitch) {
      pitches.push_back(finding.figures[0]);
      if (finding.target == Target::PhraseRise) pitches.push_back(finding.figures[1]);
    }
    if (finding.target == Target::PlainS) {
      plainS[finding.wordStart ? 0 : 1].push_back(finding.figures[0]);
      plainSLevel[finding.wordStart ? 0 : 1].push_back(finding.figures[2]);
    }
  }
  // The middle of the range, not the median: most syllables may sit at one of its ends.
  const double middle = std::sqrt(quantile(pitches, 0.1) * quantile(pitches, 0.9));
  return {middle,
          {median(plainS[0]), median(plainS[1])},
          {median(plainSLevel[0]), median(plainSLevel[1])}};
}

bool meetsTarget(const Finding& finding, const VoiceReference& voice) {
  if (!finding.measured) return false;
  const auto& f = finding.figures;
  switch (finding.target) {
    case Target::LaxVoiced:
      return f[0] <= kLaxVoicelessMaxMs;
    case Target::FinalUnreleased:
      return f[0] <= kReleaseMaxDb;
    case Target::ClosureBeforeConsonant:
      return f[0] >= kClosureMinMs && f[0] <= kClosureMaxMs && f[1] <= kBreathMaxMs;
    case Target::AspiratedOnset:
      return f[0] >= kAspiratedMinMs && f[0] <= kAspiratedMaxMs;
    case Target::TenseOnset:
      return f[0] <= kTenseMaxMs && f[1] == 1;
    case Target::LaxOnset:
      return f[0] >= kLaxMinMs && f[0] <= kLaxMaxMs;
    case Target::TenseS: {
      const std::size_t position = finding.wordStart ? 0 : 1;
      return f[0] >= kTenseSLonger * voice.plainSMs[position] &&
             f[2] >= voice.plainSLevel[position] + kTenseSStrongerDb && f[1] <= kTenseSBreathMaxMs;
    }
    case Target::PlainS:
      return true;
    case Target::StartPitch: {
      const double start = semitones(f[0], voice.pitchHz);
      return finding.high ? start >= kStartSemitones : start <= -kStartSemitones;
    }
    case Target::PhraseRise:
      return f[1] >= f[0];
  }
  return false;
}

QString formatAcousticCheck(const std::vector<Finding>& findings) {
  const VoiceReference voice = voiceReference(findings);
  QString text =
      QStringLiteral(
          "acoustic check: %1 sounds; the voice's middle pitch %2 Hz, its ㅅ hisses %3 / %4 ms at "
          "%5 / %6 dB (at the start / after a sound)\n")
          .arg(findings.size())
          .arg(voice.pitchHz, 0, 'f', 0)
          .arg(voice.plainSMs[0], 0, 'f', 0)
          .arg(voice.plainSMs[1], 0, 'f', 0)
          .arg(voice.plainSLevel[0], 0, 'f', 0)
          .arg(voice.plainSLevel[1], 0, 'f', 0);
  text += QStringLiteral("%1 %2 %3 %4 %5  %6\n")
              .arg(QStringLiteral("target"), -36)
              .arg(QStringLiteral("sounds"), 6)
              .arg(QStringLiteral("met"), 5)
              .arg(QStringLiteral("except"), 6)
              .arg(QStringLiteral("missed"), 6)
              .arg(QStringLiteral("first figure: median (range); goal"));
  for (const TargetText& target : kTargetTexts) {
    std::vector<double> values;
    int count = 0;
    int met = 0;
    int excepted = 0;
    for (const Finding& finding : findings) {
      if (finding.target != target.target) continue;
      ++count;
      const bool meets = meetsTarget(finding, voice);
      met += meets;
      excepted += !meets && !finding.exception.isEmpty();
      if (finding.measured) values.push_back(finding.figures[0]);
    }
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    const QString range = values.empty() ? QStringLiteral("-")
                                         : QStringLiteral("%1 (%2 to %3)")
                                               .arg(median(values), 0, 'f', 0)
                                               .arg(*low, 0, 'f', 0)
                                               .arg(*high, 0, 'f', 0);
    text += QStringLiteral("%1 %2 %3 %4 %5  %6; %7\n")
                .arg(QString::fromUtf8(target.name), -36)
                .arg(count, 6)
                .arg(met, 5)
                .arg(excepted, 6)
                .arg(count - met - excepted, 6)
                .arg(range, QString::fromUtf8(target.goal));
  }
  QString misses;
  QString exceptions;
  for (const Finding& finding : findings) {
    if (meetsTarget(finding, voice)) continue;
    const QString line = QStringLiteral("  %1 %2: %3: %4 (%5)\n")
                             .arg(finding.file, finding.text, finding.where, figuresText(finding),
                                  QString::fromUtf8(textOf(finding.target).goal));
    if (finding.exception.isEmpty()) {
      misses += line;
    } else {
      exceptions += line + QStringLiteral("    why: %1\n").arg(finding.exception);
    }
  }
  return text + QStringLiteral("misses:\n") + misses +
         QStringLiteral("exceptions (targets this voice cannot meet):\n") + exceptions;
}

}  // namespace lumora::contentgen
