#include "RecordingFamily.h"

#include <QRegularExpression>
#include <vector>

namespace lumora::contentgen {
namespace {

// A family of file names: its pattern, and how its meaning is written (%1 is the number or
// weekday of the name).
struct Family {
  QString category;
  QRegularExpression pattern;
  QString meaning;
  bool partOfTwo;
};

const std::vector<Family>& families() {
  static const std::vector<Family> all{
      {QStringLiteral("漢数詞"), QRegularExpression(QStringLiteral("^漢数詞(\\d{3})_00\\.wav$")),
       QStringLiteral("%1（漢数詞）"), false},
      {QStringLiteral("固有数詞"),
       QRegularExpression(QStringLiteral("^固有数詞(\\d{3})_00\\.wav$")),
       QStringLiteral("%1（固有数詞）"), false},
      {QStringLiteral("月"), QRegularExpression(QStringLiteral("^月M(\\d{2})_01\\.wav$")),
       QStringLiteral("%1月"), true},
      {QStringLiteral("日"), QRegularExpression(QStringLiteral("^日D(\\d{2})_00\\.wav$")),
       QStringLiteral("%1日"), true},
      {QStringLiteral("曜日"), QRegularExpression(QStringLiteral("^(.)曜\\d_00\\.wav$")),
       QStringLiteral("%1曜日"), false},
      {QStringLiteral("時"), QRegularExpression(QStringLiteral("^時(\\d{2})時_01\\.wav$")),
       QStringLiteral("%1時"), true},
      {QStringLiteral("分"), QRegularExpression(QStringLiteral("^分(.+)_00\\.wav$")), {}, true},
      {QStringLiteral("番目"), QRegularExpression(QStringLiteral("^番目(\\d{3})_01\\.wav$")),
       QStringLiteral("%1番目"), false},
      {QStringLiteral("難聴音"), QRegularExpression(QStringLiteral("^難聴音([a-z]+)_00\\.wav$")),
       QStringLiteral("音節 %1"), false},
  };
  return all;
}

// Numbers lose their padding: 漢数詞017 means 17.
QString meaningPart(const QString& captured) {
  bool number = false;
  const int value = captured.toInt(&number);
  return number ? QString::number(value) : captured;
}

}  // namespace

RecordingFamily recordingFamily(const QString& fileName) {
  // Native Korean counts only to 99: the native-number question for 100 says the Sino-Korean 백.
  if (fileName == u"固有数詞100_00.wav") {
    return {QStringLiteral("固有数詞"),
            QStringLiteral("100（固有数詞の問題。固有語に100はなく、漢数詞の백）"), false};
  }
  for (const Family& family : families()) {
    const QRegularExpressionMatch match = family.pattern.match(fileName);
    if (!match.hasMatch()) continue;
    const QString meaning =
        family.meaning.isEmpty() ? QString() : family.meaning.arg(meaningPart(match.captured(1)));
    return {family.category, meaning, family.partOfTwo};
  }
  return {QStringLiteral("その他"), {}, false};
}

}  // namespace lumora::contentgen
