#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "data/HangulSyllable.h"

// How a Korean item sounds, syllable by syllable: what the acoustic check expects to hear and
// what the voice is shaped to.
namespace lumora::contentgen {

// Kept reachable here, where every user of the pronunciation already looks.
using lumora::HangulLetters;
using lumora::hangulLetters;

// What starts a syllable, as the ear tells the Korean consonants apart.
enum class Onset {
  Vowel,      // ㅇ: the syllable starts on its vowel
  Lax,        // ㄱ ㄷ ㅂ ㅈ
  Aspirated,  // ㅋ ㅌ ㅍ ㅊ
  Tense,      // ㄲ ㄸ ㅃ ㅉ
  PlainS,     // ㅅ
  TenseS,     // ㅆ
  H,          // ㅎ
  Nasal,      // ㄴ ㅁ
  Liquid,     // ㄹ
};

// How a syllable ends: open, on a stop that closes without release (ㄱ ㄷ ㅂ and every
// final sounding as one of them), or on a sonorant (ㄴ ㄹ ㅁ ㅇ).
enum class Coda { None, Stop, Sonorant };

struct SpokenSyllable {
  QChar written;  // the syllable as the pronunciation spells it
  Onset onset = Onset::Vowel;
  Coda coda = Coda::None;
  bool wordStart = false;  // the first syllable of a word
};

// The syllables of a pronunciation written in Hangul (the standard pronunciation as the
// content list gives it), after the rules every speaker applies without thinking, which the
// list therefore need not spell out (표준 발음법): a final consonant before a vowel is spoken
// as the vowel's initial (제13항); a final closes as ㄱ ㄷ ㅂ or a sonorant (제9항, 제10항,
// 제11항); a lax consonant after a closing stop is tense (제23항). Characters other than
// Hangul syllables end a word.
std::vector<SpokenSyllable> pronounce(const QString& hangul);

// How the first syllable starts; Onset::Vowel when the text starts with no Hangul syllable.
Onset firstOnset(const QString& hangul);

// Whether a phrase starting on this onset starts high in Seoul speech (aspirated, tense, ㅅ,
// ㅆ, ㅎ); every other onset starts it low.
bool startsHigh(Onset onset);

}  // namespace lumora::contentgen
