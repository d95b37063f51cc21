#include "answer/TypedJudge.h"

#include "data/Numbers.h"

namespace lumora {
namespace {

// Japanese input methods often give full-width digits; they mean the same answer.
QString halfWidthDigits(QString text) {
  for (QChar& c : text) {
    if (c >= u'０' && c <= u'９') c = QChar(u'0' + (c.unicode() - u'０'));
  }
  return text;
}

qsizetype digitCount(int number) { return QString::number(number).size(); }

Verdict judgeOneNumber(const QString& text, int n) {
  if (!isNumericText(text)) return Verdict::NotYet;
  // A number beyond the 16-bit range is simply not n.
  if (toInteger16(leadingNumber(text)) == n) return Verdict::Right;
  return text.size() == digitCount(n) ? Verdict::Wrong : Verdict::NotYet;
}

Verdict judgeTwoNumbers(const QString& text, int n, int m) {
  const qsizetype blank = text.indexOf(u' ');
  if (blank < 0 || text.size() < digitCount(n) + digitCount(m) + 1) return Verdict::NotYet;
  const double x = leadingNumber(QStringView(text).left(blank));
  const double y = leadingNumber(QStringView(text).mid(blank + 1));
  if (x == n && y == m) return Verdict::Right;
  return numberText(y).size() == digitCount(m) ? Verdict::Wrong : Verdict::NotYet;
}

}  // namespace

Verdict judgeTypedText(const QString& typed, const ExpectedAnswer& expected) {
  if (typed.isEmpty() || typed == u" ") return Verdict::NotYet;
  const QString text = halfWidthDigits(typed);
  switch (expected.form) {
    case 1:
      return judgeOneNumber(text, expected.n);
    case 2:
      return judgeTwoNumbers(text, expected.n, expected.m);
    default:
      return Verdict::NotYet;
  }
}

}  // namespace lumora
