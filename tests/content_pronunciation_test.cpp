#include <gtest/gtest.h>

#include "KoreanPhonemes.h"
#include "Pronunciation.h"

// How a pronunciation in Hangul sounds after the automatic rules, and what the voice is told.
namespace lumora::contentgen {
namespace {

struct PronunciationCase {
  const char* hangul;
  const char* spoken;    // the syllables after the rules
  const char* phonemes;  // espeak-ng's
};

void PrintTo(const PronunciationCase& pronunciation, std::ostream* out) {
  *out << pronunciation.hangul;
}

class PronunciationTest : public testing::TestWithParam<PronunciationCase> {};

TEST_P(PronunciationTest, FollowsTheSoundRulesAndGivesTheVoiceItsPhonemes) {
  const QString hangul = QString::fromUtf8(GetParam().hangul);
  QString spoken;
  for (const SpokenSyllable& syllable : pronounce(hangul)) {
    if (syllable.wordStart && !spoken.isEmpty()) spoken += u' ';
    spoken += syllable.written;
  }
  EXPECT_EQ(spoken, QString::fromUtf8(GetParam().spoken));
  EXPECT_EQ(espeakPhonemes(hangul), QString::fromUtf8(GetParam().phonemes));
}

INSTANTIATE_TEST_SUITE_P(
    Pronunciation, PronunciationTest,
    testing::Values(
        // A lax stop at the start breathes; between voiced sounds it is voiced.
        PronunciationCase{"구", "구", "k'u"}, PronunciationCase{"여덜", "여덜", "j'@d@L"},
        PronunciationCase{"일곱", "일곱", "'iLgop"}, PronunciationCase{"자", "자", "tS;'a"},
        // A final moves onto the vowel after it (제13항), within a word only.
        PronunciationCase{"십이", "시비", "s'ibi"}, PronunciationCase{"육일", "유길", "j'ugiL"},
        PronunciationCase{"목요일", "모교일", "m'ogjoiL"},
        // A lax consonant after a closing stop is tense (제23항), across a space too.
        PronunciationCase{"십삼", "십쌈", "s'ipssam"},
        PronunciationCase{"다섯 시", "다섯 씨", "t'as@t ssi"},
        PronunciationCase{"십구", "십꾸", "s'ipq-u"},
        // Two final letters close as one (제10항, 제11항).
        PronunciationCase{"여덟", "여덟", "j'@d@L"}, PronunciationCase{"닭", "닭", "t'aq"},
        // ㄹ after ㄹ is [l]; between vowels a flap.
        PronunciationCase{"열려섣", "열려섣", "j'@Llj@s@t"},
        PronunciationCase{"서른", "서른", "s'@*u-n"},
        // Aspirated, tense and ㅆ onsets; ㅢ.
        PronunciationCase{"파", "파", "phh'a"}, PronunciationCase{"까", "까", "q-'a"},
        PronunciationCase{"싸", "싸", "ss'a"}, PronunciationCase{"의", "의", "'u-j"}));

TEST(Pronunciation, StartsHighAfterAspiratedTenseSAndH) {
  for (const char* high : {"카", "까", "사", "싸", "하"}) {
    EXPECT_TRUE(startsHigh(firstOnset(QString::fromUtf8(high)))) << high;
  }
  for (const char* low : {"가", "나", "마", "라", "아"}) {
    EXPECT_FALSE(startsHigh(firstOnset(QString::fromUtf8(low)))) << low;
  }
}

}  // namespace
}  // namespace lumora::contentgen
