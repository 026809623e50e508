#include "core/resonance.h"

#include <cfloat>
#include <gtest/gtest.h>

using namespace ampero;

struct ResCase {
    int32_t selection;
    const char* c;
    const char* f;
    const char* l;
    int target;
    const char* text;
};

class ResonanceEval : public ::testing::TestWithParam<ResCase> {};

TEST_P(ResonanceEval, WritesTheMissingQuantity) {
    const ResCase& k = GetParam();
    Outcome out = EvalResonance(k.selection, {k.c, k.f, k.l});
    ASSERT_EQ(out.fields.size(), 1u);
    EXPECT_EQ(out.fields[0].index, k.target);
    EXPECT_EQ(out.fields[0].text, k.text) << k.c << " / " << k.f << " / " << k.l;
}

INSTANTIATE_TEST_SUITE_P(Table, ResonanceEval,
                         ::testing::Values(ResCase{2, "100", "", "10", ResF, "5.032921"},
                                           ResCase{1, "100", "5.032921", "", ResL, "10"}, // 10.0000008...
                                           ResCase{3, "", "5.032921", "10", ResC, "100"},
                                           ResCase{1, "", "5.032921", "", ResL, "0"},      // C empty: division fails
                                           ResCase{1, "100", "5.032921", "7", ResL, "10"}, // L field not read
                                           ResCase{2, "1000000", "", "1000000", ResF, "0.000159"},
                                           ResCase{3, "", "1000", "1000", ResC, "0"})); // 0.0000253... pF

INSTANTIATE_TEST_SUITE_P(Faults, ResonanceEval,
                         ::testing::Values(ResCase{2, "", "", "10", ResF, "0"}, ResCase{2, "100", "", "", ResF, "0"},
                                           ResCase{2, "-100", "", "10", ResF, "0"}, // square root of a negative
                                           ResCase{3, "", "0", "10", ResC, "0"}, ResCase{3, "", "5", ".", ResC, "0"},
                                           ResCase{1, "100", "1E200", "", ResL, "0"},  // w squared overflows
                                           ResCase{1, "100", "1E-200", "", ResL, "0"}, // d underflows, 1/d fails
                                           ResCase{3, "", "1E300", "1E300", ResC, "0"}));

TEST(ResonanceEval, OtherSelectionsComputeNothing) {
    for (int32_t s : {0, 4, 5, -1}) EXPECT_TRUE(EvalResonance(s, {"100", "5", "10"}).Empty()) << s;
}

struct ResFormulaCase {
    double (*routine)(double, double);
    double a, b, result;
};
class ResonanceFormula : public ::testing::TestWithParam<ResFormulaCase> {};

TEST_P(ResonanceFormula, UsesTheApproximateTwoPi) {
    EXPECT_EQ(GetParam().routine(GetParam().a, GetParam().b), GetParam().result);
}

// With full-precision 2*pi these would end differently in the last digit kept.
INSTANTIATE_TEST_SUITE_P(Values, ResonanceFormula,
                         ::testing::Values(ResFormulaCase{CalcResonantFrequencyFromLC, 1e-6, 1, 159154.943071},
                                           ResFormulaCase{CalcResonantInductanceFromFC, 0.001, 1, 25330295903.97},
                                           ResFormulaCase{CalcResonantCapacitanceFromFL, 0.001, 1, 25330295904.0},
                                           ResFormulaCase{CalcResonantInductanceFromFC, 1, 1, 25330.296},
                                           ResFormulaCase{CalcResonantFrequencyFromLC, DBL_MAX, DBL_MAX, 0},
                                           ResFormulaCase{CalcResonantInductanceFromFC, 0, 100, 0},
                                           ResFormulaCase{CalcResonantCapacitanceFromFL, 1, 0, 0}));
