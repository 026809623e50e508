// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/divider.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <vector>

#include "core/combination.h"
#include "core/eseries.h"
#include "core/numrules.h"

namespace ampero {

namespace {

// A computed field is kept to 6 decimals, as Ohm's law keeps its results.
constexpr int kDividerDecimals = 6;

// Two pairs whose voltages lie nearer to each other than this part of Uut
// are equally near.
constexpr double kEquallyNear = 1e-9;

// The fourth value from the three confirmed ones.
double Fourth(int missing, double uin, double r1, double r2, double uut) {
    FaultGuard g;
    double value = 0;
    switch (missing) {
    case DividerUut: value = g(g(uin * r2) / g(r1 + r2)); break;
    case DividerR2: value = g(g(r1 * uut) / (uin - uut)); break;
    case DividerR1: value = g(g(r2 * (uin - uut)) / uut); break;
    default: value = g(g(uut * g(r1 + r2)) / r2); break; // Uin
    }
    return g.Result(RoundHalfEven(value, kDividerDecimals));
}

// A voltage to four significant digits, trailing zeros dropped: "3,297 V", "5 V".
std::string VoltageText(double volts, char sep) {
    char digits[32];
    const auto written = std::to_chars(digits, digits + sizeof digits, volts, std::chars_format::scientific, 3);
    double rounded = 0;
    std::from_chars(digits, written.ptr, rounded);
    return FormatGeneral(rounded, sep) + " V";
}

// R2 runs over one decade, 10 kΩ to 91 kΩ (E24); for each, R1 from 1 Ω to
// 10 MΩ that brings the divided voltage nearest to Uut. Of pairs equally
// near the smaller R2 wins.
Outcome BestPair(double uin, double uut, ESeries series, char sep) {
    const std::vector<double> r1s = SeriesValues(series, kSmallestResistor, kLargestResistor);
    std::vector<double> r2s = SeriesValues(series, 1e4, 1e5);
    r2s.pop_back(); // 100 kΩ begins the next decade
    double bestR1 = 0, bestR2 = 0, bestVolts = 0, bestDistance = INFINITY;
    for (const double r2 : r2s) {
        // The ratio first: no voltage overflows, however large Uin.
        const auto divided = [&](double r1) { return uin * (r2 / (r1 + r2)); };
        // The voltage falls as R1 grows: the first R1 that brings it down to
        // Uut, and the one before.
        const size_t j = static_cast<size_t>(
            std::partition_point(r1s.begin(), r1s.end(), [&](double r1) { return divided(r1) > uut; }) - r1s.begin());
        for (size_t k : {j - 1, j}) {
            if (k >= r1s.size()) continue; // also j - 1 wrapped round below 0
            const double volts = divided(r1s[k]);
            const double distance = std::fabs(volts - uut);
            if (distance < bestDistance - kEquallyNear * uut) {
                bestR1 = r1s[k], bestR2 = r2, bestVolts = volts, bestDistance = distance;
            }
        }
    }
    Outcome out;
    out.fields = {{DividerR1, ResultText(bestR1)}, {DividerR2, ResultText(bestR2)}};
    out.note = std::string("Bästa par ur ") + SeriesName(series) + ": R1 " + SiText(bestR1, "Ω", sep) + " och R2 " +
               SiText(bestR2, "Ω", sep) + " ger " + VoltageText(bestVolts, sep);
    // Far beyond any Uut (1E+305 V for 1E-300 V) the deviation has no number.
    const double deviation = (bestVolts - uut) / uut * 100.0;
    if (std::isfinite(deviation)) out.note += " (" + DeviationText(deviation, sep) + ")";
    return out;
}

} // namespace

Outcome EvalDivider(const Inputs& in) {
    const double uin = FieldValue(in.fields, DividerUin);
    const double r1 = FieldValue(in.fields, DividerR1);
    const double r2 = FieldValue(in.fields, DividerR2);
    const double uut = FieldValue(in.fields, DividerUut);
    const bool bothVoltages = in.confirmed[DividerUin] && in.confirmed[DividerUut];
    Outcome out;
    for (const DividerField f : {DividerUin, DividerR1, DividerR2, DividerUut}) {
        if (in.confirmed[f] && !(FieldValue(in.fields, f) > 0.0)) {
            out.messages.push_back(kDividerPositiveMessage);
            return out;
        }
    }
    if (bothVoltages && !(uut < uin)) {
        out.messages.push_back(kDividerOrderMessage);
    } else if (in.Count() == 3) {
        // The indexes of all four add up to 6: the one not confirmed is the rest.
        const int missing = 6 - in.Selection();
        out.fields.push_back({missing, ResultText(Fourth(missing, uin, r1, r2, uut))});
    } else if (bothVoltages && in.Count() == 2) {
        out = BestPair(uin, uut, ChosenSeries(in.variant), in.decimalSep);
    } else {
        out.messages.push_back(kDividerChoiceMessage);
    }
    return out;
}

} // namespace ampero
