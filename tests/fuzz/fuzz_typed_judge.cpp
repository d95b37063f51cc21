// Any expected answer and any typed text through the typed-answer judgement.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstring>
#include <string>

#include "FuzzCheck.h"
#include "answer/TypedJudge.h"

namespace lumora {
namespace {

QString fullWidth(const QString& text) {
  QString wide = text;
  for (QChar& c : wide) {
    if (c.isDigit()) c = QChar(u'０' + (c.unicode() - u'0'));
  }
  return wide;
}

// The right answer typed as the instructions ask is right, in half- and full-width digits;
// another number as long as n is wrong.
void checkPlainAnswers(const ExpectedAnswer& expected, int other) {
  QString right;
  if (expected.form == 1 && expected.n >= 0) right = QString::number(expected.n);
  if (expected.form == 2 && expected.n >= 0 && expected.m >= 0) {
    right = QStringLiteral("%1 %2").arg(expected.n).arg(expected.m);
  }
  if (right.isEmpty()) return;
  FUZZ_CHECK(judgeTypedText(right, expected) == Verdict::Right);
  FUZZ_CHECK(judgeTypedText(fullWidth(right), expected) == Verdict::Right);
  const QString wrong = QString::number(other);
  if (expected.form == 1 && other != expected.n && wrong.size() == right.size()) {
    FUZZ_CHECK(judgeTypedText(wrong, expected) == Verdict::Wrong);
  }
}

}  // namespace
}  // namespace lumora

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lumora;
  FuzzedDataProvider input(data, size);
  ExpectedAnswer expected;
  expected.form = input.ConsumeIntegralInRange(-1, 3);
  expected.n = input.ConsumeIntegral<std::int16_t>();
  expected.m = input.ConsumeIntegral<std::int16_t>();
  const int other = input.ConsumeIntegralInRange(0, 32767);
  const bool utf16 = input.ConsumeBool();
  const std::string rest = input.ConsumeRemainingBytesAsString();
  std::u16string units(rest.size() / 2, u'\0');
  std::memcpy(units.data(), rest.data(), units.size() * 2);
  const QString typed = utf16 ? QString::fromStdU16String(units) : QString::fromStdString(rest);

  const Verdict verdict = judgeTypedText(typed, expected);
  if (expected.form != 1 && expected.form != 2) FUZZ_CHECK(verdict == Verdict::NotYet);
  FUZZ_CHECK(judgeTypedText(QString(), expected) == Verdict::NotYet);
  FUZZ_CHECK(judgeTypedText(QStringLiteral(" "), expected) == Verdict::NotYet);
  checkPlainAnswers(expected, other);
  return 0;
}
