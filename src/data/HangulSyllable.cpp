#include "data/HangulSyllable.h"

#include <array>
#include <utility>

namespace lumora {
namespace {

constexpr char16_t kFirstSyllable = 0xAC00;  // 가
constexpr char16_t kLastSyllable = 0xD7A3;   // 힣

// In Unicode's order: ㄱ ㄲ ㄴ ㄷ ㄸ ㄹ ㅁ ㅂ ㅃ ㅅ ㅆ ㅇ ㅈ ㅉ ㅊ ㅋ ㅌ ㅍ ㅎ.
constexpr std::array<const char*, kHangulInitialCount> kInitials = {
    "g",  "kk", "n", "d",  "tt", "r", "m", "b", "pp", "s",
    "ss", "",   "j", "jj", "ch", "k", "t", "p", "h"};
// In Unicode's order: ㅏ ㅐ ㅑ ㅒ ㅓ ㅔ ㅕ ㅖ ㅗ ㅘ ㅙ ㅚ ㅛ ㅜ ㅝ ㅞ ㅟ ㅠ ㅡ ㅢ ㅣ.
constexpr std::array<const char*, kHangulVowelCount> kVowels = {
    "a",  "ae", "ya", "yae", "eo", "e",  "yeo", "ye", "o",  "wa", "wae",
    "oe", "yo", "u",  "wo",  "we", "wi", "yu",  "eu", "ui", "i"};
// The seven sounds a final can have, each with the index of the letter written for it.
constexpr std::array<std::pair<const char*, int>, 8> kFinals = {
    {{"", 0}, {"k", 1}, {"n", 4}, {"t", 19}, {"l", 8}, {"m", 16}, {"p", 17}, {"ng", 21}}};

}  // namespace

QChar composedHangul(const HangulLetters& letters) {
  return QChar(static_cast<char16_t>(
      kFirstSyllable + (letters.initial * kHangulVowelCount + letters.vowel) * kHangulFinalCount +
      letters.final));
}

std::optional<HangulLetters> hangulLetters(QChar syllable) {
  const char16_t code = syllable.unicode();
  if (code < kFirstSyllable || code > kLastSyllable) return std::nullopt;
  const int index = code - kFirstSyllable;
  return HangulLetters{index / (kHangulVowelCount * kHangulFinalCount),
                       index / kHangulFinalCount % kHangulVowelCount, index % kHangulFinalCount};
}

std::optional<QString> hangulOfRomanized(const QString& name) {
  for (int initial = 0; initial < int(kInitials.size()); ++initial) {
    if (!name.startsWith(QLatin1String(kInitials[initial]))) continue;
    const QString afterInitial = name.mid(int(qstrlen(kInitials[initial])));
    for (int vowel = 0; vowel < kHangulVowelCount; ++vowel) {
      if (!afterInitial.startsWith(QLatin1String(kVowels[vowel]))) continue;
      const QString rest = afterInitial.mid(int(qstrlen(kVowels[vowel])));
      for (const auto& [finalSound, finalLetter] : kFinals) {
        if (rest != QLatin1String(finalSound)) continue;
        return QString(composedHangul({initial, vowel, finalLetter}));
      }
    }
  }
  return std::nullopt;
}

}  // namespace lumora
