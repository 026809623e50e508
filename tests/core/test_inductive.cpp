#include "core/inductive.h"

#include <gtest/gtest.h>

using namespace ampero;

struct IndCase {
    int32_t selection;
    const char* f;
    const char* l;
    const char* xl;
    int target;
    const char* text;
};

class InductiveEval : public ::testing::TestWithParam<IndCase> {};

TEST_P(InductiveEval, WritesTheMissingQuantity) {
    const IndCase& c = GetParam();
    Outcome out = EvalInductiveReactance(c.selection, {c.f, c.l, c.xl});
    ASSERT_EQ(out.fields.size(), 1u);
    EXPECT_TRUE(out.messages.empty());
    EXPECT_EQ(out.fields[0].index, c.target);
    EXPECT_EQ(out.fields[0].text, c.text) << c.f << " / " << c.l << " / " << c.xl;
}

INSTANTIATE_TEST_SUITE_P(
    Table, InductiveEval,
    ::testing::Values(IndCase{1, "1", "10", "", IndXL, "62.8"}, IndCase{2, "1", "", "62.8", IndL, "9.994930425"},
                      IndCase{3, "", "10", "62.8", IndF, "0.999493"}, IndCase{1, "0.05", "1000", "", IndXL, "314.2"},
                      IndCase{2, "100", "", "1", IndL, "0.001591549"},
                      IndCase{2, "0.001", "", "1000", IndL, "159154.943071114"},
                      IndCase{3, "", "1000000", "1", IndF, "0"}, IndCase{1, "0.001", "1", "", IndXL, "0"}));

// Only the two given fields are read, each by the prefix rule.
INSTANTIATE_TEST_SUITE_P(Reading, InductiveEval,
                         ::testing::Values(IndCase{1, "1,5", "10", "999", IndXL, "62.8"},
                                           IndCase{2, "1", "777", "62.8abc", IndL, "9.994930425"},
                                           IndCase{3, "5", " 10", "62.8", IndF, "0.999493"}));

// A zero divisor or a step beyond the double range gives 0, never inf or nan.
INSTANTIATE_TEST_SUITE_P(Faults, InductiveEval,
                         ::testing::Values(IndCase{2, "0", "", "62.8", IndL, "0"},
                                           IndCase{2, ".", "", "62.8", IndL, "0"}, IndCase{2, "", "", "", IndL, "0"},
                                           IndCase{3, "", "0", "5", IndF, "0"}, IndCase{3, "", "0", "0", IndF, "0"},
                                           IndCase{1, "1E300", "1E300", "", IndXL, "0"},
                                           IndCase{1, "1E400", "2", "", IndXL, "0"},
                                           IndCase{2, "1E-300", "", "1E300", IndL, "0"},
                                           IndCase{3, "", "1E-320", "1E10", IndF, "0"}));

TEST(InductiveEval, OtherSelectionsComputeNothing) {
    for (int32_t s : {0, 4, 5, 6, -1, INT32_MAX})
        EXPECT_TRUE(EvalInductiveReactance(s, {"1", "10", "62.8"}).Empty()) << s;
}

TEST(InductiveEval, MissingFieldTextsReadAsZero) {
    Outcome out = EvalInductiveReactance(2, {});
    ASSERT_EQ(out.fields.size(), 1u);
    EXPECT_EQ(out.fields[0].text, "0");
}

struct XlCase {
    double f, l, xl;
};
class InductiveFormula : public ::testing::TestWithParam<XlCase> {};

TEST_P(InductiveFormula, RoundsToOneDecimal) {
    EXPECT_EQ(CalcInductiveReactance(GetParam().f, GetParam().l), GetParam().xl);
}

INSTANTIATE_TEST_SUITE_P(Values, InductiveFormula,
                         ::testing::Values(XlCase{1, 100, 628.3}, XlCase{1, 1000, 6283.2}, XlCase{-1, 10, -62.8},
                                           XlCase{1e-3, 7.9577, 0}, // 0.04999... just below half a decimal
                                           XlCase{1e200, 1e200, 0}, XlCase{1e308, 10, 0}));
