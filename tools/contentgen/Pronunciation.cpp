#include "Pronunciation.h"

#include <array>

namespace lumora::contentgen {
namespace {

constexpr int kSilentInitial = 11;  // ㅇ
constexpr int kFinalNg = 21;        // ㅇ

// The 19 initials in Unicode order: ㄱ ㄲ ㄴ ㄷ ㄸ ㄹ ㅁ ㅂ ㅃ ㅅ ㅆ ㅇ ㅈ ㅉ ㅊ ㅋ ㅌ ㅍ ㅎ.
constexpr std::array<Onset, kHangulInitialCount> kOnsetOfInitial{
    Onset::Lax,       Onset::Tense,     Onset::Nasal,     Onset::Lax,   Onset::Tense,
    Onset::Liquid,    Onset::Nasal,     Onset::Lax,       Onset::Tense, Onset::PlainS,
    Onset::TenseS,    Onset::Vowel,     Onset::Lax,       Onset::Tense, Onset::Aspirated,
    Onset::Aspirated, Onset::Aspirated, Onset::Aspirated, Onset::H};

// The tense initial of each lax one (ㄱ→ㄲ, ㄷ→ㄸ, ㅂ→ㅃ, ㅅ→ㅆ, ㅈ→ㅉ); -1 for the others.
constexpr std::array<int, kHangulInitialCount> kTenseOfInitial{
    1, -1, -1, 4, -1, -1, -1, 8, -1, 10, -1, -1, 13, -1, -1, -1, -1, -1, -1};

// The 27 finals in Unicode order (after "none"): ㄱ ㄲ ㄳ ㄴ ㄵ ㄶ ㄷ ㄹ ㄺ ㄻ ㄼ ㄽ ㄾ ㄿ ㅀ ㅁ ㅂ
// ㅄ ㅅ ㅆ ㅇ ㅈ ㅊ ㅋ ㅌ ㅍ ㅎ, as each closes a syllable (제9항 to 제11항).
constexpr std::array<Coda, kHangulFinalCount> kCodaOfFinal{
    Coda::None,     Coda::Stop,     Coda::Stop,     Coda::Stop,     Coda::Sonorant, Coda::Sonorant,
    Coda::Sonorant, Coda::Stop,     Coda::Sonorant, Coda::Stop,     Coda::Sonorant, Coda::Sonorant,
    Coda::Sonorant, Coda::Sonorant, Coda::Stop,     Coda::Sonorant, Coda::Sonorant, Coda::Stop,
    Coda::Stop,     Coda::Stop,     Coda::Stop,     Coda::Sonorant, Coda::Stop,     Coda::Stop,
    Coda::Stop,     Coda::Stop,     Coda::Stop,     Coda::Stop};

// The initial a final becomes when it moves onto a following vowel (제13항; of two letters the
// second moves, 제14항); -1 where nothing moves (ㅇ stays, ㅎ falls silent, 제12항).
constexpr std::array<int, kHangulFinalCount> kInitialOfFinal{
    -1, 0, 1, 9, 2, 12, 2, 3, 5, 0, 6, 7, 9, 16, 17, 5, 6, 7, 9, 9, 10, -1, 12, 14, 15, 16, 17, -1};
// What stays of a final that moves: the first of two letters, or nothing.
constexpr std::array<int, kHangulFinalCount> kFinalLeft{0, 0, 0, 1, 0,  4, 0, 0, 0, 8, 8, 8, 8, 8,
                                                        8, 0, 0, 0, 17, 0, 0, 0, 0, 0, 0, 0, 0, 0};

// One syllable of a word before the rules, with its letters.
struct Written {
  HangulLetters letters;
  bool wordStart = false;
  bool afterSpace = false;  // a space separates it from the syllable before
};

std::vector<Written> writtenSyllables(const QString& hangul) {
  std::vector<Written> syllables;
  bool wordStart = true;
  bool afterSpace = false;
  for (const QChar character : hangul) {
    const auto letters = hangulLetters(character);
    if (!letters) {
      wordStart = true;
      afterSpace = !syllables.empty();
      continue;
    }
    syllables.push_back({*letters, wordStart, afterSpace});
    wordStart = false;
    afterSpace = false;
  }
  return syllables;
}

}  // namespace

std::vector<SpokenSyllable> pronounce(const QString& hangul) {
  std::vector<Written> syllables = writtenSyllables(hangul);
  // A final moves onto a following vowel of the same word (제13항).
  for (std::size_t i = 0; i + 1 < syllables.size(); ++i) {
    HangulLetters& letters = syllables[i].letters;
    HangulLetters& next = syllables[i + 1].letters;
    if (syllables[i + 1].wordStart || next.initial != kSilentInitial || letters.final == 0 ||
        letters.final == kFinalNg) {
      continue;
    }
    const auto final = static_cast<std::size_t>(letters.final);
    if (kInitialOfFinal[final] >= 0) next.initial = kInitialOfFinal[final];
    letters.final = kFinalLeft[final];
  }
  std::vector<SpokenSyllable> spoken;
  Coda before = Coda::None;
  for (Written& syllable : syllables) {
    HangulLetters& letters = syllable.letters;
    // After a closing stop a lax consonant is tense (제23항), across a space as well.
    const int tense = kTenseOfInitial[static_cast<std::size_t>(letters.initial)];
    if (before == Coda::Stop && tense >= 0) letters.initial = tense;
    SpokenSyllable result{
        composedHangul(letters), kOnsetOfInitial[static_cast<std::size_t>(letters.initial)],
        kCodaOfFinal[static_cast<std::size_t>(letters.final)], syllable.wordStart};
    spoken.push_back(result);
    before = result.coda;
  }
  return spoken;
}

Onset firstOnset(const QString& hangul) {
  const std::vector<SpokenSyllable> syllables = pronounce(hangul);
  return syllables.empty() ? Onset::Vowel : syllables.front().onset;
}

bool startsHigh(Onset onset) {
  return onset == Onset::Aspirated || onset == Onset::Tense || onset == Onset::PlainS ||
         onset == Onset::TenseS || onset == Onset::H;
}

}  // namespace lumora::contentgen
