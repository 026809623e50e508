// SPDX-License-Identifier: GPL-3.0-or-later
// The number rules every calculator shares, and where the window is placed.
#include <cfloat>
#include <cmath>

#include "core/numrules.h"
#include "core/placement.h"
#include "tests/core/rows.h"

namespace ampero {
namespace {

ROW(PrefixRow, std::string text; double value;)
ROW(FormatRow, double value; char sep; const char* text;)
ROW(SingleRow, float value; const char* text;)
ROW(RoundRow, double value; int decimals; double rounded;)
ROW(Int32Row, double value; std::optional<int32_t> rounded;)
ROW(PlacementRow, double screen, window; int64_t origin;)

const PrefixRow kPrefix[] = {
    {"Empty", "", 0},
    {"PointOnly", ".", 0},
    {"SignOnly", "-", 0},
    {"TwoSigns", "--1", 0},
    {"CommaEnds", "1,5", 1},
    {"SecondPointEnds", "1.2.3", 1.2},
    {"BlankEnds", "12 3", 12},
    {"LeadingBlank", " 12", 12},
    {"LeadingTab", "\t7", 7},
    {"Minus", "-3", -3},
    {"Plus", "+4", 4},
    {"PointFirst", ".5", 0.5},
    {"PointLast", "5.", 5},
    {"Exponent", "1E+20x", 1e20},
    {"LowerCaseExponent", "1e3", 1000},
    {"NegativeExponent", "2.5E-3", 0.0025},
    {"ExponentSignOnly", "1E+", 1},
    {"ExponentAfterPoint", "5.E2", 500},
    {"Overflow", "1E400", DBL_MAX},
    {"NegativeOverflow", "-1E400", -DBL_MAX},
    {"Underflow", "1E-400", 0},
    {"ZeroHugeExponent", "0.0000E9999", 0},
    {"FractionOverflow", "0.5E309", DBL_MAX},
    {"FractionUnderflow", "0.01E-323", 0},
    {"IntegerDigitsOverflow", "123E307", DBL_MAX},
    {"HugeExponentDigits", "1E9999999999", DBL_MAX},
    {"ManyNines", std::string(400, '9'), DBL_MAX},
    {"ManyZerosThenOne", "0." + std::string(400, '0') + "1", 0},
    {"ManyDigitsNegativeExponent", "1" + std::string(400, '0') + "E-90", DBL_MAX},
    {"ManyZerosPositiveExponent", "0." + std::string(400, '0') + "1E50", 0},
};

const FormatRow kGeneral[] = {
    {"Zero", 0, '.', "0"},
    {"Fraction", 0.12, '.', "0.12"},
    {"Whole", 100, '.', "100"},
    {"NegativeFraction", -0.5, '.', "-0.5"},
    {"FifteenDigits", 159154.943071114, '.', "159154.943071114"},
    {"TwoThirdsRoundUp", 2.0 / 3.0, '.', "0.666666666666667"},
    {"LargestPlain", 999999999999999.0, '.', "999999999999999"},
    {"ExponentFromE15", 1e15, '.', "1E+15"},
    {"RoundsIntoExponent", 9999999999999999.0, '.', "1E+16"},
    {"SmallestPlain", 1e-9, '.', "0.000000001"},
    {"SmallExponent", 2.5e-10, '.', "2.5E-10"},
    {"ThreeDigitExponent", 1e-100, '.', "1E-100"},
    {"Largest", DBL_MAX, '.', "1.79769313486232E+308"},
    {"Infinity", INFINITY, '.', "0"},
    {"CommaFraction", 0.001, ',', "0,001"},
    {"CommaExponent", 1.5e20, ',', "1,5E+20"},
};

// Near a power of ten a single is coarser than seven digits: 1.00000006E+28
// and 9.99999944E+27 are neighbours, and "1E+28" reads as the lower one.
const SingleRow kSingle[] = {
    {"Plain", 4.167f, "4.167"},
    {"Small", 0.005f, "0.005"},
    {"SevenDigits", 1.0f / 3.0f, "0.3333333"},
    {"LargestPlain", 9999999.0f, "9999999"},
    {"ExponentFromE07", 1e7f, "1E+07"},
    {"AboveDecadeEdge", 1.00000006e28f, "1E+28"},
    {"BelowDecadeEdge", 9.99999944e27f, "9.999999E+27"},
    {"PowerReadBack", static_cast<float>(ParsePrefix("1E+28")), "9.999999E+27"},
};

const RoundRow kRound[] = {
    {"HalfMillionthToZero", 2.5e-7, 6, 0},
    {"TieDown", 0.125, 2, 0.12},
    {"TieUp", 0.375, 2, 0.38},
    {"WholeTieDown", 2.5, 0, 2},
    {"NegativeTie", -2.5, 0, -2},
    {"SixDecimals", 1234.5678904, 6, 1234.56789},
    {"BinaryBelowTie", 1.15, 1, 1.1},
    {"BinaryAboveTie", 1.35, 1, 1.4},
    {"NegativeToZero", -0.0000001, 3, 0},
    {"AboveTwoTo53", 9007199254740994.0, 2, 9007199254740994.0},
    {"Infinity", INFINITY, 2, INFINITY},
};

const Int32Row kInt32[] = {
    {"TieDown", 2.5, 2},
    {"NegativeTie", -2.5, -2},
    {"Max", 2147483647.4, 2147483647},
    {"AboveMax", 2147483647.5, std::nullopt},
    {"MinTieUp", -2147483648.5, -2147483647 - 1},
    {"BelowMin", -2147483648.6, std::nullopt},
    {"Nan", NAN, std::nullopt},
};

// (screen - window) rounded to a whole number, then halved toward zero.
const PlacementRow kPlacement[] = {
    {"Centred", 19200, 11820, 3690},
    {"ThreeTruncates", 11823, 11820, 1},
    {"MinusThreeTruncates", 11820, 11823, -1},
    {"TieToEvenFirst", 11000.5, 11820, -410},
    {"TieToEvenUp", 11001.5, 11820, -409},
    {"Huge", 8e15, 0, 4000000000000000},
};

class Prefix : public testing::TestWithParam<PrefixRow> {};
TEST_P(Prefix, Reads) { EXPECT_EQ(ParsePrefix(GetParam().text), GetParam().value); }
ROWS(NumberRules, Prefix, kPrefix);

class General : public testing::TestWithParam<FormatRow> {};
TEST_P(General, Writes) { EXPECT_EQ(FormatGeneral(GetParam().value, GetParam().sep), GetParam().text); }
ROWS(NumberRules, General, kGeneral);

class Single : public testing::TestWithParam<SingleRow> {};
TEST_P(Single, Writes) { EXPECT_EQ(FormatSingle(GetParam().value), GetParam().text); }
ROWS(NumberRules, Single, kSingle);

class Round : public testing::TestWithParam<RoundRow> {};
TEST_P(Round, HalfToEvenOnTheBinaryValue) {
    const double r = RoundHalfEven(GetParam().value, GetParam().decimals);
    EXPECT_EQ(r, GetParam().rounded);
    EXPECT_FALSE(r == 0 && std::signbit(r)) << "negative zero";
}
ROWS(NumberRules, Round, kRound);

class ToInt32 : public testing::TestWithParam<Int32Row> {};
TEST_P(ToInt32, RoundsOrIsEmpty) { EXPECT_EQ(RoundToInt32(GetParam().value), GetParam().rounded); }
ROWS(NumberRules, ToInt32, kInt32);

class Placement : public testing::TestWithParam<PlacementRow> {};
TEST_P(Placement, Centres) { EXPECT_EQ(CenteredOrigin(GetParam().screen, GetParam().window), GetParam().origin); }
ROWS(Window, Placement, kPlacement);

TEST(NumberRules, FaultGuardFailsOnANonFiniteStepOrANegativeRoot) {
    FaultGuard g, h;
    EXPECT_EQ(g.Result(g(1.0 / 2.0)), 0.5);
    g(g(1.0 / 2.0) / 0.0);
    EXPECT_EQ(g.Result(5.0), 0.0);
    EXPECT_EQ(h.Result(h.Sqrt(0.0)), 0.0);
    EXPECT_FALSE(h.Failed());
    h.Sqrt(-1.0);
    EXPECT_TRUE(h.Failed());
}

} // namespace
} // namespace ampero
