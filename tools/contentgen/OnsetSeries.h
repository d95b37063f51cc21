#pragma once

#include <QString>
#include <optional>

namespace lumora::contentgen {

// The three series of Korean stops and affricates, which learners tell apart by the burst,
// the breath before the vowel and the pitch the vowel starts on.
enum class OnsetSeries { None, Lax, Aspirated, Tense };

// The series of the first syllable's initial consonant: ㄱ ㄷ ㅂ ㅈ lax, ㅋ ㅌ ㅍ ㅊ aspirated,
// ㄲ ㄸ ㅃ ㅉ tense; None for fricatives, sonorants, a silent ㅇ and anything not Hangul.
OnsetSeries onsetSeries(const QString& hangul);

// The first syllable's initial consonant by its Unicode index (ㄱ 0, ㄲ 1, … ㅅ 9, ㅆ 10, …
// ㅎ 18), and whether that syllable closes on a final consonant; nothing when not Hangul.
struct SyllableShape {
  int initial = 0;
  bool closed = false;
};
std::optional<SyllableShape> firstSyllableShape(const QString& hangul);

// The pitch a syllable is spoken on: Seoul Korean starts the vowel after a lax stop or
// affricate clearly lower than after an aspirated or tense one.
enum class Pitch { Normal, Low };

}  // namespace lumora::contentgen
