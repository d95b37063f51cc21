#pragma once

#include <QChar>
#include <QString>
#include <optional>

namespace lumora {

// How many initials, vowels and finals (counting "none") Unicode combines into syllables.
inline constexpr int kHangulInitialCount = 19;
inline constexpr int kHangulVowelCount = 21;
inline constexpr int kHangulFinalCount = 28;

// A Hangul syllable by the Unicode indexes of its letters: initial ㄱ 0 … ㅎ 18, vowel ㅏ 0 …
// ㅣ 20, final 0 (none), ㄱ 1 … ㅎ 27.
struct HangulLetters {
  int initial = 0;
  int vowel = 0;
  int final = 0;
};

// The precomposed syllable of these letters.
QChar composedHangul(const HangulLetters& letters);

// The letters of a precomposed Hangul syllable; nothing for any other character.
std::optional<HangulLetters> hangulLetters(QChar syllable);

// The Hangul syllable a table names in Revised Romanization ("kka" is 까, "bang" 방): the
// tables are Shift_JIS, which has no Hangul. A final heard as k, t or p is written with its
// most common letter, ㄱ, ㅅ or ㅂ ("gat" is 갓). Nothing for a name that is not one
// romanized syllable.
std::optional<QString> hangulOfRomanized(const QString& name);

}  // namespace lumora
