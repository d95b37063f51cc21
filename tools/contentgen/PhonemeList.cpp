#include "PhonemeList.h"

#include <QStringList>

namespace lumora::contentgen {

QString phonemeList(const ContentList& list, const PhonemeSource& phonemesOf) {
  QString text = QStringLiteral(
      "# The phonemes espeak-ng's Korean voice speaks for every recording of\n"
      "# lumora-content.tsv, checked against the standard pronunciation. Rewrite it with\n"
      "#   lumora-contentgen --phonemes content/lumora-content.tsv > content/lumora-phonemes.tsv\n"
      "# and review the difference line by line.\n"
      "# file\ttext\tspoken as\tphonemes\n");
  for (const Utterance& utterance : utterances(list)) {
    const QStringList fields{utterance.fileName, utterance.text, utterance.spoken,
                             phonemesOf(utterance.spoken)};
    text += fields.join(u'\t') + u'\n';
  }
  return text;
}

}  // namespace lumora::contentgen
