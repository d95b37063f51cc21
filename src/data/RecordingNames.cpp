#include "data/RecordingNames.h"

#include <array>

namespace lumora::names {
namespace {

// The last `width` characters of zeros followed by the digits.
QString padded(int number, int width) {
  const QString text = QString(width, u'0') + QString::number(number);
  return text.right(width);
}

}  // namespace

QString padded3(int number) { return padded(number, 3); }
QString padded2(int number) { return padded(number, 2); }

QString weekdayName(int weekday) {
  static const std::array<QString, 7> names = {QStringLiteral("日曜"), QStringLiteral("月曜"),
                                               QStringLiteral("火曜"), QStringLiteral("水曜"),
                                               QStringLiteral("木曜"), QStringLiteral("金曜"),
                                               QStringLiteral("土曜")};
  if (weekday < 1 || weekday > 7) return {};
  return names[weekday - 1];
}

QString sinoNumber(int n) {
  return QStringLiteral("漢数詞") + padded3(n) + QStringLiteral("_00.wav");
}
QString nativeNumber(int n) {
  return QStringLiteral("固有数詞") + padded3(n) + QStringLiteral("_00.wav");
}
QString month(int m) { return QStringLiteral("月M") + padded2(m) + QStringLiteral("_01.wav"); }
QString day(int d) { return QStringLiteral("日D") + padded2(d) + QStringLiteral("_00.wav"); }
QString weekday(int w) { return weekdayName(w) + QString::number(w) + QStringLiteral("_00.wav"); }
QString hour(int h) { return QStringLiteral("時") + padded2(h) + QStringLiteral("時_01.wav"); }
QString minute(const QString& namePart) {
  return QStringLiteral("分") + namePart + QStringLiteral("_00.wav");
}
QString ordinal(int n) { return QStringLiteral("番目") + padded3(n) + QStringLiteral("_01.wav"); }
QString hardSound(const QString& syllable) {
  return QStringLiteral("難聴音") + syllable + QStringLiteral("_00.wav");
}
QString picture(const QString& syllable) { return syllable + QStringLiteral(".JPG"); }

}  // namespace lumora::names
