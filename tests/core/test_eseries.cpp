// SPDX-License-Identifier: GPL-3.0-or-later
// The standard series, the hint line, the LED resistor's power, SI prefixes.
#include <cmath>
#include <limits>

#include "core/calculators.h"
#include "core/eseries.h"
#include "tests/core/rows.h"

using namespace ampero;

namespace {

ROW(NearCase, double value; ESeries series; double expected;) // expected 0: none

const NearCase kNearCases[] = {
    {"E6_40_to_47", 40, ESeries::E6, 47},
    {"E12_666_to_680", 666.67, ESeries::E12, 680},
    {"E24_29_to_30", 29, ESeries::E24, 30},
    {"E96_667_to_665", 667, ESeries::E96, 665},
    {"E96_4700_to_4750", 4700, ESeries::E96, 4750},
    {"TieGoesUp", std::sqrt(47.0 * 56), ESeries::E12, 56},
    {"TieAcrossDecadeGoesUp", std::sqrt(8200.0), ESeries::E12, 100},
    {"JustBelowTie", 10.954, ESeries::E12, 10},
    {"DecadeEdgeUp", 999.9, ESeries::E12, 1000},
    {"DecadeEdgeToOne", 0.995, ESeries::E12, 1},
    {"SmallestAccepted", 1e-15, ESeries::E12, 1e-15},
    {"LargestAccepted", 1e15, ESeries::E12, 1e15},
    {"JustBelowAPowerOfTen", std::nextafter(1000.0, 0.0), ESeries::E12, 1000},
    {"Zero", 0, ESeries::E12, 0},
    {"Negative", -56, ESeries::E12, 0},
    {"Infinite", std::numeric_limits<double>::infinity(), ESeries::E12, 0},
    {"NaN", std::nan(""), ESeries::E12, 0},
    {"TooSmall", 1e-16, ESeries::E12, 0},
    {"TooLarge", 1e16, ESeries::E96, 0},
};

class Nearest : public ::testing::TestWithParam<NearCase> {};
TEST_P(Nearest, Value) {
    const std::optional<Standard> s = NearestStandard(GetParam().value, GetParam().series);
    EXPECT_EQ(s ? s->value : 0.0, GetParam().expected);
}
ROWS(ESeries, Nearest, kNearCases);

const TextRow kLineCases[] = {
    {"Ohms", [] { return StandardValuesLine("667", Quantity::Resistance, ','); }, "Närmast i standardserierna för 667 Ω:  E12 680 Ω (+1,9 %)  ·  E24 680 Ω (+1,9 %)  ·  E96 665 Ω (−0,3 %)"},
    {"OhmsPoint", [] { return StandardValuesLine("667", Quantity::Resistance, '.'); }, "Närmast i standardserierna för 667 Ω:  E12 680 Ω (+1.9 %)  ·  E24 680 Ω (+1.9 %)  ·  E96 665 Ω (−0.3 %)"},
    {"Nano", [] { return StandardValuesLine("99.972", Quantity::CapacitanceNano, ','); }, "Närmast i standardserierna för 99,972 nF:  E6 100 nF (+0,0 %)  ·  E12 100 nF (+0,0 %)  ·  E24 100 nF (+0,0 %)"},
    {"KiloFromOhms", [] { return StandardValuesLine("4700", Quantity::Resistance, ','); }, "Närmast i standardserierna för 4700 Ω:  E12 4,7 kΩ (+0,0 %)  ·  E24 4,7 kΩ (+0,0 %)  ·  E96 4,75 kΩ (+1,1 %)"},
    {"NanoFromPico", [] { return StandardValuesLine("1500", Quantity::CapacitancePico, ','); }, "Närmast i standardserierna för 1500 pF:  E6 1,5 nF (+0,0 %)  ·  E12 1,5 nF (+0,0 %)  ·  E24 1,5 nF (+0,0 %)"},
    {"MicroFromPico", [] { return StandardValuesLine("3900000", Quantity::CapacitancePico, ','); }, "Närmast i standardserierna för 3900000 pF:  E6 3,3 µF (−15,4 %)  ·  E12 3,9 µF (+0,0 %)  ·  E24 3,9 µF (+0,0 %)"},
    {"Plain", [] { return StandardValuesLine("0.5", Quantity::Plain, ','); }, "Närmast i standardserierna för 0,5:  E6 0,47 (−6,0 %)  ·  E12 0,47 (−6,0 %)  ·  E24 0,51 (+2,0 %)"},
    {"NegativeIsEmpty", [] { return StandardValuesLine("-67", Quantity::Resistance, ','); }, ""},
    {"OutOfRangeIsEmpty", [] { return StandardValuesLine("1E+16", Quantity::Plain, ','); }, ""},
};


const TextRow kPowerCases[] = {
    {"QuarterWatt", [] { return LedPowerText(15, 333, ','); }, "Effekt 0,07 W – välj minst 0,25 W"},
    {"HalfWatt", [] { return LedPowerText(25, 240, ','); }, "Effekt 0,15 W – välj minst 0,5 W"},
    {"ExactlyTwiceIsEnough", [] { return LedPowerText(50, 100, ','); }, "Effekt 0,25 W – välj minst 0,5 W"},
    {"OneWatt", [] { return LedPowerText(100, 40, ','); }, "Effekt 0,40 W – välj minst 1 W"},
    {"FiveWattsExactly", [] { return LedPowerText(500, 10, ','); }, "Effekt 2,50 W – välj minst 5 W"},
    {"AboveFiveWatts", [] { return LedPowerText(400, 20, ','); }, "Effekt 3,20 W – välj en effektresistor"},
    {"TinyTwoDigits", [] { return LedPowerText(1, 2400, ','); }, "Effekt 0,0024 W – välj minst 0,125 W"},
    {"HundredthTwoDecimals", [] { return LedPowerText(10, 100, ','); }, "Effekt 0,01 W – välj minst 0,125 W"},
    {"PointSeparator", [] { return LedPowerText(25, 240, '.'); }, "Effekt 0.15 W – välj minst 0.5 W"},
    {"JustBelowAMegawatt", [] { return LedPowerText(1e6, 0.999999, ','); }, "Effekt 999999,00 W – välj en effektresistor"},
    {"ExactlyAMegawatt", [] { return LedPowerText(1e3, 1e6, ','); }, "Effekt 1E+06 W – välj en effektresistor"},
    {"MegawattWithExponent", [] { return LedPowerText(1e6, 1.5, ','); }, "Effekt 1,5E+06 W – välj en effektresistor"},
    {"HugeWithoutNoise", [] { return LedPowerText(1e22, 1000, ','); }, "Effekt 1E+41 W – välj en effektresistor"},
    {"ExponentRoundedUp", [] { return LedPowerText(1e6, 9.999, '.'); }, "Effekt 1E+07 W – välj en effektresistor"},
    {"NoCurrent", [] { return LedPowerText(0, 667, ','); }, ""},
    {"NegativeResistor", [] { return LedPowerText(15, -67, ','); }, ""},
};

const TextRow kSi[] = {
    {"Kilo", [] { return SiText(4700, "Ω", ','); }, "4,7 kΩ"},
    {"SixDigits", [] { return SiText(666.6667, "Ω", ','); }, "666,667 Ω"},
    {"RoundsUpToMega", [] { return SiText(999999.7, "Ω", ','); }, "1 MΩ"},
    {"Zero", [] { return SiText(0, "F", ','); }, "0 F"},
    {"NegativeMilli", [] { return SiText(-0.0022, "F", '.'); }, "-2.2 mF"},
};

class Text : public ::testing::TestWithParam<TextRow> {};
TEST_P(Text, Written) { EXPECT_EQ(GetParam().compute(), GetParam().expected); }
ROWS(ESeries, Text, kLineCases);
ROWS(LedPower, Text, kPowerCases);
ROWS(SiPrefix, Text, kSi);

// Every value IEC 60063 lists (E96: 100 · 10^(i/96), rounded) is its own nearest.
const int kE24[] = {10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30, 33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};
TEST(Series, EveryListedValueIsItsOwnNearest) {
    for (int i = 0; i < 24; ++i)
        for (const auto& [series, every] : {std::pair{ESeries::E24, 1}, {ESeries::E12, 2}, {ESeries::E6, 4}})
            if (i % every == 0) {
                EXPECT_EQ(NearestStandard(kE24[i], series)->mantissa, kE24[i]) << i;
            }
    for (int i = 0; i < 96; ++i) {
        const int v = static_cast<int>(std::lround(100 * std::pow(10.0, i / 96.0)));
        EXPECT_EQ(NearestStandard(v, ESeries::E96)->mantissa, v);
    }
}

// Which result of an evaluation the hint speaks of, in which unit, and
// what it then says (nothing where field is -1).
ROW(HintCase, const char* calc; FieldTexts in; Outcome out; int field; const char* says; double ohms = 0; )
const HintCase kHintCases[] = {
    {"OhmCurrentAndPowerNone", "Ohm", {}, {{}, {{3, "0.12"}, {2, "1.44"}}}, -1, ""},
    {"OhmResistance", "Ohm", {}, {{}, {{0, "667"}, {2, "0.15"}}}, 0, "för 667 Ω:  E12 680 Ω", 667},
    {"NE555Kilo", "RC555", {}, {{}, {{1, "2"}}}, 1, "för 2 kΩ:  E12 2,2 kΩ", 2000},
    {"NE555FrequencyNone", "RC555", {}, {{}, {{3, "1000"}}}, -1, ""},
    {"RCNano", "RC", {}, {{}, {{1, "99.972"}}}, 1, "för 99,972 nF:  E6 100 nF"},
    {"CapPico", "Cap", {}, {{}, {{1, "1500"}}}, 1, "för 1500 pF:  E6 1,5 nF"},
    {"ResonancePico", "Res", {}, {{}, {{0, "1500"}}}, 0, "för 1500 pF:"},
    {"ImpedancePico", "iRes", {}, {{}, {{0, "1500"}}}, 0, "för 1500 pF:"},
    {"SeriesNext", "Serie", {}, {{}, {{9, "47"}}}, 9, "för 47:  E6 47 (+0,0 %)"},
    {"ZeroNone", "Ohm", {}, {{}, {{0, "0"}}}, -1, ""},
    {"LedWithPower", "txtLed", {"12", "2", "15", "1"}, {{}, {{4, "667"}}}, 4, "E96 665 Ω (−0,3 %)  ·  Effekt 0,15 W – välj minst 0,5 W", 667},
    {"NoteInstead", "Ohm", {}, {{}, {{0, "667"}}, {}, "Bästa par"}, 0, "Bästa par"},
};
class Hint : public ::testing::TestWithParam<HintCase> {};
TEST_P(Hint, SpeaksOf) {
    const HintCase& c = GetParam();
    Inputs in{c.in};
    in.decimalSep = ',';
    const StandardHint h = StandardHintFor(FindCalculator(c.calc), in, c.out);
    EXPECT_EQ(h.field, c.field);
    EXPECT_EQ(h.ohms, c.ohms); // what a click on the line takes to the combinations
    EXPECT_TRUE(*c.says ? h.text.find(c.says) != std::string::npos || h.text == c.says : h.text.empty()) << h.text;
}
ROWS(ESeries, Hint, kHintCases);

} // namespace
