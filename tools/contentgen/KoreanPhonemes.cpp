#include "KoreanPhonemes.h"

#include <array>

#include "Pronunciation.h"

namespace lumora::contentgen {
namespace {

// Initials in Unicode order (ㄱ ㄲ ㄴ ㄷ ㄸ ㄹ ㅁ ㅂ ㅃ ㅅ ㅆ ㅇ ㅈ ㅉ ㅊ ㅋ ㅌ ㅍ ㅎ): at the
// start of the phrase or after a closing stop, and after a voiced sound.
struct InitialPhonemes {
  const char* atStart;
  const char* afterVoiced;
};
constexpr std::array<InitialPhonemes, 19> kInitials{{{"k", "g"},
                                                     {"q-", "q-"},
                                                     {"n", "n"},
                                                     {"t", "d"},
                                                     {"t-", "t-"},
                                                     {"l", "*"},
                                                     {"m", "m"},
                                                     {"p", "b"},
                                                     {"p-", "p-"},
                                                     {"s", "s"},
                                                     {"ss", "ss"},
                                                     {"", ""},
                                                     {"tS;", "dZ;"},
                                                     {"tS;-", "tS;-"},
                                                     {"tSh", "tSh"},
                                                     {"kh", "kh"},
                                                     {"th", "th"},
                                                     {"phh", "phh"},
                                                     {"h", "h"}}};

// Vowels in Unicode order (ㅏ ㅐ ㅑ ㅒ ㅓ ㅔ ㅕ ㅖ ㅗ ㅘ ㅙ ㅚ ㅛ ㅜ ㅝ ㅞ ㅟ ㅠ ㅡ ㅢ ㅣ): the
// glide before the stress mark, the vowel after it.
struct VowelPhonemes {
  const char* glide;
  const char* vowel;
};
constexpr std::array<VowelPhonemes, 21> kVowels{
    {{"", "a"},  {"", "E"},  {"j", "a"}, {"j", "E"}, {"", "@"},  {"", "e"},   {"j", "@"},
     {"j", "e"}, {"", "o"},  {"w", "a"}, {"w", "E"}, {"w", "e"}, {"j", "o"},  {"", "u"},
     {"w", "@"}, {"w", "e"}, {"w", "i"}, {"j", "u"}, {"", "u-"}, {"", "u-j"}, {"", "i"}}};

// Finals in Unicode order, as each closes a syllable (제9항 to 제11항).
constexpr std::array<const char*, 28> kFinals{"",  "q", "q", "q", "n", "n", "n", "t", "L", "q",
                                              "m", "L", "L", "L", "p", "L", "m", "p", "p", "t",
                                              "t", "N", "t", "t", "q", "t", "t", "t"};

constexpr int kInitialLiquid = 5;  // ㄹ
constexpr int kFinalLiquid = 8;    // ㄹ

}  // namespace

QString espeakPhonemes(const QString& pronunciation) {
  QString phonemes;
  Coda before = Coda::Stop;  // the phrase starts as after a pause
  int finalBefore = 0;
  bool first = true;
  for (const SpokenSyllable& syllable : pronounce(pronunciation)) {
    const HangulLetters letters = *hangulLetters(syllable.written);
    if (syllable.wordStart && !first) phonemes += u' ';
    const InitialPhonemes& initial = kInitials[static_cast<std::size_t>(letters.initial)];
    const bool voicedBefore = before != Coda::Stop;
    // ㄹ after ㄹ is a long [l], not a flap (열려 [jʌlljʌ]).
    const bool liquidAfterLiquid = letters.initial == kInitialLiquid && finalBefore == kFinalLiquid;
    phonemes += QString::fromLatin1(liquidAfterLiquid || !voicedBefore ? initial.atStart
                                                                       : initial.afterVoiced);
    const VowelPhonemes& vowel = kVowels[static_cast<std::size_t>(letters.vowel)];
    phonemes += QString::fromLatin1(vowel.glide);
    if (first) phonemes += u'\'';
    phonemes += QString::fromLatin1(vowel.vowel);
    phonemes += QString::fromLatin1(kFinals[static_cast<std::size_t>(letters.final)]);
    before = syllable.coda;
    finalBefore = letters.final;
    first = false;
  }
  return phonemes;
}

}  // namespace lumora::contentgen
