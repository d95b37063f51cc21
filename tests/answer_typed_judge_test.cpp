#include <gtest/gtest.h>

#include "answer/TypedJudge.h"

namespace lumora {
namespace {

struct JudgeCase {
  ExpectedAnswer expected;
  const char16_t* typed;
  Verdict verdict;
  friend void PrintTo(const JudgeCase& c, std::ostream* os) {
    *os << "form " << c.expected.form << " n " << c.expected.n << " m " << c.expected.m
        << " typed \"" << QString::fromUtf16(c.typed).toStdString() << '"';
  }
};

class TypedJudge : public ::testing::TestWithParam<JudgeCase> {};

TEST_P(TypedJudge, GivesTheVerdictOnceTheTextIsLongEnough) {
  const JudgeCase& c = GetParam();
  EXPECT_EQ(judgeTypedText(QString::fromUtf16(c.typed), c.expected), c.verdict);
}

constexpr Verdict kNotYet = Verdict::NotYet;
constexpr Verdict kRight = Verdict::Right;
constexpr Verdict kWrong = Verdict::Wrong;

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, TypedJudge,
    ::testing::Values(
        JudgeCase{{1, 25, 0}, u"2", kNotYet}, JudgeCase{{1, 25, 0}, u"25", kRight},
        JudgeCase{{1, 25, 0}, u"24", kWrong}, JudgeCase{{1, 5, 0}, u"05", kRight},
        JudgeCase{{1, 5, 0}, u"7", kWrong}, JudgeCase{{1, 100, 0}, u"10", kNotYet},
        JudgeCase{{2, 5, 11}, u"5 1", kNotYet}, JudgeCase{{2, 5, 11}, u"5 11", kRight},
        JudgeCase{{2, 5, 11}, u"5 12", kWrong}, JudgeCase{{2, 5, 11}, u"6 30", kWrong},
        JudgeCase{{2, 10, 1}, u"1 12", kNotYet}, JudgeCase{{2, 5, 1}, u"55 ", kWrong}));

INSTANTIATE_TEST_SUITE_P(
    OneNumber, TypedJudge,
    ::testing::Values(JudgeCase{{1, 7, 0}, u"", kNotYet}, JudgeCase{{1, 7, 0}, u" ", kNotYet},
                      JudgeCase{{1, 7, 0}, u"007", kRight}, JudgeCase{{1, 7, 0}, u"08", kNotYet},
                      JudgeCase{{1, 7, 0}, u" 7 ", kRight}, JudgeCase{{1, 100, 0}, u"100", kRight},
                      JudgeCase{{1, 100, 0}, u"101", kWrong}, JudgeCase{{1, 10, 0}, u"1e1", kRight},
                      JudgeCase{{1, 2, 0}, u"2.5", kRight},  // halves round to even
                      JudgeCase{{1, 4, 0}, u"-4", kNotYet}, JudgeCase{{1, 12, 0}, u"-4", kWrong},
                      // Not a number: never judged, whatever its length.
                      JudgeCase{{1, 25, 0}, u"2a", kNotYet}, JudgeCase{{1, 7, 0}, u"x", kNotYet},
                      JudgeCase{{1, 25, 0}, u"2 5", kNotYet},
                      JudgeCase{{1, 25, 0}, u"2 ", kWrong},  // blanks around count in the length
                      // Beyond 16 bits: a number, just not n.
                      JudgeCase{{1, 12345, 0}, u"99999", kWrong},
                      JudgeCase{{1, 25, 0}, u"99999999999999999999", kNotYet},
                      // Full-width digits mean the same numbers.
                      JudgeCase{{1, 25, 0}, u"２５", kRight},
                      JudgeCase{{1, 25, 0}, u"２４", kWrong}));

INSTANTIATE_TEST_SUITE_P(
    TwoNumbers, TypedJudge,
    ::testing::Values(
        JudgeCase{{2, 5, 11}, u"5　11", kNotYet},   // full-width space
        JudgeCase{{2, 5, 11}, u"5　111", kNotYet},  // never separates
        JudgeCase{{2, 5, 11}, u"511", kNotYet}, JudgeCase{{2, 5, 11}, u"5 011", kRight},
        JudgeCase{{2, 5, 11}, u"5 1 1", kRight}, JudgeCase{{2, 5, 11}, u"05 11", kRight},
        JudgeCase{{2, 12, 3}, u"12 3", kRight}, JudgeCase{{2, 12, 3}, u"12 4", kWrong},
        JudgeCase{{2, 12, 3}, u"11 3", kWrong}, JudgeCase{{2, 5, 30}, u"5 3", kNotYet},
        JudgeCase{{2, 5, 30}, u"5 3x", kNotYet}, JudgeCase{{2, 5, 30}, u"5 30", kRight},
        JudgeCase{{2, 5, 30}, u"５ ３０", kRight}, JudgeCase{{2, 5, 30}, u"x 31", kWrong},
        JudgeCase{{2, 5, 30}, u"99999 40000", kNotYet}, JudgeCase{{2, 5, 11}, u" ", kNotYet}));

INSTANTIATE_TEST_SUITE_P(NoExpectedAnswer, TypedJudge,
                         ::testing::Values(JudgeCase{{0, 0, 0}, u"0", kNotYet},
                                           JudgeCase{{3, 5, 11}, u"5 11", kNotYet}));

}  // namespace
}  // namespace lumora
