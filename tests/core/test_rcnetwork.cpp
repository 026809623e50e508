#include "core/rcnetwork.h"

#include <gtest/gtest.h>

#include "core/numrules.h"

using namespace ampero;

namespace {

struct RCCase {
    const char* name;
    bool astable;
    int32_t selection;
    FieldTexts fields; // R, C, f
    int index;
    const char* text;
};

const RCCase kRCCases[] = {
    {"CornerF", false, 1, {"1000", "100", ""}, RCF, "1592"},
    {"CornerC", false, 2, {"1000", "", "1592"}, RCC, "99.972"},
    {"CornerR", false, 3, {"", "100", "1592"}, RCR, "1000"},
    {"CornerMains", false, 2, {"4700", "", "50"}, RCC, "677.255"},
    {"CornerOneOne", false, 3, {"", "1", "1"}, RCR, "159154943"},
    {"CornerZeroR", false, 1, {"0", "100", ""}, RCF, "0"},
    {"CornerPointOnly", false, 2, {".", "", "50"}, RCC, "0"},
    {"CornerZeroF", false, 3, {"", "100", "0"}, RCR, "0"},
    {"CornerTooSmallC", false, 2, {"1000000", "", "1000000"}, RCC, "0"},
    {"CornerOverflow", false, 1, {"1E200", "1E200", ""}, RCF, "0"},
    {"CornerUnderflowR", false, 3, {"", "1E-300", "1E-300"}, RCR, "0"},
    {"CornerIgnoresThird", false, 1, {"1000", "100", "5"}, RCF, "1592"},
    {"AstableF", true, 1, {"1000", "100", ""}, RCF, "7143"},
    {"AstableC", true, 2, {"1000", "", "7143"}, RCC, "99.998"},
    {"AstableR", true, 3, {"", "100", "7143"}, RCR, "1000"},
    {"AstableOneOne", true, 3, {"", "1", "1"}, RCR, "714285714.3"},
    {"AstableZeroR", true, 1, {"0", "100", ""}, RCF, "0"},
    {"AstableZeroF", true, 2, {"1000", "", "0"}, RCC, "0"},
    {"AstableZeroRForC", true, 2, {"0", "", "50"}, RCC, "0"},
    {"AstableZeroC", true, 3, {"", "0", "50"}, RCR, "0"},
    {"AstableOverflow", true, 3, {"", "1E-300", "1E-300"}, RCR, "0"},
    {"AstableHuge", true, 3, {"", "1", "1E-290"}, RCR, "7.14285714285714E+298"},
    {"AstableOverflowLastStep", true, 3, {"", "1", "1E-300"}, RCR, "0"},
};

class RCEval : public ::testing::TestWithParam<RCCase> {};

TEST_P(RCEval, ComputesTheThird) {
    const RCCase& c = GetParam();
    Outcome out = EvalRCNetwork(c.selection, c.astable, c.fields);
    EXPECT_TRUE(out.messages.empty());
    EXPECT_TRUE(out.captions.empty());
    ASSERT_EQ(out.fields.size(), 1u);
    EXPECT_EQ(out.fields[0].index, c.index);
    EXPECT_EQ(out.fields[0].text, c.text);
}

INSTANTIATE_TEST_SUITE_P(Table, RCEval, ::testing::ValuesIn(kRCCases),
                         [](const auto& info) { return std::string(info.param.name); });

class RCSelection : public ::testing::TestWithParam<int32_t> {};

TEST_P(RCSelection, OtherValuesDoNothing) {
    EXPECT_TRUE(EvalRCNetwork(GetParam(), false, {"1000", "100", "50"}).Empty());
    EXPECT_TRUE(EvalRCNetwork(GetParam(), true, {"1000", "100", "50"}).Empty());
}

INSTANTIATE_TEST_SUITE_P(Values, RCSelection, ::testing::Values(0, 4, 5, 6, -1, INT32_MAX, INT32_MIN));

TEST(RCEval, CheckBoxChangesOnlyTheValue) {
    const FieldTexts fields{"2200", "47", ""};
    Outcome corner = EvalRCNetwork(1, false, fields);
    Outcome astable = EvalRCNetwork(1, true, fields);
    ASSERT_EQ(corner.fields.size(), 1u);
    ASSERT_EQ(astable.fields.size(), 1u);
    EXPECT_EQ(corner.fields[0].index, astable.fields[0].index);
    EXPECT_EQ(corner.fields[0].text, "1539");
    EXPECT_EQ(astable.fields[0].text, "6908");
}

TEST(RCEval, ShortFieldListReadsAsEmpty) {
    Outcome out = EvalRCNetwork(3, true, {});
    ASSERT_EQ(out.fields.size(), 1u);
    EXPECT_EQ(out.fields[0].text, "0");
}

struct RoutineCase {
    const char* name;
    double (*routine)(double, double);
    double a, b, expected;
};

const RoutineCase kRoutineCases[] = {
    {"RCFrequencyDivByZero", CalcRCFrequency, 1000, 0, 0},
    {"RCFrequencyOverflowStep", CalcRCFrequency, 1e300, 1e300, 0},
    {"RCCapacitanceDivByZero", CalcRCCapacitance, 0, 0, 0},
    {"RCResistanceUnderflow", CalcRCResistance, 1e-300, 1e-300, 0},
    {"AstableFrequencyDivByZero", CalcAstableFrequency, 0, 0, 0},
    {"AstableCapacitanceThreeDecimals", CalcAstableCapacitance, 3300, 1000, 216.45},
    {"AstableCapacitanceDivByZero", CalcAstableCapacitance, 1000, 0, 0},
    {"AstableResistanceOneDecimal", CalcAstableResistance, 100, 7143, 1000},
    {"AstableResistanceDivByZero", CalcAstableResistance, 0, 1, 0},
};

class RCRoutine : public ::testing::TestWithParam<RoutineCase> {};

TEST_P(RCRoutine, RoundsAndTraps) {
    const RoutineCase& c = GetParam();
    EXPECT_EQ(c.routine(c.a, c.b), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Routines, RCRoutine, ::testing::ValuesIn(kRoutineCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
