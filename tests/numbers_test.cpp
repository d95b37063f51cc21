#include <gtest/gtest.h>

#include "data/Numbers.h"
#include "data/Variant.h"

namespace lumora {
namespace {

struct LeadingCase {
  const char16_t* text;
  double expected;
  friend void PrintTo(const LeadingCase& c, std::ostream* os) {
    *os << '"' << QString::fromUtf16(c.text).toStdString() << '"';
  }
};

class LeadingNumberTest : public ::testing::TestWithParam<LeadingCase> {};

TEST_P(LeadingNumberTest, ReadsTheNumberAtTheStart) {
  EXPECT_DOUBLE_EQ(leadingNumber(QString::fromUtf16(GetParam().text)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LeadingNumberTest,
    ::testing::Values(LeadingCase{u"5", 5}, LeadingCase{u"", 0}, LeadingCase{u"12", 12},
                      LeadingCase{u"1 2", 12}, LeadingCase{u"7a", 7}, LeadingCase{u"  42  ", 42},
                      LeadingCase{u"-3", -3}, LeadingCase{u"+8", 8}, LeadingCase{u"2.5", 2.5},
                      LeadingCase{u".5", 0.5}, LeadingCase{u"1e3", 1000}, LeadingCase{u"1e", 1},
                      LeadingCase{u"3.", 3}, LeadingCase{u"abc", 0}, LeadingCase{u"-", 0},
                      LeadingCase{u".", 0}, LeadingCase{u"０５", 0}, LeadingCase{u"1,000", 1},
                      LeadingCase{u"1e999", 0}));

TEST(RoundHalfEven, RoundsHalvesToTheEvenNeighbour) {
  EXPECT_EQ(roundHalfEven(2.5), 2);
  EXPECT_EQ(roundHalfEven(3.5), 4);
  EXPECT_EQ(roundHalfEven(-2.5), -2);
  EXPECT_EQ(roundHalfEven(2.4999), 2);
  EXPECT_EQ(roundHalfEven(2.51), 3);
}

TEST(WholeNumber, SaturatesOutsideTheSixteenBitRange) {
  EXPECT_EQ(wholeNumber(u"3"), 3);
  EXPECT_EQ(wholeNumber(u"4.5"), 4);
  EXPECT_EQ(wholeNumber(u"99999"), 32767);
  EXPECT_EQ(wholeNumber(u"-99999"), -32768);
  EXPECT_EQ(wholeNumber(u"x"), 0);
}

struct WholeTextCase {
  const char16_t* text;
  std::optional<std::int16_t> expected;
  friend void PrintTo(const WholeTextCase& c, std::ostream* os) {
    *os << '"' << QString::fromUtf16(c.text).toStdString() << '"';
  }
};

class WholeTextIntegerTest : public ::testing::TestWithParam<WholeTextCase> {};

TEST_P(WholeTextIntegerTest, TakesTheWholeTextOrNothing) {
  EXPECT_EQ(wholeTextInteger(QString::fromUtf16(GetParam().text)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, WholeTextIntegerTest,
    ::testing::Values(WholeTextCase{u"25", 25}, WholeTextCase{u"05", 5}, WholeTextCase{u" 7 ", 7},
                      WholeTextCase{u"2.5", 2}, WholeTextCase{u"32767", 32767},
                      WholeTextCase{u"32768", std::nullopt}, WholeTextCase{u"-32768", -32768},
                      WholeTextCase{u"a", std::nullopt}, WholeTextCase{u"1 2", std::nullopt},
                      WholeTextCase{u"7a", std::nullopt}, WholeTextCase{u"", std::nullopt},
                      WholeTextCase{u" ", std::nullopt}));

TEST(Variant, ConvertsBetweenTextAndNumber) {
  EXPECT_TRUE(Variant().isEmpty());
  EXPECT_EQ(Variant().number(), 0);
  EXPECT_EQ(Variant().text(), "");
  EXPECT_EQ(Variant(u"5").number(), 5);
  EXPECT_EQ(Variant(u"10abc").number(), 10);
  EXPECT_EQ(Variant(4.0).text(), "4");
  EXPECT_EQ(Variant(-1.0).text(), "-1");
  EXPECT_TRUE(Variant(u"10").isNumeric());
  EXPECT_FALSE(Variant(u"").isNumeric());
  EXPECT_FALSE(Variant(u"ten").isNumeric());
  EXPECT_TRUE(Variant(3.0).isNumeric());
}

}  // namespace
}  // namespace lumora
