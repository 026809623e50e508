#include "core/numrules.h"

#include <cfloat>
#include <gtest/gtest.h>

using namespace ampero;

struct PrefixCase {
    const char* text;
    double value;
};

class PrefixRule : public ::testing::TestWithParam<PrefixCase> {};

TEST_P(PrefixRule, ReadsLeadingNumber) {
    EXPECT_DOUBLE_EQ(ParsePrefix(GetParam().text), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Stops, PrefixRule,
                         ::testing::Values(PrefixCase{"", 0}, PrefixCase{"abc", 0}, PrefixCase{".", 0},
                                           PrefixCase{"-", 0}, PrefixCase{"1,5", 1}, PrefixCase{"1.5", 1.5},
                                           PrefixCase{"1.2.3", 1.2}, PrefixCase{" 12", 12}, PrefixCase{"\t7", 7},
                                           PrefixCase{"-3", -3}, PrefixCase{"+4", 4}, PrefixCase{"E5", 0},
                                           PrefixCase{"1E+20x", 1e20}, PrefixCase{"1e3", 1000}, PrefixCase{"1E", 1},
                                           PrefixCase{"1E+", 1}, PrefixCase{"2.5E-3", 0.0025}, PrefixCase{".5", 0.5},
                                           PrefixCase{"5.", 5}, PrefixCase{"12 3", 12}, PrefixCase{"1-2", 1},
                                           PrefixCase{"--1", 0}, PrefixCase{"0.000485", 0.000485},
                                           PrefixCase{"1E400", DBL_MAX}, PrefixCase{"-1E400", -DBL_MAX},
                                           PrefixCase{"1E-400", 0}, PrefixCase{"0.0000E9999", 0}));

TEST(PrefixRule, HugeDigitStringSaturates) {
    std::string s(400, '9');
    EXPECT_EQ(ParsePrefix(s), DBL_MAX);
    EXPECT_EQ(ParsePrefix("0." + std::string(400, '0') + "1"), 0.0);
}

struct FormatCase {
    double value;
    const char* text;
};
class GeneralFormat : public ::testing::TestWithParam<FormatCase> {};

TEST_P(GeneralFormat, Writes) { EXPECT_EQ(FormatGeneral(GetParam().value), GetParam().text); }

INSTANTIATE_TEST_SUITE_P(
    Forms, GeneralFormat,
    ::testing::Values(FormatCase{0, "0"}, FormatCase{-0.0, "0"}, FormatCase{0.12, "0.12"}, FormatCase{1.44, "1.44"},
                      FormatCase{100, "100"}, FormatCase{-67, "-67"}, FormatCase{1234.56789, "1234.56789"},
                      FormatCase{159154.943071114, "159154.943071114"}, FormatCase{1.0 / 3.0, "0.333333333333333"},
                      FormatCase{2.0 / 3.0, "0.666666666666667"}, FormatCase{999999999999999.0, "999999999999999"},
                      FormatCase{1e15, "1E+15"}, FormatCase{1.5e20, "1.5E+20"}, FormatCase{9999999999999999.0, "1E+16"},
                      FormatCase{1e-9, "0.000000001"}, FormatCase{2.5e-10, "2.5E-10"}, FormatCase{1e-100, "1E-100"},
                      FormatCase{0.001, "0.001"}, FormatCase{-0.5, "-0.5"},
                      FormatCase{DBL_MAX, "1.79769313486232E+308"}));

TEST(GeneralFormat, NeverInfOrNan) {
    EXPECT_EQ(FormatGeneral(1.0 / 0.0), "0");
    EXPECT_EQ(FormatGeneral(std::nan("")), "0");
}

TEST(GeneralFormat, DecimalSeparatorIsTheCallers) {
    EXPECT_EQ(FormatGeneral(0.001, ','), "0,001");
    EXPECT_EQ(FormatGeneral(1.5e20, ','), "1,5E+20");
    EXPECT_EQ(CommaToPoint(FormatGeneral(15.1, ',')), "15.1");
}

TEST(GeneralFormat, ReadsBack) {
    for (double v : {0.12, 1e-9, 2.5e-10, 1.5e20, 1e15, 123456789.123, 1e-300, 7.0 / 9.0}) {
        std::string t = FormatGeneral(v);
        EXPECT_EQ(FormatGeneral(ParsePrefix(t)), t) << t;
        EXPECT_NEAR(ParsePrefix(t), v, std::fabs(v) * 1e-14) << t;
    }
}

TEST(SingleFormat, SevenDigits) {
    EXPECT_EQ(FormatSingle(4.167f), "4.167");
    EXPECT_EQ(FormatSingle(12.9f), "12.9");
    EXPECT_EQ(FormatSingle(0.1f), "0.1");
    EXPECT_EQ(FormatSingle(1.0f / 3.0f), "0.3333333");
    EXPECT_EQ(FormatSingle(9999999.0f), "9999999");
    EXPECT_EQ(FormatSingle(10000000.0f), "1E+07");
    EXPECT_EQ(FormatSingle(0.005f), "0.005");
}

struct RoundCase {
    double value;
    int decimals;
    double rounded;
};
class Rounding : public ::testing::TestWithParam<RoundCase> {};

TEST_P(Rounding, HalfToEvenOnTheBinaryValue) {
    EXPECT_EQ(RoundHalfEven(GetParam().value, GetParam().decimals), GetParam().rounded)
        << GetParam().value << " to " << GetParam().decimals;
}

INSTANTIATE_TEST_SUITE_P(Ties, Rounding,
                         ::testing::Values(RoundCase{2.5e-7, 6, 0}, RoundCase{0.125, 2, 0.12},
                                           RoundCase{0.375, 2, 0.38}, RoundCase{2.5, 0, 2}, RoundCase{3.5, 0, 4},
                                           RoundCase{-2.5, 0, -2}, RoundCase{0.5, 0, 0},
                                           RoundCase{1234.5678904, 6, 1234.56789}, RoundCase{0.0158113883, 6, 0.015811},
                                           RoundCase{1.15, 1, 1.1 /* 1.15 is 1.149999... in binary */},
                                           RoundCase{1.25, 1, 1.2}, RoundCase{1.35, 1, 1.4}, RoundCase{1e300, 6, 1e300},
                                           RoundCase{-0.0000001, 3, 0},
                                           RoundCase{9007199254740993.0, 2, 9007199254740993.0}));

TEST(Rounding, NegativeZeroBecomesZero) { EXPECT_FALSE(std::signbit(RoundHalfEven(-0.0001, 2))); }

TEST(Rounding, ToInt32ReportsOutOfRange) {
    EXPECT_EQ(RoundToInt32(2.5), 2);
    EXPECT_EQ(RoundToInt32(-2.5), -2);
    EXPECT_EQ(RoundToInt32(3.5), 4);
    EXPECT_EQ(RoundToInt32(2147483647.0), 2147483647);
    EXPECT_EQ(RoundToInt32(2147483647.4), 2147483647);
    EXPECT_EQ(RoundToInt32(2147483647.5), std::nullopt);
    EXPECT_EQ(RoundToInt32(-2147483648.0), -2147483647 - 1);
    EXPECT_EQ(RoundToInt32(-2147483648.6), std::nullopt);
    EXPECT_EQ(RoundToInt32(1.0 / 0.0), std::nullopt);
    EXPECT_EQ(RoundToInt32(std::nan("")), std::nullopt);
}

TEST(FaultGuard, MarksNonFiniteSteps) {
    FaultGuard g;
    double a = g(1.0 / 2.0);
    EXPECT_FALSE(g.Failed());
    g(a / 0.0);
    EXPECT_TRUE(g.Failed());
    EXPECT_EQ(g.Result(5.0), 0.0);
    FaultGuard h;
    h.Sqrt(-1.0);
    EXPECT_TRUE(h.Failed());
}
