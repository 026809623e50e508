#include "core/ne555.h"

#include <cfloat>
#include <gtest/gtest.h>

#include "core/numrules.h"

using namespace ampero;

namespace {

struct EvalCase {
    const char* name;
    int32_t selection;
    FieldTexts fields; // Ra, Rb, C, f
    char sep;
    bool negative;
    int index;
    const char* text;
    const char* high;
    const char* low;
    const char* split;
};

const EvalCase kEvalCases[] = {
    {"Row1", 3, {"10", "100", "10", ""}, '.', false, NE555F, "686", "762.3us", "693us", "52.4 / 47.6 %"},
    {"Row2", 3, {"47", "47", "100", ""}, '.', false, NE555F, "102", "6.5ms", "3.3ms", "66.3 / 33.7 %"},
    {"Row3", 3, {"3300", "1", "1", ""}, '.', false, NE555F, "436", "2.3ms", "0.7us", "100 / 0 %"},
    {"Row4", 3, {"1", "1", "1", ""}, '.', false, NE555F, "480000", "1.4us", "0.7us", "66.7 / 33.3 %"},
    {"Row5", 3, {"3300", "3300", "1000", ""}, '.', false, NE555F, "0", "4573.8ms", "2286.9ms", "66.7 / 33.3 %"},
    {"Row6", 4, {"10", "100", "", "686"}, '.', false, NE555C, "9.996", "762us", "692.7us", "52.4 / 47.6 %"},
    {"Row7", 6, {"", "10", "10", "1000"}, '.', false, NE555Ra, "124", "928.6us", "69.3us", "93.1 / 6.9 %"},
    {"Row8", 5, {"10", "", "10", "1000"}, '.', false, NE555Rb, "67", "533.6us", "464.3us", "53.5 / 46.5 %"},
    {"Row9", 6, {"", "3300", "1000", "100"}, '.', true, NE555Ra, "0", "2286.9ms", "2286.9ms", "50 / 50 %"},
    {"Row10", 5, {"10", "", "10", "0"}, '.', true, NE555Rb, "0", "69.3us", "0us", "100 / 0 %"},
    // The labels take the caller's separator, the field keeps ".".
    {"Row1Comma", 3, {"10", "100", "10", ""}, ',', false, NE555F, "686", "762,3us", "693us", "52,4 / 47,6 %"},
    {"Row2Comma", 3, {"47", "47", "100", ""}, ',', false, NE555F, "102", "6,5ms", "3,3ms", "66,3 / 33,7 %"},
    {"Row6Comma", 4, {"10", "100", "", "686"}, ',', false, NE555C, "9.996", "762us", "692,7us", "52,4 / 47,6 %"},
    {"Row9Comma", 6, {"", "3300", "1000", "100"}, ',', true, NE555Ra, "0", "2286,9ms", "2286,9ms", "50 / 50 %"},
    // The computed field, not its stale text, feeds the times.
    {"StaleRa", 6, {"999", "10", "10", "1000"}, '.', false, NE555Ra, "124", "928.6us", "69.3us", "93.1 / 6.9 %"},
    {"StaleRb", 5, {"10", "1", "10", "1000"}, '.', false, NE555Rb, "67", "533.6us", "464.3us", "53.5 / 46.5 %"},
    {"StaleC", 4, {"10", "100", "50", "686"}, '.', false, NE555C, "9.996", "762us", "692.7us", "52.4 / 47.6 %"},
    // C rounds to 0: both times 0, no split.
    {"BothTimesZero", 4, {"3300", "3300", "", "300000"}, '.', false, NE555C, "0", "0us", "0us", ""},
    // 173.25 us is an exact half: to the even 173.2.
    {"TimeTie", 3, {"0", "250", "1", ""}, '.', false, NE555F, "2880", "173.2us", "173.2us", "50 / 50 %"},
    // 450 * 100 / 800 = 56.25 exactly: to the even 56.2.
    {"SplitTie", 3, {"144.3", "505.05", "1", ""}, '.', false, NE555F, "1247", "450us", "350us", "56.2 / 43.8 %"},
    // 4.9 * 100 / 8 is just above 61.25 in double but 61.25 in single.
    {"SplitSingle", 3, {"2.6", "4.47", "1", ""}, '.', false, NE555F, "124783", "4.9us", "3.1us", "61.2 / 38.8 %"},
    // The period does not fit a single: that step and the division are skipped.
    {"PeriodBeyondSingle",
     3,
     {"1", "1", "1E40", ""},
     '.',
     false,
     NE555F,
     "0",
     "1.386E+37ms",
     "6.93E+36ms",
     "0 / 100 %"},
    // The times overflow: their step is skipped and they stay 0.
    {"TimesOverflow", 3, {"1E400", "1E400", "1", ""}, '.', false, NE555F, "0", "0us", "0us", ""},
    {"HighTimeOverflow", 3, {"1E400", "1", "1", ""}, '.', false, NE555F, "0", "0us", "0.7us", "0 / 100 %"},
    {"FieldsMissing", 3, {}, '.', false, NE555F, "0", "0us", "0us", ""},
};

class NE555Eval : public ::testing::TestWithParam<EvalCase> {};

TEST_P(NE555Eval, FieldTimesAndSplit) {
    const EvalCase& c = GetParam();
    Outcome out = EvalNE555(c.selection, c.fields, c.sep);
    if (c.negative) {
        ASSERT_EQ(out.messages.size(), 1u);
        EXPECT_EQ(out.messages[0], "Negativt resultat fungerar inte");
    } else {
        EXPECT_TRUE(out.messages.empty());
    }
    ASSERT_EQ(out.fields.size(), 1u);
    EXPECT_EQ(out.fields[0].index, c.index);
    EXPECT_EQ(out.fields[0].text, c.text);
    ASSERT_EQ(out.captions.size(), 3u);
    EXPECT_EQ(out.captions[0].target, "lbl555_4");
    EXPECT_EQ(out.captions[0].text, c.high);
    EXPECT_EQ(out.captions[1].target, "lbl555_5");
    EXPECT_EQ(out.captions[1].text, c.low);
    EXPECT_EQ(out.captions[2].target, "lbl555_3");
    EXPECT_EQ(out.captions[2].text, c.split);
}

INSTANTIATE_TEST_SUITE_P(Table, NE555Eval, ::testing::ValuesIn(kEvalCases),
                         [](const auto& info) { return std::string(info.param.name); });

class NE555Selection : public ::testing::TestWithParam<int32_t> {};

TEST_P(NE555Selection, OtherSumsDoNothing) { EXPECT_TRUE(EvalNE555(GetParam(), {"10", "100", "10", "686"}).Empty()); }

INSTANTIATE_TEST_SUITE_P(Sums, NE555Selection, ::testing::Values(0, 1, 2, 7, -1, INT32_MAX, INT32_MIN));

TEST(NE555Eval, NoTextIsEverInfOrNan) {
    const char* texts[] = {"", ".", "0", "1", "3300", "0.5", "1E40", "1E400", "1E-400"};
    for (int32_t sum = 3; sum <= 6; ++sum)
        for (const char* a : texts)
            for (const char* b : texts)
                for (const char* c : texts)
                    for (const char* d : texts) {
                        Outcome out = EvalNE555(sum, {a, b, c, d}, ',');
                        ASSERT_EQ(out.fields.size(), 1u);
                        EXPECT_EQ(ResultText(ParsePrefix(out.fields[0].text)), out.fields[0].text);
                        for (const auto& cap : out.captions) {
                            EXPECT_EQ(cap.text.find("inf"), std::string::npos) << cap.text;
                            EXPECT_EQ(cap.text.find("nan"), std::string::npos) << cap.text;
                        }
                    }
}

struct ResistorCase {
    const char* name;
    bool computeRa; // else Rb
    double given;   // Rb for Ra, Ra for Rb (kOhm)
    double c, f;
    int32_t expected;
    bool negative;
};

// With C 10 nF and f 1000 Hz, n is 144000 ohms.
const ResistorCase kResistorCases[] = {
    {"Ra124", true, 10, 10, 1000, 124, false},
    {"RaHalfKiloIsZero", true, 71.75, 10, 1000, 0, false}, // m 500
    {"RaTieUp", true, 71.25, 10, 1000, 2, false},          // m 1500
    {"RaTieDown", true, 70.75, 10, 1000, 2, false},        // m 2500
    {"RaTieUpAgain", true, 70.25, 10, 1000, 4, false},     // m 3500
    {"RaExact", true, 72, 10, 1000, 0, false},             // m 0
    {"RaJustNegative", true, 72.0005, 10, 1000, 0, true},  // m -1
    {"RaTooLarge", true, 3300, 1000, 100, 0, true},
    {"RaZeroFrequency", true, 10, 10, 0, 0, true},
    {"RaZeroFrequencyZeroRb", true, 0, 10, 0, 0, false},
    {"RaNBeyondInt32", true, 1, 1, 0.67, 0, true},
    {"RaNWithinInt32", true, 1, 1, 0.671, 2146049, false},
    {"RaZeroCapacitance", true, 1, 0, 1000, 0, true},
    {"Rb67", false, 10, 10, 1000, 67, false},
    {"RbHalfKiloIsZero", false, 143, 10, 1000, 0, false},      // m 500
    {"RbTieDown", false, 139, 10, 1000, 2, false},             // m 2500
    {"RbTieUp", false, 137, 10, 1000, 4, false},               // m 3500
    {"RbMinusHalfIsZero", false, 144.001, 10, 1000, 0, false}, // m -0.5 to the even 0
    {"RbMinusOne", false, 144.002, 10, 1000, 0, true},
    {"RbMinusOneAndHalf", false, 144.003, 10, 1000, 0, true},
    {"RbZeroFrequency", false, 10, 10, 0, 0, true},
    {"RbNBeyondInt32", false, 1, 1, 0.5, 0, true},
    {"RbHugeRa", false, 1e300, 10, 1000, 0, false}, // m step fails, stays 0
};

class NE555Resistor : public ::testing::TestWithParam<ResistorCase> {};

TEST_P(NE555Resistor, WholeKiloOhmOrMessage) {
    const ResistorCase& c = GetParam();
    bool negative = !c.negative; // must be overwritten either way
    int32_t r = c.computeRa ? CalcNE555Ra(c.given, c.c, c.f, negative) : CalcNE555Rb(c.given, c.c, c.f, negative);
    EXPECT_EQ(r, c.expected);
    EXPECT_EQ(negative, c.negative);
}

INSTANTIATE_TEST_SUITE_P(Steps, NE555Resistor, ::testing::ValuesIn(kResistorCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct QuantityCase {
    const char* name;
    double (*routine)(double, double, double);
    double a, b, c, expected;
};

const QuantityCase kQuantityCases[] = {
    {"Frequency", CalcNE555Frequency, 10, 100, 10, 686},
    {"FrequencyTie", CalcNE555Frequency, 1704, 300, 2, 312}, // 312.5
    {"FrequencyZeroC", CalcNE555Frequency, 10, 100, 0, 0},
    {"FrequencyZeroR", CalcNE555Frequency, 0, 0, 10, 0},
    {"FrequencyOverflow", CalcNE555Frequency, 1, 1, 1e-310, 0},
    {"Capacitance", CalcNE555Capacitance, 10, 100, 686, 9.996},
    {"CapacitanceZeroF", CalcNE555Capacitance, 10, 100, 0, 0},
    {"CapacitanceTooSmall", CalcNE555Capacitance, 3300, 3300, 300000, 0},
    {"CapacitanceZeroR", CalcNE555Capacitance, 0, 0, 5, 0},
};

class NE555Quantity : public ::testing::TestWithParam<QuantityCase> {};

TEST_P(NE555Quantity, Rounded) {
    const QuantityCase& c = GetParam();
    EXPECT_EQ(c.routine(c.a, c.b, c.c), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Routines, NE555Quantity, ::testing::ValuesIn(kQuantityCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct TimeCase {
    const char* name;
    bool high;
    double ra, rb, c;
    char sep;
    const char* text;
};

const TimeCase kTimeCases[] = {
    {"High", true, 10, 100, 10, '.', "762.3us"},
    {"HighComma", true, 10, 100, 10, ',', "762,3us"},
    {"LowWhole", false, 10, 100, 10, '.', "693us"},
    {"LowIgnoresRa", false, 3300, 100, 10, '.', "693us"},
    {"HighTie", true, 0, 250, 1, '.', "173.2us"},
    {"HighTieAgain", true, 0, 125, 10, '.', "866.2us"},
    {"LowTie", false, 9, 250, 1, '.', "173.2us"},
    {"JustBelowOneMs", false, 0, 1000, 1.443, '.', "1000us"},
    {"JustAboveOneMs", false, 0, 1000, 1.4431, '.', "1ms"},
    {"Ms", false, 0, 3300, 1000, '.', "2286.9ms"},
    {"MsComma", false, 0, 3300, 1000, ',', "2286,9ms"},
    {"Zero", false, 10, 0, 10, '.', "0us"},
    {"Huge", true, 1, 1, DBL_MAX, '.', "2.49160268491917E+305ms"},
    {"Overflow", true, DBL_MAX, 1, 1, '.', "0us"},
    {"DisplayOverflow", true, 1e300, 0, 1e12, '.', "0ms"},
};

class NE555Time : public ::testing::TestWithParam<TimeCase> {};

TEST_P(NE555Time, Display) {
    const TimeCase& c = GetParam();
    std::string t = c.high ? CalcNE555HighTime(c.ra, c.rb, c.c, c.sep) : CalcNE555LowTime(c.ra, c.rb, c.c, c.sep);
    EXPECT_EQ(t, c.text);
}

INSTANTIATE_TEST_SUITE_P(Times, NE555Time, ::testing::ValuesIn(kTimeCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct RefusalCase {
    int index;
    const char* text;
    const char* message; // nullptr: accepted
};

constexpr const char* kRange = "Endast heltal 1 - 3300 tillåtet";
constexpr const char* kMinC = "Endast heltal >= 1 tillåtet";
constexpr const char* kMaxF = "300000 är max tillåtet";

class NE555Entry : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(NE555Entry, AcceptanceTest) {
    const RefusalCase& c = GetParam();
    std::optional<std::string> m = NE555Refusal(c.index, c.text);
    if (c.message == nullptr) {
        EXPECT_FALSE(m.has_value()) << c.index << " " << c.text << ": " << *m;
    } else {
        ASSERT_TRUE(m.has_value()) << c.index << " " << c.text;
        EXPECT_EQ(*m, c.message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Fields, NE555Entry,
    ::testing::Values(RefusalCase{0, "3300", nullptr}, RefusalCase{0, "3301", kRange}, RefusalCase{0, "3300.1", kRange},
                      RefusalCase{0, "0.5", kRange}, RefusalCase{0, "2.5", nullptr}, RefusalCase{0, "1", nullptr},
                      RefusalCase{0, "0.999", kRange}, RefusalCase{0, "", kRange}, RefusalCase{0, ".", kRange},
                      RefusalCase{0, "12abc", nullptr}, RefusalCase{0, "1E400", kRange},
                      RefusalCase{1, "3300", nullptr}, RefusalCase{1, "3301", kRange}, RefusalCase{1, "0", kRange},
                      RefusalCase{2, "1", nullptr}, RefusalCase{2, "0.9", kMinC}, RefusalCase{2, "1E400", nullptr},
                      RefusalCase{2, ".", kMinC}, RefusalCase{2, "1,5", nullptr}, RefusalCase{3, "300000", nullptr},
                      RefusalCase{3, "300000.9", nullptr}, RefusalCase{3, "300001", kMaxF},
                      RefusalCase{3, "0", nullptr}, RefusalCase{3, ".", nullptr}, RefusalCase{3, "1.2.3", nullptr},
                      RefusalCase{3, "300001.2.3", kMaxF}, RefusalCase{3, "1E400", kMaxF},
                      RefusalCase{3, "3E5", nullptr}, RefusalCase{3, "3.00001E5", kMaxF}));

} // namespace
