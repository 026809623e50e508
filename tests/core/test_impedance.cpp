#include "core/impedance.h"

#include <cfloat>
#include <gtest/gtest.h>

using namespace ampero;

struct ImpCase {
    int32_t selection;
    bool parallel;
    const char* r; // the wire resistance field
    const char* c;
    const char* f;
    const char* l;
    const char* z;
    int target;
    const char* text;
};

class ImpedanceEval : public ::testing::TestWithParam<ImpCase> {};

TEST_P(ImpedanceEval, WritesTheMissingQuantity) {
    const ImpCase& k = GetParam();
    Outcome out = EvalImpedance(k.selection, k.parallel, CoilWireResistanceFrom(k.r), {k.c, k.f, k.l, k.z});
    ASSERT_EQ(out.fields.size(), 1u);
    EXPECT_TRUE(out.messages.empty());
    EXPECT_EQ(out.fields[0].index, k.target);
    EXPECT_EQ(out.fields[0].text, k.text)
        << (k.parallel ? "parallel " : "series ") << k.c << " " << k.f << " " << k.l << " " << k.z << " R " << k.r;
}

constexpr bool Par = true, Ser = false;

// C 100 pF, f 1 MHz, L 100 uH: XC 1591.5, XL 628.3.
INSTANTIATE_TEST_SUITE_P(Table, ImpedanceEval,
                         ::testing::Values(ImpCase{3, Par, "0", "100", "1", "100", "", ImpZ, "1038.143"},
                                           ImpCase{3, Ser, "0", "100", "1", "100", "", ImpZ, "963.2"},
                                           ImpCase{3, Ser, "10", "100", "1", "100", "", ImpZ, "963.252"},
                                           ImpCase{3, Ser, "0.1", "100", "1", "100", "", ImpZ, "963.2"},
                                           ImpCase{6, Par, "0", "", "1", "100", "1038.143", ImpC, "100"},
                                           ImpCase{6, Ser, "0", "", "1", "100", "963.2", ImpC, "100"},
                                           ImpCase{4, Par, "0", "100", "1", "", "1038.143", ImpL, "99.997"},
                                           ImpCase{4, Par, "0", "100", "1", "", "-1038.143", ImpL, "-475.202"},
                                           ImpCase{4, Ser, "0", "100", "1", "", "963.2", ImpL, "99.997"},
                                           ImpCase{3, Par, "0", "100", "1", "1000", "", ImpZ, "-2131.362"},
                                           ImpCase{3, Par, "5", "", "1", "100", "", ImpZ, "0"}, // XC fails to 0
                                           ImpCase{3, Ser, "0", "", "1", "100", "", ImpZ, "628.3"},
                                           ImpCase{3, Ser, "10", "", "1", "100", "", ImpZ,
                                                   "628.38"}, // sqrt(100 + 628.3^2)
                                           ImpCase{3, Ser, "abc", "100", "1", "100", "", ImpZ, "963.2"}));

// The wire resistance is held in single precision and enters the series
// impedance only: with XC = XL = 0, Z is R itself.
INSTANTIATE_TEST_SUITE_P(WireResistance, ImpedanceEval,
                         ::testing::Values(ImpCase{3, Ser, "0.0025", "", "1", "", "", ImpZ,
                                                   "0.002"}, // 0.0024999999441...
                                           ImpCase{3, Ser, "2.0015", "", "1", "", "", ImpZ, "2.001"},
                                           ImpCase{3, Ser, "1E+39", "", "1", "", "", ImpZ, "0"},
                                           ImpCase{3, Ser, "-3", "", "1", "", "", ImpZ, "3"},
                                           ImpCase{3, Par, "10", "100", "1", "100", "", ImpZ, "1038.143"},
                                           ImpCase{4, Ser, "10", "100", "1", "", "963.2", ImpL, "99.997"},
                                           ImpCase{6, Ser, "10", "", "1", "100", "963.2", ImpC, "100"}));

// Zero reactances and divisors: parallel formulas give 0, series ones compute
// with the 0 where they can.
INSTANTIATE_TEST_SUITE_P(
    Faults, ImpedanceEval,
    ::testing::Values(ImpCase{3, Par, "0", "100", "1", "", "", ImpZ, "0"},
                      ImpCase{4, Par, "0", "", "1", "", "1038.143", ImpL, "0"},
                      ImpCase{4, Par, "0", "100", "1", "", "", ImpL, "0"},
                      ImpCase{4, Ser, "0", "", "1", "", "100", ImpL, "-15.915"}, // XC 0: (0 - 100) / 2pi
                      ImpCase{4, Ser, "0", "100", "0", "", "100", ImpL, "0"},
                      ImpCase{6, Par, "0", "", "1", "", "1038.143", ImpC, "0"},
                      ImpCase{6, Par, "0", "", "1", "100", "", ImpC, "0"},
                      ImpCase{6, Ser, "0", "", "1", "100", "628.3", ImpC, "0"}, // d = 0
                      ImpCase{6, Ser, "0", "", "0", "100", "5", ImpC, "0"},
                      ImpCase{6, Par, "0", "", "1", "100", "628.3", ImpC, "0"}, // 1/XL - 1/Z = 0
                      ImpCase{3, Ser, "0", "1E300", "1E300", "1E300", "", ImpZ, "0"},
                      ImpCase{4, Par, "0", "100", "1", "", "-1591.5", ImpL, "0"})); // 1/Z + 1/XC = 0

TEST(ImpedanceEval, OtherSelectionsComputeNothing) {
    for (int32_t s : {0, 1, 2, 5, 7, -1})
        for (bool par : {true, false})
            EXPECT_TRUE(EvalImpedance(s, par, 0.0f, {"100", "1", "100", "1000"}).Empty()) << s;
}

TEST(WireResistance, SinglePrecisionOfThePrefixValue) {
    EXPECT_EQ(CoilWireResistanceFrom("0.1"), 0.1f);
    EXPECT_EQ(static_cast<double>(CoilWireResistanceFrom("0.1")), 0.100000001490116119384765625);
    EXPECT_EQ(CoilWireResistanceFrom("10 ohm"), 10.0f);
    EXPECT_EQ(CoilWireResistanceFrom("1,5"), 1.0f);
    EXPECT_EQ(CoilWireResistanceFrom(""), 0.0f);
    EXPECT_EQ(CoilWireResistanceFrom("1E400"), 0.0f);
    EXPECT_EQ(CoilWireResistanceFrom("-1E39"), 0.0f);
    EXPECT_EQ(CoilWireResistanceFrom("3E38"), 3e38f);
}

TEST(ImpedanceFormulas, SignConventions) {
    EXPECT_EQ(CalcParallelImpedance(1591.5, 628.3), 1038.143);
    EXPECT_EQ(CalcParallelInductance(1038.143, 1, 1591.5), 99.997);
    EXPECT_EQ(CalcParallelCapacitance(1038.143, 1, 628.3), 100.0);
    EXPECT_EQ(CalcSeriesCapacitance(-963.2, 1, 628.3), 100.0); // XL - Z used directly
    EXPECT_EQ(CalcSeriesInductance(-963.2, 1, 1591.5), 406.593);
    EXPECT_EQ(CalcSeriesImpedance(628.3, 1591.5, 0.0f), 963.2); // never negative
    EXPECT_EQ(CalcSeriesImpedance(1.0, 1.0, FLT_MAX), static_cast<double>(FLT_MAX));
    EXPECT_EQ(CalcSeriesImpedance(-DBL_MAX, DBL_MAX, 0.0f), 0.0);
}
