#pragma once

#include <QString>

// Judging a typed answer as soon as it is long enough to be complete.
namespace lumora {

enum class Verdict { NotYet, Right, Wrong };

// The expected answer: `form` values (1 or 2), the first `n`, the second `m`.
struct ExpectedAnswer {
  int form = 0;
  int n = 0;
  int m = 0;
};

// The verdict on the text typed so far. Form 1: the whole text read as a number is right
// when it equals n, wrong once it has as many characters as n has digits; a text that is
// not a number is not judged. Form 2: two numbers separated by the first ASCII blank,
// judged once the text is long enough and the second number has as many digits as m.
// Full-width digits count as their half-width forms; a full-width space never separates.
Verdict judgeTypedText(const QString& text, const ExpectedAnswer& expected);

}  // namespace lumora
