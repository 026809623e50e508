// SPDX-License-Identifier: GPL-3.0-or-later
// Every calculator through its row of the calculators table: the inputs as
// the window hands them over, and the whole outcome the rules give.
#include "core/calculators.h"
#include "core/divider.h"
#include "core/ne555.h"
#include "tests/core/rows.h"

namespace ampero {
namespace {

ROW(EvalRow, Inputs in; Outcome out; const char* calc = "";)

template <size_t N> std::vector<EvalRow> For(const char* calc, const EvalRow (&rows)[N]) {
    std::vector<EvalRow> out(rows, rows + N);
    for (EvalRow& r : out) r.calc = calc;
    return out;
}

class Eval : public testing::TestWithParam<EvalRow> {};

TEST_P(Eval, Computes) {
    const CalculatorInfo& calc = FindCalculator(GetParam().calc);
    ASSERT_STREQ(calc.name, GetParam().calc);
    EXPECT_EQ(calc.eval(GetParam().in), GetParam().out);
}

Outcome Out(std::vector<FieldResult> fields) { return {{}, std::move(fields), {}}; }

// The NE 555 outcome: the computed field, then high time, low time, split.
Outcome NE(int index, const char* text, const char* high, const char* low, const char* split, bool negative = false) {
    Outcome o{{}, {{index, text}}, {{NE555HighTime, high}, {NE555LowTime, low}, {NE555Split, split}}};
    if (negative) o.messages.push_back(kNegativeResultMessage);
    return o;
}

// Ten series-capacitor fields, the given ones filled.
FieldTexts Slots(std::initializer_list<std::pair<int, const char*>> filled) {
    FieldTexts f(10);
    for (const auto& [i, t] : filled) f[static_cast<size_t>(i)] = t;
    return f;
}

// Fields R, U, P, I; exactly two confirmed, the other two written.
const EvalRow kOhm[] = {
    {"RU", {{"100", "12", "", ""}, k01}, Out({{3, "0.12"}, {2, "1.44"}})},
    {"RP", {{"1000", "", "0.25", ""}, k02}, Out({{3, "0.015811"}, {1, "15.811388"}})},
    {"RIBesideFilledUP", {{"470", "1", "1", "0.02"}, k03}, Out({{1, "9.4"}, {2, "0.188"}})},
    {"UPBesideFilledRI", {{"7", "230", "60", "9"}, k12}, Out({{0, "881.666667"}, {3, "0.26087"}})},
    {"UI", {{"", "5", "", "0.015"}, k13}, Out({{0, "333.333333"}, {2, "0.075"}})},
    {"PI", {{"", "", "2", "0.1"}, k23}, Out({{0, "200"}, {1, "20"}})},
    {"ZeroResistance", {{"0", "5", "", ""}, k01}, Out({{3, "0"}, {2, "0"}})},
    {"ZeroCurrent", {{"", "", "2", "0"}, k23}, Out({{0, "0"}, {1, "0"}})},
    {"UPZeroPower", {{"", "5", "0", ""}, k12}, Out({{0, "0"}, {3, "0"}})},
    {"UPZeroVoltage", {{"", "0", "60", ""}, k12}, Out({{0, "0"}, {3, "0"}})},
    {"RPNegativeRoots", {{"-4", "", "1", ""}, k02}, Out({{3, "0"}, {1, "0"}})},
    {"TieToEvenDown", {{"1", "0.0078125", "", ""}, k01}, Out({{3, "0.007812"}, {2, "0.000061"}})},
    {"PowerOverflowsCurrentNot", {{"1", "1E200", "", ""}, k01}, Out({{3, "1E+200"}, {2, "0"}})},
    {"PowerOverflowsVoltageNot", {{"1", "", "", "1E160"}, k03}, Out({{1, "1E+160"}, {2, "0"}})},
    {"NegativeOverflowUI", {{"", "-1E200", "", "1E200"}, k13}, Out({{0, "-1"}, {2, "0"}})},
    {"CurrentSquaredUnderflows", {{"", "", "1", "1E-200"}, k23}, Out({{0, "0"}, {1, "1E+200"}})},
    {"ShortFieldList", {{"100"}, k01}, Out({{3, "0"}, {2, "0"}})},
    {"OneConfirmedSumThree", {{"100", "12", "1", "2"}, k3}, {}},
    {"ThreeConfirmedSumThree", {{"100", "12", "1", "2"}, k012}, {}},
};

// Fields supply V, forward V, mA, count; the resistance goes to field 4.
const EvalRow kLed[] = {
    {"StartValues", {{"5", "2", "8", "1"}}, Out({{4, "375"}})},
    {"SixInSeries", {{"24", "3.2", "20", "6"}}, Out({{4, "240"}})},
    {"Negative", {{"5", "2", "15", "3"}}, Out({{4, "-67"}})},
    {"ZeroCurrent", {{"12", "2", "0", "1"}}, {}},
    {"EmptyCount", {{"12", "2", "15", ""}}, {}},
    {"PointCount", {{"12", "2", "15", "."}}, {}},
    {"SignOnlyCount", {{"12", "2", "15", "-"}}, {}},
    {"NineInSeries", {{"30", "3", "10", "9"}}, Out({{4, "300"}})},
    {"FractionCountCutDown", {{"9", "2", "15", "2.9"}}, Out({{4, "333"}})},
    {"LeadingBlankCount", {{"9", "2", "15", " 3"}}, Out({{4, "200"}})},
    {"PointFiveCountIsZero", {{"9", "2", "15", ".5"}}, Out({{4, "600"}})},
    {"ZeroCount", {{"9", "2", "15", "0"}}, Out({{4, "600"}})},
    {"TieToEvenDown", {{"2.5", "0", "1000", "1"}}, Out({{4, "2"}})},
    {"Int32Max", {{"2147483.647", "0", "1", "1"}}, Out({{4, "2147483647"}})},
    {"AboveInt32Max", {{"2147483.648", "0", "1", "1"}}, {}},
    {"Int32Min", {{"0", "2147483.648", "1", "1"}}, Out({{4, "-2147483648"}})},
    {"HugeCount", {{"12", "2", "15", "1E400"}}, {}},
    {"HugeCountNoForwardVoltage", {{"12", "0", "15", "1E400"}}, Out({{4, "800"}})},
};

// Fields R (ohm), C (nF), f (Hz); the variant is the astable multivibrator.
const EvalRow kRC[] = {
    {"FFromRC", {{"1000", "100", "5"}, k01}, Out({{2, "1592"}})},
    {"CFromRF", {{"1000", "", "1592"}, k02}, Out({{1, "99.972"}})},
    {"RFromCF", {{"", "100", "1592"}, k12}, Out({{0, "1000"}})},
    {"RWhole", {{"", "1", "1"}, k12}, Out({{0, "159154943"}})},
    {"ZeroR", {{"0", "100", ""}, k01}, Out({{2, "0"}})},
    {"ZeroF", {{"", "100", "0"}, k12}, Out({{0, "0"}})},
    {"Overflow", {{"1E200", "1E200", ""}, k01}, Out({{2, "0"}})},
    {"AstableF", {{"1000", "100", ""}, k01, true}, Out({{2, "7143"}})},
    {"AstableC", {{"1000", "", "7143"}, k02, true}, Out({{1, "99.998"}})},
    {"AstableCThreeDecimals", {{"3300", "", "1000"}, k02, true}, Out({{1, "216.45"}})},
    {"AstableR", {{"", "100", "7143"}, k12, true}, Out({{0, "1000"}})},
    {"AstableROneDecimal", {{"", "1", "1"}, k12, true}, Out({{0, "714285714.3"}})},
    {"AstableZeroR", {{"0", "100", ""}, k01, true}, Out({{2, "0"}})},
    {"AstableZeroF", {{"1000", "", "0"}, k02, true}, Out({{1, "0"}})},
    {"AstableZeroRForC", {{"0", "", "50"}, k02, true}, Out({{1, "0"}})},
    {"AstableZeroC", {{"", "0", "50"}, k12, true}, Out({{0, "0"}})},
    {"AstableHuge", {{"", "1", "1E-290"}, k12, true}, Out({{0, "7.14285714285714E+298"}})},
    {"AstableOverflowLastStep", {{"", "1", "1E-300"}, k12, true}, Out({{0, "0"}})},
    {"NoneConfirmed", {{"1000", "100", "50"}, kNone}, {}},
    {"SumFour", {{"1000", "100", "50"}, k13}, {}},
};

// Fields Ra, Rb (kOhm), C (nF), f (Hz); three confirmed give the fourth.
const EvalRow kNE555[] = {
    {"FFromRaRbC", {{"10", "100", "10", ""}, k012}, NE(3, "686", "762.3us", "693us", "52.4 / 47.6 %")},
    {"Milliseconds", {{"47", "47", "100", ""}, k012}, NE(3, "102", "6.5ms", "3.3ms", "66.3 / 33.7 %")},
    {"LowUnderMicrosecond", {{"3300", "1", "1", ""}, k012}, NE(3, "436", "2.3ms", "0.7us", "100 / 0 %")},
    {"Largest", {{"3300", "3300", "1000", ""}, k012}, NE(3, "0", "4573.8ms", "2286.9ms", "66.7 / 33.3 %")},
    {"CFromRaRbF", {{"10", "100", "50", "686"}, k013}, NE(2, "9.996", "762us", "692.7us", "52.4 / 47.6 %")},
    {"RaFromRbCF", {{"999", "10", "10", "1000"}, k123}, NE(0, "124", "928.6us", "69.3us", "93.1 / 6.9 %")},
    {"RbFromRaCF", {{"10", "1", "10", "1000"}, k023}, NE(1, "67", "533.6us", "464.3us", "53.5 / 46.5 %")},
    {"RaNegative", {{"", "3300", "1000", "100"}, k123}, NE(0, "0", "2286.9ms", "2286.9ms", "50 / 50 %", true)},
    {"RbNegative", {{"10", "", "10", "0"}, k023}, NE(1, "0", "69.3us", "0us", "100 / 0 %", true)},
    {"CommaMicroseconds", {{"10", "100", "10", ""}, k012, false, "", ','}, NE(3, "686", "762,3us", "693us", "52,4 / 47,6 %")},
    {"BothTimesZero", {{"3300", "3300", "", "300000"}, k013}, NE(2, "0", "0us", "0us", "")},
    {"TimeTie", {{"0", "250", "1", ""}, k012}, NE(3, "2880", "173.2us", "173.2us", "50 / 50 %")},
    {"SplitTie", {{"144.3", "505.05", "1", ""}, k012}, NE(3, "1247", "450us", "350us", "56.2 / 43.8 %")},
    {"SplitInSingle", {{"2.6", "4.47", "1", ""}, k012}, NE(3, "124783", "4.9us", "3.1us", "61.2 / 38.8 %")},
    {"PeriodBeyondSingle", {{"1", "1", "1E40", ""}, k012}, NE(3, "0", "1.386E+37ms", "6.93E+36ms", "0 / 100 %")},
    {"HighTimeOverflow", {{"1E400", "1", "1", ""}, k012}, NE(3, "0", "0us", "0.7us", "0 / 100 %")},
    {"FieldsMissing", {{}, k012}, NE(3, "0", "0us", "0us", "")},
    {"TwoConfirmed", {{"10", "100", "10", "686"}, k01}, {}},
    {"FourConfirmed", {{"10", "100", "10", "686"}, kAll}, {}},
};

// Fields f (MHz), C (pF), XC (ohm).
const EvalRow kCap[] = {
    {"XC", {{"1", "100", ""}, k01}, Out({{2, "1591.5"}})},
    {"CFromFXC", {{"1", "555", "1591.5"}, k02}, Out({{1, "100"}})},
    {"COneDecimal", {{"1", "", "1000"}, k02}, Out({{1, "159.2"}})},
    {"FFromCXC", {{"", "100", "1591.5"}, k12}, Out({{0, "1.000031"}})},
    {"ZeroF", {{"0", "100", ""}, k01}, Out({{2, "0"}})},
    {"XCOverflow", {{"1E-300", "1E-300", ""}, k01}, Out({{2, "0"}})},
    {"CZeroF", {{"0", "", "1591.5"}, k02}, Out({{1, "0"}})},
    {"FProductOverflow", {{"", "1E300", "1E300"}, k12}, Out({{0, "0"}})},
    {"NoneConfirmed", {{"1", "100", "1591.5"}, kNone}, {}},
};

// Fields 0..7 the values, 8 the total, 9 the value still to add.
const EvalRow kSerie[] = {
    {"TotalOfOne", {Slots({{3, "47"}})}, Out({{8, "47"}})},
    {"TotalOfEight", {Slots({{0, "100"}, {1, "100"}, {2, "100"}, {3, "100"}, {4, "100"}, {5, "100"}, {6, "100"}, {7, "100"}})}, Out({{8, "12.5"}})},
    {"TotalTieToEven", {Slots({{0, "0.25"}, {1, "0.25"}})}, Out({{8, "0.1"}})},
    {"TotalIgnoresNext", {Slots({{0, "22"}, {9, "5"}})}, Out({{8, "22"}})},
    {"Next", {Slots({{0, "22"}, {8, "15"}})}, Out({{9, "47.1"}})},
    {"NextAfterTotal", {Slots({{0, "22"}, {1, "48"}, {8, "15.1"}})}, Out({{9, "15945.6"}})},
    {"NextAfterEight", {Slots({{0, "100"}, {1, "100"}, {2, "100"}, {3, "100"}, {4, "100"}, {5, "100"}, {6, "100"}, {7, "100"}, {8, "10"}})}, Out({{9, "50"}})},
    {"NextFilledBefore", {Slots({{6, "100"}, {8, "50"}, {9, "1"}})}, Out({{9, "100"}})},
    {"NothingFilled", {Slots({})}, {}},
    {"ZeroValue", {Slots({{0, "22"}, {1, "0"}})}, {}},
    {"OnlyTotal", {Slots({{8, "15"}})}, {}},
    {"ZeroTotal", {Slots({{0, "22"}, {8, "0"}})}, {}},
    {"TotalReached", {Slots({{0, "22"}, {8, "22"}})}, {}},
};

// Fields f (MHz), L (uH), XL (ohm).
const EvalRow kInd[] = {
    {"XL", {{"1", "10", "999"}, k01}, Out({{2, "62.8"}})},
    {"LFromFXL", {{"1", "777", "62.8abc"}, k02}, Out({{1, "9.994930425"}})},
    {"LNineDecimals", {{"100", "", "1"}, k02}, Out({{1, "0.001591549"}})},
    {"LFifteenDigits", {{"0.001", "", "1000"}, k02}, Out({{1, "159154.943071114"}})},
    {"FFromLXL", {{"5", " 10", "62.8"}, k12}, Out({{0, "0.999493"}})},
    {"FRoundsToZero", {{"", "1000000", "1"}, k12}, Out({{0, "0"}})},
    {"LZeroF", {{"0", "", "62.8"}, k02}, Out({{1, "0"}})},
    {"XLOverflow", {{"1E300", "1E300", ""}, k01}, Out({{2, "0"}})},
    {"LOverflow", {{"1E-300", "", "1E300"}, k02}, Out({{1, "0"}})},
    {"NoneConfirmed", {{"1", "10", "62.8"}, kNone}, {}},
};

// Fields length, diameter (cm), L (uH), N; three confirmed.
const EvalRow kCoil[] = {
    {"L", {{"5", "1", "", "50"}, k013}, Out({{2, "4.167"}})},
    {"N", {{"5", "1", "4.167", ""}, k012}, Out({{3, "50"}})},
    {"NOneDecimal", {{"1", "1", "1", ""}, k012}, Out({{3, "12.2"}})},
    {"LSevenDigits", {{"1", "10", "", "3000"}, k013}, Out({{2, "1846154"}})},
    {"NThinCoil", {{"2", "0.5", "10.256", ""}, k012}, Out({{3, "100"}})},
    {"LNoNField", {{"5", "1", "4.167"}, k013}, Out({{2, "0"}})},
    {"NZeroDiameter", {{"5", "0", "4.167", ""}, k012}, Out({{3, "0"}})},
    {"LZeroDimensions", {{"0", "0", "", "50"}, k013}, Out({{2, "0"}})},
    {"NNegativeRoot", {{"5", "1", "-4", ""}, k012}, Out({{3, "0"}})},
    {"NBeyondSingle", {{"5", "1", "", "1E+39"}, k013}, Out({{2, "0"}})},
    {"LengthBeyondSingle", {{"1E+39", "1", "1", ""}, k012}, Out({{3, "0"}})},
    {"LBeyondSingle", {{"1E-30", "1E+30", "", "1E+30"}, k013}, Out({{2, "0"}})},
    {"SumOne", {{"5", "1", "4.167", "50"}, k01}, {}},
};

// Fields AL (nH/N^2), unused, L (uH), N; AL and one of L, N confirmed.
const EvalRow kAL[] = {
    {"L", {{"250", "3", "", "20"}, k03}, Out({{2, "100"}})},
    {"N", {{"250", "3", "100", ""}, k02}, Out({{3, "20"}})},
    {"NOneDecimal", {{"60", "3", "10", ""}, k02}, Out({{3, "12.9"}})},
    {"LSingleBelowTie", {{"0.005", "3", "", "10"}, k03}, Out({{2, "0"}})},
    {"LSingleAboveTie", {{"0.075", "3", "", "10"}, k03}, Out({{2, "0.008"}})},
    {"LSevenDigits", {{"123.4567", "3", "", "1000"}, k03}, Out({{2, "123456.7"}})},
    {"ZeroAL", {{"0", "3", "100", ""}, k02}, Out({{3, "0"}})},
    {"NegativeL", {{"250", "3", "-100", ""}, k02}, Out({{3, "0"}})},
    {"LBeyondSingle", {{"1E+30", "3", "", "1E+10"}, k03}, Out({{2, "0"}})},
    {"ALBeyondSingle", {{"1E+39", "3", "", "2"}, k03}, Out({{2, "0"}})},
    {"SumOne", {{"250", "3", "100", "20"}, k01}, {}},
};

// Fields C (pF), f (MHz), L (uH); any number confirmed.
const EvalRow kRes[] = {
    {"F", {{"100", "", "10"}, k02}, Out({{1, "5.032921"}})},
    {"LIgnoresLField", {{"100", "5.032921", "7"}, k01}, Out({{2, "10"}})},
    {"C", {{"", "5.032921", "10"}, k12}, Out({{0, "100"}})},
    {"FSixDecimals", {{"1000000", "", "1000000"}, k02}, Out({{1, "0.000159"}})},
    {"CRoundsToZero", {{"", "1000", "1000"}, k12}, Out({{0, "0"}})},
    {"LEmptyC", {{"", "5.032921", ""}, k01}, Out({{2, "0"}})},
    {"FNegativeRoot", {{"-100", "", "10"}, k02}, Out({{1, "0"}})},
    {"CZeroF", {{"", "0", "10"}, k12}, Out({{0, "0"}})},
    {"LSquareOverflows", {{"100", "1E200", ""}, k01}, Out({{2, "0"}})},
    {"COverflow", {{"", "1E300", "1E300"}, k12}, Out({{0, "0"}})},
    {"NoneConfirmed", {{"100", "5", "10"}, kNone}, {}},
};

// Fields C (pF), f (MHz), L (uH), Z (ohm); the aside text is the coil's
// wire resistance, the variant parallel. C 100, f 1, L 100: XC 1591.5, XL 628.3.
const EvalRow kImp[] = {
    {"ParallelZ", {{"100", "1", "100", ""}, k012, true, "10"}, Out({{3, "1038.143"}})},
    {"SeriesC", {{"", "1", "100", "963.2"}, k123, false, "10"}, Out({{0, "100"}})},
    {"SeriesZWithWire", {{"100", "1", "100", ""}, k012, false, "10"}, Out({{3, "963.252"}})},
    {"ParallelLAtTwoMHz", {{"100", "2", "", "5000"}, k013, true}, Out({{2, "54.632"}})},
    {"ParallelLNegativeZ", {{"100", "1", "", "-1038.143"}, k013, true}, Out({{2, "-475.202"}})},
    {"SeriesL", {{"100", "1", "", "963.2"}, k013, false, "10"}, Out({{2, "99.997"}})},
    {"SeriesLAtTwoMHz", {{"100", "2", "", "400"}, k013}, Out({{2, "31.497"}})}, // XC 795.8
    {"ParallelZAboveResonance", {{"100", "1", "1000", ""}, k012, true}, Out({{3, "-2131.362"}})},
    {"ParallelZNoC", {{"", "1", "100", ""}, k012, true, "5"}, Out({{3, "0"}})},
    {"SeriesZNoCWithWire", {{"", "1", "100", ""}, k012, false, "10"}, Out({{3, "628.38"}})},
    {"WireInSingle", {{"", "1", "", ""}, k012, false, "0.0025"}, Out({{3, "0.002"}})},
    {"WireBeyondSingle", {{"", "1", "", ""}, k012, false, "1E+39"}, Out({{3, "0"}})},
    {"WireNegative", {{"", "1", "", ""}, k012, false, "-3"}, Out({{3, "3"}})},
    {"ParallelZNoL", {{"100", "1", "", ""}, k012, true}, Out({{3, "0"}})},
    {"ParallelLNoC", {{"", "1", "", "1038.143"}, k013, true}, Out({{2, "0"}})},
    {"ParallelLNoZ", {{"100", "1", "", ""}, k013, true}, Out({{2, "0"}})},
    {"SeriesLNoC", {{"", "1", "", "100"}, k013}, Out({{2, "-15.915"}})},
    {"ParallelCNoL", {{"", "1", "", "1038.143"}, k123, true}, Out({{0, "0"}})},
    {"ParallelCNoZ", {{"", "1", "100", ""}, k123, true}, Out({{0, "0"}})},
    {"ParallelCAtTwoMHz", {{"", "2", "100", "5000"}, k123, true}, Out({{0, "47.4"}})},
    {"ParallelCLarge", {{"", "0.001", "100", "1"}, k123, true}, Out({{0, "106103295.4"}})},
    {"SeriesCAtTwoMHz", {{"", "2", "100", "500"}, k123}, Out({{0, "105.2"}})},
    {"SeriesCLarge", {{"", "0.001", "100", "0.5"}, k123}, Out({{0, "1591549430.7"}})},
    {"SeriesCAtResonance", {{"", "1", "100", "628.3"}, k123}, Out({{0, "0"}})},
    {"ParallelCReciprocalsCancel", {{"", "1", "100", "628.3"}, k123, true}, Out({{0, "0"}})},
    {"SeriesZOverflow", {{"1E300", "1E300", "1E300", ""}, k012}, Out({{3, "0"}})},
    {"ParallelLReciprocalsCancel", {{"100", "1", "", "-1591.5"}, k013, true}, Out({{2, "0"}})},
    {"NoneConfirmed", {{"100", "1", "100", "1000"}, kNone, true}, {}},
    {"SumOne", {{"100", "1", "100", "1000"}, k01}, {}},
};

// The messages, and R1 and R2 of a best pair with the line under the page.
Outcome Says(const char* message) { return {.messages = {message}}; }
Outcome Best(const char* r1, const char* r2, const char* note) { return {.fields = {{DividerR1, r1}, {DividerR2, r2}}, .note = note}; }

// Fields Uin (V), R1, R2 (ohm), Uut (V); the variant is the series of a best pair.
const EvalRow kDiv[] = {
    {"Uut", {{"12", "10000", "4700", ""}, k012}, Out({{3, "3.836735"}})},
    {"R2", {{"5", "10000", "", "3.3"}, k013}, Out({{2, "19411.764706"}})},
    {"R1", {{"9", "", "1000", "3"}, k023}, Out({{1, "2000"}})},
    {"Uin", {{"", "2000", "1000", "3"}, k123}, Out({{0, "9"}})},
    {"UinOverflow", {{"", "1E300", "1E-300", "1"}, k123}, Out({{0, "0"}})},
    {"BestE12", {{"5", "", "", "3.3"}, k03, 0, "", ','}, Best("12000", "22000", "Bästa par ur E12: R1 12 kΩ och R2 22 kΩ ger 3,235 V (−2,0 %)")},
    {"BestE24", {{"5", "", "", "3.3"}, k03, 1, "", ','}, Best("47000", "91000", "Bästa par ur E24: R1 47 kΩ och R2 91 kΩ ger 3,297 V (−0,1 %)")},
    {"BestE96", {{"5", "", "", "3.3"}, k03, 2, "", ','}, Best("13700", "26700", "Bästa par ur E96: R1 13,7 kΩ och R2 26,7 kΩ ger 3,304 V (+0,1 %)")},
    {"BestExactSmallestR2", {{"12", "", "", "5"}, k03, 2, "", ','}, Best("14000", "10000", "Bästa par ur E96: R1 14 kΩ och R2 10 kΩ ger 5 V (+0,0 %)")},
    {"BestOneOhmBelow100k", {{"10", "", "", "9.9999"}, k03, 1}, Best("1", "91000", "Bästa par ur E24: R1 1 Ω och R2 91 kΩ ger 10 V (−0.0 %)")},
    {"BestNearerByMoreThanNoise", {{"10", "", "", "5.20833333724"}, k03}, Best("33000", "39000", "Bästa par ur E12: R1 33 kΩ och R2 39 kΩ ger 5.417 V (+4.0 %)")},
    {"BestEquallyNearSmallerR2", {{"10", "", "", "5.2083333338333"}, k03}, Best("10000", "10000", "Bästa par ur E12: R1 10 kΩ och R2 10 kΩ ger 5 V (−4.0 %)")},
    {"BestLargestR1", {{"1000", "", "", "0.001"}, k03}, Best("10000000", "10000", "Bästa par ur E12: R1 10 MΩ och R2 10 kΩ ger 0.999 V (+99800.1 %)")},
    {"BestDeviationBeyondDouble", {{"1E400", "", "", "1E-300"}, k03}, Best("10000000", "10000", "Bästa par ur E12: R1 10 MΩ och R2 10 kΩ ger 1.796E+305 V")},
    {"BestOwnAnyR2", {{"5", "", "", "3.3"}, k03, 3, "", ',', {1000, 2000, 4700, 10000}}, Best("1000", "2000", "Bästa par ur egna delar: R1 1 kΩ och R2 2 kΩ ger 3,333 V (+1,0 %)")},
    {"BestOwnOneValueTwiceSmallerR2", {{"12", "", "", "6"}, k03, 3, "", '.', {1000, 2000, 4700, 10000}}, Best("1000", "1000", "Bästa par ur egna delar: R1 1 kΩ och R2 1 kΩ ger 6 V (+0.0 %)")},
    {"BestOwnNone", {{"12", "", "", "6"}, k03, 3}, Says("Inga egna delar – välj Ändra…")},
    {"ZeroBeforeOrder", {{"5", "0", "", "6"}, k013}, Says("Alla värden måste vara större än noll")},
    {"NegativeUut", {{"5", "", "", "-1"}, k03}, Says("Alla värden måste vara större än noll")},
    {"UutEqualsUin", {{"5", "", "", "5"}, k03}, Says("Uut måste vara mindre än Uin")},
    {"UutAboveUinOfThree", {{"5", "1000", "", "6"}, k013}, Says("Uut måste vara mindre än Uin")},
    {"UinAndR1", {{"5", "1000", "", ""}, k01}, Says("Bekräfta tre värden, eller Uin och Uut för bästa par")},
    {"FourConfirmed", {{"12", "10000", "4700", "3"}, kAll}, Says("Bekräfta tre värden, eller Uin och Uut för bästa par")},
};

ROWS(Ohm, Eval, For("Ohm", kOhm));
ROWS(LED, Eval, For("txtLed", kLed));
ROWS(RC, Eval, For("RC", kRC));
ROWS(NE555, Eval, For("RC555", kNE555));
ROWS(Capacitive, Eval, For("Cap", kCap));
ROWS(SeriesCaps, Eval, For("Serie", kSerie));
ROWS(Inductive, Eval, For("Ind", kInd));
ROWS(CoilWinding, Eval, For("Coil", kCoil));
ROWS(CoilFromAL, Eval, For("AL", kAL));
ROWS(Resonance, Eval, For("Res", kRes));
ROWS(Impedance, Eval, For("iRes", kImp));
ROWS(Divider, Eval, For("Div", kDiv));

} // namespace
} // namespace ampero
