// SPDX-License-Identifier: GPL-3.0-or-later
// Part markings: the codes printed on SMD resistors (three and four digits,
// EIA-96, the letter code of IEC 60062), the codes on ceramic capacitors,
// and the colour bands of a leaded resistor. Read from what the user types,
// and written for a standard value of a series.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/eseries.h"
#include "core/wording.h"

namespace ampero {

// Band colours: 0..9 the digit colours svart .. vit, then the two that only
// stand for a multiplier or a tolerance.
inline constexpr int kGuld = 10;   // ×0,1; the 5 % band
inline constexpr int kSilver = 11; // ×0,01

// The Swedish name of a band colour, "svart" .. "silver"; "" outside 0..11.
const char* ColourName(int colour);
// What a resistor shows that no bands can carry.
inline constexpr const char* kNoBands = QT_TRANSLATE_NOOP("Ampero", "inga färgband");
// The names of the bands in the chosen language, joined by single blanks:
// "gul violett röd guld".
std::string BandNames(const std::vector<int>& bands);

// The bands of digits × 10^exponent, `digits` the significant digits (0-9
// only). Two digits: d1 d2 multiplier guld (5 %); three: d1 d2 d3 multiplier
// brun (1 %); a single digit is written as two ("1", 0 -> "10", −1). All
// zeros or none: one black band. Empty when the bands cannot carry it: more
// than three digits, or a multiplier outside silver (×0,01) .. vit (×10^9).
std::vector<int> Bands(std::string_view digits, int exponent);

// What a typed marking stands for.
struct MarkingReading {
    bool known = false;
    double value = 0;                     // ohms or farads; 0 when not known
    std::string label; // "Okänd märkning" or "472 = 4,7 kΩ  ·  gul violett röd guld"
    std::vector<int> bands;               // a resistor's bands; empty for a capacitor
    std::string bandNames;                // BandNames(bands)
};

// Reads a resistor marking ("472", "4702", "01C", "4R7", "4.7K") or, with
// `capacitor`, a capacitor marking ("47", "104", "4n7", "2,2n", any of them
// followed by a tolerance letter J, K or M). Blanks around the text are
// dropped, letters read in either case, the Greek mu as the micro sign. The
// label writes the value with `decimalSep`.
MarkingReading ReadMarking(std::string_view utf8Text, bool capacitor, char decimalSep);

// The SMD code of the standard resistor mantissa × 10^exponent (as
// NearestStandard gives them): E6, E12 and E24 the three-digit code ("681"),
// under 10 Ω the letter code ("4R7", "R47"); E96 the EIA-96 code ("80A").
// Empty when the mantissa is not in the series or the code cannot carry the
// value: E96 below 0,1 Ω or from 100 MΩ, the three-digit code from 100 GΩ, a
// letter code longer than the marking field's 16 characters (below 10 fΩ).
std::string SmdCode(int mantissa, int exponent, ESeries series);
// The bands of the same part: four for E6, E12 and E24, five for E96; empty
// where Bands is, or when the mantissa is not in the series.
std::vector<int> PartBands(int mantissa, int exponent, ESeries series);

// What a marking field accepts, typed or pasted: ASCII letters and digits,
// ',' '.', µ and μ, at most 16 characters; everything else is dropped.
std::string KeepMarkingChars(std::string_view utf8);

} // namespace ampero
