#include "core/ohm.h"

#include <gtest/gtest.h>

#include "core/numrules.h"

using namespace ampero;

namespace {

using Flags = std::array<bool, 4>;

std::string Dump(const Outcome& o) {
    std::string s;
    for (const auto& f : o.fields) s += "[" + std::to_string(f.index) + "]=" + f.text + " ";
    return s;
}

struct OhmCase {
    const char* name;
    Flags confirmed;
    FieldTexts fields;                 // R, U, P, I
    std::vector<FieldResult> expected; // in the order they are written
};

constexpr Flags kRU{true, true, false, false};
constexpr Flags kRP{true, false, true, false};
constexpr Flags kRI{true, false, false, true};
constexpr Flags kUP{false, true, true, false};
constexpr Flags kUI{false, true, false, true};
constexpr Flags kPI{false, false, true, true};

const OhmCase kOhmCases[] = {
    {"RU", kRU, {"100", "12", "", ""}, {{3, "0.12"}, {2, "1.44"}}},
    {"RP", kRP, {"1000", "", "0.25", ""}, {{3, "0.015811"}, {1, "15.811388"}}},
    {"RI", kRI, {"470", "", "", "0.02"}, {{1, "9.4"}, {2, "0.188"}}},
    {"UI", kUI, {"", "5", "", "0.015"}, {{0, "333.333333"}, {2, "0.075"}}},
    {"PI", kPI, {"", "", "2", "0.1"}, {{0, "200"}, {1, "20"}}},
    {"ZeroResistance", kRU, {"0", "5", "", ""}, {{3, "0"}, {2, "0"}}},
    {"ZeroCurrent", kPI, {"", "", "2", "0"}, {{0, "0"}, {1, "0"}}},
    {"BothZero", kRU, {"0", "0", "", ""}, {{3, "0"}, {2, "0"}}},
    {"TwoPoints", kRU, {"1.2.3", "12", "", ""}, {{3, "10"}, {2, "120"}}},
    {"CommaEndsNumber", kRU, {"1,5", "3", "", ""}, {{3, "3"}, {2, "9"}}},
    {"SixDecimals", kUI, {"", "1234.5678904", "", "1"}, {{0, "1234.56789"}, {2, "1234.56789"}}},
    {"TooSmallShowsZero", kRU, {"10", "0.0000025", "", ""}, {{3, "0"}, {2, "0"}}},
    // 0.0078125 = 2^-7 is an exact half at the 6th decimal: to the even 2.
    {"TieDown", kRU, {"1", "0.0078125", "", ""}, {{3, "0.007812"}, {2, "0.000061"}}},
    {"TieUp", kRU, {"1", "0.0234375", "", ""}, {{3, "0.023438"}, {2, "0.000549"}}},
    {"OverflowRI", kRI, {"1E200", "", "", "1E200"}, {{1, "0"}, {2, "0"}}},
    {"OverflowUI", kUI, {"", "1E200", "", "1E200"}, {{0, "1"}, {2, "0"}}},
    {"SaturatedInputs", kRU, {"1E400", "1E400", "", ""}, {{3, "1"}, {2, "0"}}},
    {"UnderflowCurrentSquared", kPI, {"", "", "1", "1E-200"}, {{0, "0"}, {1, "1E+200"}}},
    {"UP", kUP, {"", "12", "1.44", ""}, {{0, "100"}, {3, "0.12"}}},
    {"UPZeroPower", kUP, {"", "5", "0", ""}, {{0, "0"}, {3, "0"}}},
    {"UPZeroVoltage", kUP, {"", "0", "2", ""}, {{0, "0"}, {3, "0"}}},
    {"UPIgnoresOtherFields", kUP, {"7", "230", "60", "9"}, {{0, "881.666667"}, {3, "0.26087"}}},
    {"RIIgnoresOtherFields", kRI, {"470", "1", "1", "0.02"}, {{1, "9.4"}, {2, "0.188"}}},
};

class OhmEval : public ::testing::TestWithParam<OhmCase> {};

TEST_P(OhmEval, WritesTheTwoMissingQuantities) {
    const OhmCase& c = GetParam();
    Outcome out = EvalOhmsLaw(c.confirmed, c.fields);
    EXPECT_TRUE(out.messages.empty());
    EXPECT_TRUE(out.captions.empty());
    ASSERT_EQ(out.fields.size(), c.expected.size()) << Dump(out);
    for (size_t k = 0; k < c.expected.size(); ++k) {
        EXPECT_EQ(out.fields[k].index, c.expected[k].index) << Dump(out);
        EXPECT_EQ(out.fields[k].text, c.expected[k].text) << Dump(out);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, OhmEval, ::testing::ValuesIn(kOhmCases),
                         [](const auto& info) { return std::string(info.param.name); });

class OhmFlagPattern : public ::testing::TestWithParam<Flags> {};

TEST_P(OhmFlagPattern, NotExactlyTwoDoesNothing) {
    EXPECT_TRUE(EvalOhmsLaw(GetParam(), {"100", "12", "1", "2"}).Empty());
}

INSTANTIATE_TEST_SUITE_P(Patterns, OhmFlagPattern,
                         ::testing::Values(Flags{false, false, false, false}, Flags{true, false, false, false},
                                           Flags{false, false, false, true}, Flags{true, true, true, false},
                                           Flags{false, true, true, true}, Flags{true, true, true, true}));

TEST(OhmEval, ShortFieldListReadsAsEmpty) {
    Outcome out = EvalOhmsLaw(kRU, {"100"});
    ASSERT_EQ(out.fields.size(), 2u);
    EXPECT_EQ(out.fields[0].text, "0");
    EXPECT_EQ(out.fields[1].text, "0");
}

// Whatever the two inputs, only the two other fields are written, and what is
// written reads back to itself and is never "inf" or "nan".
TEST(OhmEval, NeverWritesInputsOrNonNumbers) {
    const Flags pairs[] = {kRU, kRP, kRI, kUP, kUI, kPI};
    const char* texts[] = {"", ".", "0", "1E400", "1E-400", "1E200", "1E-200", "3", "0.5", "-4", "abc"};
    for (const Flags& flags : pairs) {
        for (const char* a : texts) {
            for (const char* b : texts) {
                FieldTexts fields(4);
                int k = 0;
                for (size_t i = 0; i < 4; ++i)
                    if (flags[i]) fields[i] = k++ == 0 ? a : b;
                Outcome out = EvalOhmsLaw(flags, fields);
                ASSERT_EQ(out.fields.size(), 2u);
                for (const FieldResult& f : out.fields) {
                    EXPECT_FALSE(flags[static_cast<size_t>(f.index)]) << "overwrote input " << f.index;
                    EXPECT_EQ(f.text.find_first_of("in"), std::string::npos) << f.text;
                    EXPECT_EQ(ResultText(ParsePrefix(f.text)), f.text);
                }
                EXPECT_NE(out.fields[0].index, out.fields[1].index);
            }
        }
    }
}

struct RoutineCase {
    const char* name;
    double (*routine)(double, double);
    double a, b, expected;
};

const RoutineCase kRoutineCases[] = {
    {"CurrentDivByZero", CalcCurrentFromUR, 5, 0, 0},
    {"CurrentZeroByZero", CalcCurrentFromUR, 0, 0, 0},
    {"PowerURDivByZero", CalcPowerFromUR, 5, 0, 0},
    {"PowerUROverflow", CalcPowerFromUR, 1e200, 1, 0},
    {"CurrentRPNegativeRoot", CalcCurrentFromRP, -4, 1, 0},
    {"CurrentRPZeroByZero", CalcCurrentFromRP, 0, 0, 0},
    {"VoltageRPNegativeRoot", CalcVoltageFromRP, -4, 1, 0},
    {"VoltageRP", CalcVoltageFromRP, 1000, 0.25, 15.811388},
    {"VoltageRIOverflow", CalcVoltageFromRI, 1e200, 1e200, 0},
    {"PowerRIOverflow", CalcPowerFromRI, 1e200, 1e200, 0},
    {"PowerRIOverflowLastStep", CalcPowerFromRI, 1e160, 1, 0},
    {"PowerRIOrder", CalcPowerFromRI, 0.02, 470, 0.188},
    {"PowerUIOverflow", CalcPowerFromUI, 1e200, 1e200, 0},
    {"PowerUINegativeOverflow", CalcPowerFromUI, -1e200, 1e200, 0},
    {"ResistanceUIDivByZero", CalcResistanceFromUI, 5, 0, 0},
    {"ResistancePI", CalcResistanceFromPI, 0.1, 2, 200},
    {"ResistancePIDivByZero", CalcResistanceFromPI, 0, 2, 0},
    {"VoltagePIZeroByZero", CalcVoltageFromPI, 0, 0, 0},
    {"ResistanceUP", CalcResistanceFromUP, 12, 1.44, 100},
    {"ResistanceUPOverflow", CalcResistanceFromUP, 1e200, 1, 0},
    {"ResistanceUPDivByZero", CalcResistanceFromUP, 12, 0, 0},
    {"CurrentUP", CalcCurrentFromUP, 230, 60, 0.26087},
    {"CurrentUPDivByZero", CalcCurrentFromUP, 0, 60, 0},
    {"HalfMillionthIsZero", CalcCurrentFromUR, 2.5e-7, 1, 0},
};

class OhmRoutine : public ::testing::TestWithParam<RoutineCase> {};

TEST_P(OhmRoutine, RoundsAndTraps) {
    const RoutineCase& c = GetParam();
    EXPECT_EQ(c.routine(c.a, c.b), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Routines, OhmRoutine, ::testing::ValuesIn(kRoutineCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
