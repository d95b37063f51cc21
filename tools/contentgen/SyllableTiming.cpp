#include "SyllableTiming.h"

#include <QSet>

namespace lumora::contentgen {
namespace {

enum class Kind { Vowel, Glide, Consonant, Pause };

// The Korean voice's phonemes by kind; pauses, stress and length marks are neither vowels nor
// consonants.
Kind kindOf(const QString& phoneme) {
  static const QSet<QString> vowels{QStringLiteral("a"), QStringLiteral("@"),  QStringLiteral("o"),
                                    QStringLiteral("u"), QStringLiteral("u-"), QStringLiteral("i"),
                                    QStringLiteral("e"), QStringLiteral("E")};
  if (vowels.contains(phoneme)) return Kind::Vowel;
  if (phoneme == u"j" || phoneme == u"w") return Kind::Glide;
  if (phoneme.isEmpty() || !phoneme.front().isLetter()) return Kind::Pause;
  return Kind::Consonant;
}

}  // namespace

std::optional<std::vector<SyllableTimes>> syllableTimes(
    const std::vector<PhonemeMark>& marks, const std::vector<SpokenSyllable>& syllables) {
  std::vector<SyllableTimes> times;
  std::vector<std::size_t> consonants;  // since the last vowel
  const auto closeVowel = [&](std::size_t sample) {
    if (!times.empty() && times.back().vowelEnd == 0) times.back().vowelEnd = sample;
  };
  for (std::size_t i = 0; i < marks.size(); ++i) {
    const PhonemeMark& mark = marks[i];
    const Kind kind = kindOf(mark.phoneme);
    if (kind == Kind::Consonant || kind == Kind::Pause) closeVowel(mark.sample);
    if (kind == Kind::Consonant) consonants.push_back(mark.sample);
    if (kind == Kind::Glide) {
      closeVowel(mark.sample);
      consonants.push_back(mark.sample);
    }
    if (kind != Kind::Vowel) continue;
    if (times.size() == syllables.size()) return std::nullopt;
    const SpokenSyllable& syllable = syllables[times.size()];
    const bool glide = i > 0 && kindOf(marks[i - 1].phoneme) == Kind::Glide;
    if (glide) consonants.pop_back();
    // The final of the syllable before takes the first consonant, the onset the next one.
    const bool finalBefore = !times.empty() && syllables[times.size() - 1].coda != Coda::None;
    const std::size_t onsetIndex = finalBefore ? 1 : 0;
    const std::size_t vowelStart = glide ? marks[i - 1].sample : mark.sample;
    closeVowel(vowelStart);  // a vowel right after a vowel (이일)
    const bool hasOnset = syllable.onset != Onset::Vowel && consonants.size() > onsetIndex;
    times.push_back({hasOnset ? consonants[onsetIndex] : vowelStart, vowelStart, 0});
    consonants.clear();
  }
  if (times.size() != syllables.size()) return std::nullopt;
  closeVowel(marks.empty() ? 0 : marks.back().sample);
  return times;
}

}  // namespace lumora::contentgen
