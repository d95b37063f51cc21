#include "HowToSay.h"

#include "Pronunciation.h"
#include "RecordingFamily.h"

namespace lumora::contentgen {
namespace {

// What the learner must hear in a syllable said on its own: the lax, aspirated and tense
// consonants differ in breath, tension and the pitch the vowel starts on; ㅅ and ㅆ in the
// hiss; a final consonant closes the syllable without a release.
QString syllableHint(const QString& hangul) {
  const std::vector<SpokenSyllable> syllables = pronounce(hangul);
  if (syllables.empty()) return QStringLiteral("一語として自然に");
  if (syllables.front().coda == Coda::Stop) {
    return QStringLiteral("1音節で、終声（パッチム）は口を閉じたまま、息を出さずに止める");
  }
  if (syllables.front().coda == Coda::Sonorant) {
    return QStringLiteral("1音節で、終声（パッチム）の口の形をはっきり");
  }
  switch (syllables.front().onset) {
    case Onset::Lax:
      return QStringLiteral("平音：息は弱く、低めの高さで始める");
    case Onset::Aspirated:
      return QStringLiteral("激音：強い息を伴い、高めの高さで始める");
    case Onset::Tense:
      return QStringLiteral("濃音：息を出さず喉を締めて、高めの高さで始める");
    case Onset::PlainS:
      return QStringLiteral("平音：摩擦は短く、少し息をまぜて");
    case Onset::TenseS:
      return QStringLiteral("濃音：喉を締めて、摩擦を長く強く、息をまぜずに母音へ");
    default:
      return QStringLiteral("1音節で、母音の口の形をはっきり");
  }
}

}  // namespace

QString howToSay(const Utterance& utterance) {
  QString hint = utterance.syllable ? syllableHint(utterance.pronunciation)
                 : recordingFamily(utterance.fileName).partOfTwo
                     ? QStringLiteral("独立した一語として・平らなイントネーションで")
                     : QStringLiteral("一語として自然に");
  if (utterance.pronunciation != utterance.text) {
    hint += QStringLiteral("（発音 [%1]）").arg(utterance.pronunciation);
  }
  return hint;
}

}  // namespace lumora::contentgen
