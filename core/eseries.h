// SPDX-License-Identifier: GPL-3.0-or-later
// Standard component values (the IEC 60063 series E6, E12, E24 and E96): the
// nearest standard value to a computed one, the hint line the window shows
// under a page after a calculation, and the power rating of an LED resistor.
#pragma once

#include <optional>
#include <span>
#include <string>

namespace ampero {

enum class ESeries { E6, E12, E24, E96 };

// One decade of a series as IEC 60063 lists it: 10..82 (E6, E12, E24) or
// 100..976 (E96), ascending.
std::span<const int> SeriesMantissas(ESeries series);
// "E6", "E12", "E24", "E96".
const char* SeriesName(ESeries series);

// A standard value: value = mantissa × 10^exponent, the mantissa as the
// series lists it (10..91 for E6/E12/E24, 100..976 for E96).
struct Standard {
    double value;
    double deviationPercent; // (standard − computed) / computed × 100
    int mantissa;
    int exponent;
};

// The standard value nearest to `value` on a logarithmic scale. The first
// value of the next decade competes too (999.9 -> 1000 in E12); a tie goes
// to the higher value. Empty for 0, negative or non-finite values and for
// values below 1E-15 or above 1E+15.
std::optional<Standard> NearestStandard(double value, ESeries series);

// What a result field holds: ohms, kilo-ohms, nanofarads, picofarads, or a
// number in the user's own unit (the series-capacitor list).
enum class Quantity { Resistance, ResistanceKilo, CapacitanceNano, CapacitancePico, Plain };

// The hint line for one result field text (UTF-8), e.g.
// "Närmast i standardserierna för 667 Ω:  E12 680 Ω (+1,9 %)  ·  E24 ...".
// Resistances list E12, E24 and E96; capacitances and plain numbers E6, E12
// and E24. Empty when the text reads as 0, a negative number or a value
// NearestStandard has no answer for.
std::string StandardValuesLine(const std::string& resultText, Quantity q, char decimalSep);

// A deviation as the standard-values line writes it: sign ("+" or "−"),
// one decimal, the given separator, " %": "+1,9 %", "−0,3 %".
std::string DeviationText(double percent, char decimalSep);

// A value with the SI prefix that brings it between 1 and 999, to at most
// six significant digits, trailing zeros dropped: (4700, "Ω") -> "4,7 kΩ",
// (666.6667, "Ω") -> "666,667 Ω", (999999.7, "Ω") -> "1 MΩ", (0, "F") -> "0 F".
std::string SiText(double value, const char* unit, char decimalSep);

// The power of an LED series resistor, P = I² · R, and the smallest common
// rating (0.125 ... 5 W) of at least twice that, e.g.
// "Effekt 0,07 W – välj minst 0,25 W"; from 1 MW on the power has an
// exponent ("Effekt 1,5E+06 W"). Empty when P is not positive and finite.
std::string LedPowerText(double currentMilliamp, double ohms, char decimalSep);

} // namespace ampero
