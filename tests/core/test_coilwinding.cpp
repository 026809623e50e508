#include "core/coilwinding.h"

#include <cfloat>
#include <cmath>
#include <gtest/gtest.h>

using namespace ampero;

struct DimCase {
    int32_t selection;
    const char* l;
    const char* d;
    const char* inductance;
    const char* n;
    int target;
    const char* text;
};

class CoilWindingEval : public ::testing::TestWithParam<DimCase> {};

TEST_P(CoilWindingEval, DimensionMode) {
    const DimCase& c = GetParam();
    Outcome out = EvalCoilWinding(c.selection, {c.l, c.d, c.inductance, c.n});
    ASSERT_EQ(out.fields.size(), 1u);
    EXPECT_TRUE(out.messages.empty());
    EXPECT_EQ(out.fields[0].index, c.target);
    EXPECT_EQ(out.fields[0].text, c.text) << c.l << " " << c.d << " " << c.inductance << " " << c.n;
}

INSTANTIATE_TEST_SUITE_P(
    Table, CoilWindingEval,
    ::testing::Values(DimCase{4, "5", "1", "", "50", CoilL, "4.167"}, DimCase{3, "5", "1", "4.167", "", CoilN, "50"},
                      DimCase{4, "2", "0.5", "", "100", CoilL, "10.256"}, DimCase{4, "10", "2", "", "30", CoilL, "3"},
                      DimCase{3, "1", "1", "1", "", CoilN, "12.2"},
                      DimCase{4, "1", "1", "999", "1000", CoilL, "6666.667"}, // L field not read
                      DimCase{4, "1", "10", "", "3000", CoilL, "1846154"}));  // 1846153.846 in 7 digits

// Faults give "0": zero diameter, zero inductance, zero dimensions, a square
// root of a negative value, inputs beyond single precision.
INSTANTIATE_TEST_SUITE_P(
    Faults, CoilWindingEval,
    ::testing::Values(DimCase{3, "5", "0", "4.167", "", CoilN, "0"}, DimCase{3, "5", "1", "", "", CoilN, "0"},
                      DimCase{4, "0", "0", "", "50", CoilL, "0"}, DimCase{3, "5", "1", "-4", "", CoilN, "0"},
                      DimCase{4, "5", "1", "", "1E+39", CoilL, "0"}, DimCase{3, "1E+39", "1", "1", "", CoilN, "0"},
                      DimCase{4, "1E-30", "1E+30", "", "1E+30", CoilL, "0"})); // result beyond float

TEST(CoilWindingEval, OtherSelectionsComputeNothing) {
    for (int32_t s : {0, 1, 2, 5, 6, -4}) EXPECT_TRUE(EvalCoilWinding(s, {"5", "1", "4.167", "50"}).Empty()) << s;
}

struct AlCase {
    int32_t selection;
    const char* al;
    const char* inductance;
    const char* n;
    int target;
    const char* text;
};

class CoilFromALEval : public ::testing::TestWithParam<AlCase> {};

TEST_P(CoilFromALEval, ALMode) {
    const AlCase& c = GetParam();
    // Fields 0 and 1 hold dimension texts that must not be read.
    Outcome out = EvalCoilFromAL(c.selection, c.al, {"7", "3", c.inductance, c.n});
    ASSERT_EQ(out.fields.size(), 1u);
    EXPECT_EQ(out.fields[0].index, c.target);
    EXPECT_EQ(out.fields[0].text, c.text) << c.al << " " << c.inductance << " " << c.n;
}

INSTANTIATE_TEST_SUITE_P(
    Table, CoilFromALEval,
    ::testing::Values(AlCase{3, "250", "", "20", CoilL, "100"}, AlCase{2, "250", "100", "", CoilN, "20"},
                      AlCase{2, "60", "10", "", CoilN, "12.9"},
                      AlCase{3, "0.5", "", "3", CoilL, "0.005"}, // 0.0045 as computed lies above the tie
                      AlCase{2, "1000", "0.1", "", CoilN, "0.3"},
                      // Single precision: 0.005f and 0.075f fall on the other side of the tie
                      // than their double values would.
                      AlCase{3, "0.005", "", "10", CoilL, "0"}, AlCase{3, "0.075", "", "10", CoilL, "0.008"},
                      AlCase{3, "123.4567", "", "1000", CoilL, "123456.7"}));

INSTANTIATE_TEST_SUITE_P(Faults, CoilFromALEval,
                         ::testing::Values(AlCase{2, "0", "100", "", CoilN, "0"}, AlCase{2, "abc", "", "", CoilN, "0"},
                                           AlCase{2, "250", "-100", "", CoilN, "0"},
                                           AlCase{3, "1E+30", "", "1E+10", CoilL, "0"}, // 1E+47 beyond float
                                           AlCase{3, "1E+39", "", "2", CoilL, "0"},
                                           AlCase{3, "1E400", "", "1E400", CoilL, "0"}));

TEST(CoilFromALEval, OtherSelectionsComputeNothing) {
    for (int32_t s : {0, 1, 4, 5, 6}) EXPECT_TRUE(EvalCoilFromAL(s, "250", {"", "", "100", "20"}).Empty()) << s;
}

TEST(CoilFormulas, ReturnSinglePrecisionOfTheRoundedValue) {
    EXPECT_EQ(CalcCoilInductance(5, 1, 50), 4.167f);
    EXPECT_EQ(CalcCoilTurns(1, 1, 1), 12.2f);
    EXPECT_EQ(CalcInductanceFromAL(0.5f, 3), 0.005f);
    EXPECT_EQ(CalcTurnsFromAL(60, 10), 12.9f);
    EXPECT_EQ(CalcInductanceFromAL(FLT_MAX, FLT_MAX), 0.0f);
    EXPECT_EQ(CalcInductanceFromAL(INFINITY, 1), 0.0f);
    EXPECT_EQ(CalcCoilInductance(NAN, 1, 1), 0.0f);
    EXPECT_EQ(CalcTurnsFromAL(0, 0), 0.0f);
}
