// SPDX-License-Identifier: GPL-3.0-or-later
// The formula routines where they have behaviour of their own: a fault in
// any step gives 0 (the field text cannot tell 0 from a non-finite value),
// and the rounding and units of each.
#include <cfloat>
#include <cmath>

#include "core/capacitive.h"
#include "core/coilwinding.h"
#include "core/impedance.h"
#include "core/inductive.h"
#include "core/ne555.h"
#include "core/resonance.h"
#include "tests/core/rows.h"

namespace ampero {
namespace {

// Ra from Rb (ra) or Rb from Ra, the other one given in kOhm.
ROW(ResistorRow, bool ra; double given, c, f; int32_t expected; bool negative;)

const ValueRow kNE555[] = {
    {"FrequencyTieToEven", [] { return CalcNE555Frequency(1704, 300, 2); }, 312},
    {"FrequencyZeroC", [] { return CalcNE555Frequency(10, 100, 0); }, 0},
    {"FrequencyZeroR", [] { return CalcNE555Frequency(0, 0, 10); }, 0},
    {"FrequencyOverflow", [] { return CalcNE555Frequency(1, 1, 1e-310); }, 0},
    {"CapacitanceZeroF", [] { return CalcNE555Capacitance(10, 100, 0); }, 0},
    {"CapacitanceZeroR", [] { return CalcNE555Capacitance(0, 0, 5); }, 0},
};

const ValueRow kReactance[] = {
    {"CapacitiveOverflow", [] { return CalcCapacitiveReactance(1e308, 10); }, 0},
    {"CapacitiveUnderflow", [] { return CalcCapacitiveReactance(1e-200, 1e-200); }, 0},
    {"InductiveBelowHalfDecimal", [] { return CalcInductiveReactance(1e-3, 7.9577); }, 0},
};

// With full-precision 2*pi the first three would end differently.
const ValueRow kResonance[] = {
    {"FrequencyApproximatePi", [] { return CalcResonantFrequencyFromLC(1e-6, 1); }, 159154.943071},
    {"InductanceApproximatePi", [] { return CalcResonantInductanceFromFC(0.001, 1); }, 25330295903.97},
    {"CapacitanceApproximatePi", [] { return CalcResonantCapacitanceFromFL(0.001, 1); }, 25330295904.0},
    {"InductanceThreeDecimals", [] { return CalcResonantInductanceFromFC(1, 1); }, 25330.296},
    {"FrequencyOverflow", [] { return CalcResonantFrequencyFromLC(DBL_MAX, DBL_MAX); }, 0},
    {"CapacitanceZeroL", [] { return CalcResonantCapacitanceFromFL(1, 0); }, 0},
};

const ValueRow kCoil[] = {
    {"InductanceBeyondSingle", [] { return CalcInductanceFromAL(FLT_MAX, FLT_MAX); }, 0},
    {"InductanceInfiniteAL", [] { return CalcInductanceFromAL(INFINITY, 1); }, 0},
    {"InductanceNanLength", [] { return CalcCoilInductance(NAN, 1, 1); }, 0},
    {"TurnsZeroByZero", [] { return CalcTurnsFromAL(0, 0); }, 0},
};

// Series: Z = XL - XC; a negative one means XC = XL + |Z|.
const ValueRow kImpedance[] = {
    {"SeriesCapacitanceNegativeZ", [] { return CalcSeriesCapacitance(-963.2, 1, 628.3); }, 100},
    {"SeriesInductanceNegativeZ", [] { return CalcSeriesInductance(-963.2, 1, 1591.5); }, 406.593},
    {"SeriesImpedanceLargestWire", [] { return CalcSeriesImpedance(1, 1, FLT_MAX); }, static_cast<double>(FLT_MAX)},
    {"SeriesImpedanceOverflow", [] { return CalcSeriesImpedance(-DBL_MAX, DBL_MAX, 0); }, 0},
    {"WireSingleOfTenth", [] { return CoilWireResistanceFrom("0.1"); }, 0.100000001490116119384765625},
    {"WireLargestSingle", [] { return CoilWireResistanceFrom("3E38"); }, static_cast<double>(3e38f)},
};

// With C 10 nF and f 1000 Hz, n is 144000 ohms; m the remainder in ohms.
const ResistorRow kResistors[] = {
    {"RaHalfKiloIsZero", true, 71.75, 10, 1000, 0, false},
    {"RaTieUp", true, 71.25, 10, 1000, 2, false},
    {"RaTieDown", true, 70.75, 10, 1000, 2, false},
    {"RaJustNegative", true, 72.0005, 10, 1000, 0, true},
    {"RaZeroFrequencyZeroRb", true, 0, 10, 0, 0, false},
    {"RaNBeyondInt32", true, 1, 1, 0.67, 0, true},
    {"RaNWithinInt32", true, 1, 1, 0.671, 2146049, false},
    {"RbTieDown", false, 139, 10, 1000, 2, false},
    {"RbTieUp", false, 137, 10, 1000, 4, false},
    {"RbMinusOne", false, 144.002, 10, 1000, 0, true},
    {"RbZeroFrequency", false, 10, 10, 0, 0, true},
    {"RbNBeyondInt32", false, 1, 1, 0.5, 0, true},
    {"RbHugeRa", false, 1e300, 10, 1000, 0, false},
};

// One decimal in us below 1 ms, else in ms.
const TextRow kTimes[] = {
    {"LowIgnoresRa", [] { return CalcNE555LowTime(3300, 100, 10); }, "693us"},
    {"JustBelowOneMs", [] { return CalcNE555LowTime(0, 1000, 1.443); }, "1000us"},
    {"JustAboveOneMs", [] { return CalcNE555LowTime(0, 1000, 1.4431); }, "1ms"},
    {"Huge", [] { return CalcNE555HighTime(1, 1, DBL_MAX); }, "2.49160268491917E+305ms"},
    {"Overflow", [] { return CalcNE555HighTime(DBL_MAX, 1, 1); }, "0us"},
    {"ShownValueOverflows", [] { return CalcNE555HighTime(1e300, 0, 1e12); }, "0ms"},
};

class Routine : public testing::TestWithParam<ValueRow> {};
TEST_P(Routine, Computes) { EXPECT_EQ(GetParam().compute(), GetParam().expected); }
ROWS(NE555, Routine, kNE555);
ROWS(Reactance, Routine, kReactance);
ROWS(Resonance, Routine, kResonance);
ROWS(Coil, Routine, kCoil);
ROWS(Impedance, Routine, kImpedance);

class Resistor : public testing::TestWithParam<ResistorRow> {};
TEST_P(Resistor, WholeKiloOhmOrMessage) {
    const ResistorRow& r = GetParam();
    bool negative = !r.negative; // must be set either way
    EXPECT_EQ(r.ra ? CalcNE555Ra(r.given, r.c, r.f, negative) : CalcNE555Rb(r.given, r.c, r.f, negative), r.expected);
    EXPECT_EQ(negative, r.negative);
}
ROWS(NE555, Resistor, kResistors);

class Time : public testing::TestWithParam<TextRow> {};
TEST_P(Time, Shown) { EXPECT_EQ(GetParam().compute(), GetParam().expected); }
ROWS(NE555, Time, kTimes);

} // namespace
} // namespace ampero
