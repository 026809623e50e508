#include "core/capacitive.h"

#include <gtest/gtest.h>

using namespace ampero;

struct CapCase {
    int32_t selection;
    const char* f;
    const char* c;
    const char* xc;
    int target;
    const char* text;
};

class CapacitiveEval : public ::testing::TestWithParam<CapCase> {};

TEST_P(CapacitiveEval, WritesTheMissingQuantity) {
    const CapCase& k = GetParam();
    Outcome out = EvalCapacitiveReactance(k.selection, {k.f, k.c, k.xc});
    ASSERT_EQ(out.fields.size(), 1u);
    EXPECT_TRUE(out.messages.empty());
    EXPECT_EQ(out.fields[0].index, k.target);
    EXPECT_EQ(out.fields[0].text, k.text) << k.f << " / " << k.c << " / " << k.xc;
}

INSTANTIATE_TEST_SUITE_P(Table, CapacitiveEval,
                         ::testing::Values(CapCase{1, "1", "100", "", CapXC, "1591.5"},
                                           CapCase{2, "1", "", "1591.5", CapC, "100"}, // 100.0031...
                                           CapCase{3, "", "100", "1591.5", CapF, "1.000031"},
                                           CapCase{1, "10", "1000", "", CapXC, "15.9"},
                                           CapCase{2, "1", "555", "1591.5", CapC, "100"}, // C field is not read
                                           CapCase{3, "0.5", "47", "2E+3", CapF, "1.693138"}));

// Zero divisors in all three computations and overflow give 0.
INSTANTIATE_TEST_SUITE_P(Faults, CapacitiveEval,
                         ::testing::Values(CapCase{1, "0", "100", "", CapXC, "0"}, CapCase{1, "1", "", "", CapXC, "0"},
                                           CapCase{1, "1E-300", "1E-300", "", CapXC, "0"},
                                           CapCase{2, "0", "", "1591.5", CapC, "0"},
                                           CapCase{2, "1", "", ".", CapC, "0"},
                                           CapCase{2, "1E-200", "", "1E-200", CapC, "0"}, // product underflows to 0
                                           CapCase{3, "", "0", "1591.5", CapF, "0"},
                                           CapCase{3, "", "1E300", "1E300", CapF, "0"}, // product overflows
                                           CapCase{3, "", "", "", CapF, "0"}));

TEST(CapacitiveEval, OtherSelectionsComputeNothing) {
    for (int32_t s : {0, 4, 5, -3}) EXPECT_TRUE(EvalCapacitiveReactance(s, {"1", "100", "1591.5"}).Empty()) << s;
}

struct XcCase {
    double f, c, xc;
};
class CapacitiveFormula : public ::testing::TestWithParam<XcCase> {};

TEST_P(CapacitiveFormula, GuardedAndRounded) {
    EXPECT_EQ(CalcCapacitiveReactance(GetParam().f, GetParam().c), GetParam().xc);
}

INSTANTIATE_TEST_SUITE_P(Values, CapacitiveFormula,
                         ::testing::Values(XcCase{1, 100e-6, 1591.5}, XcCase{1, 1000e-6, 159.2}, XcCase{0, 1, 0},
                                           XcCase{1, 0, 0}, XcCase{1e308, 10, 0}, XcCase{1e-200, 1e-200, 0},
                                           XcCase{1e6, 1e6, 0}));

struct CaptionCase {
    const char* text;
    char sep;
    const char* caption;
};
class MicrofaradCaptionRule : public ::testing::TestWithParam<CaptionCase> {};

TEST_P(MicrofaradCaptionRule, ShowsFromFourCharacters) {
    EXPECT_EQ(MicrofaradCaption(GetParam().text, GetParam().sep), GetParam().caption) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Texts, MicrofaradCaptionRule,
                         ::testing::Values(CaptionCase{"1000", '.', "0.001"}, CaptionCase{"1000", ',', "0,001"},
                                           CaptionCase{"100", '.', ""}, CaptionCase{"999", ',', ""},
                                           CaptionCase{"", '.', ""}, CaptionCase{"1.5.", '.', "0.0000015"},
                                           CaptionCase{"2200", ',', "0,0022"}, CaptionCase{"47000000", '.', "47"},
                                           CaptionCase{"....", ',', "0"},
                                           CaptionCase{"1,000", '.', "0.000001"}, // "," ends the number
                                           CaptionCase{"0.0001", '.', "1E-10"},
                                           CaptionCase{"\xC2\xB5"
                                                       "12",
                                                       '.', ""})); // three characters, four bytes
