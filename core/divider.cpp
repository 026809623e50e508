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

// Two pairs whose distances from Uut differ by less than this part of Uut
// are equally near.
constexpr double kEquallyNear = 1e-9;

// The fourth value from the three confirmed ones, before rounding.
double Fourth(FaultGuard& g, int missing, double uin, double r1, double r2, double uut) {
    switch (missing) {
    case DividerUut: return g(g(uin * r2) / g(r1 + r2));
    case DividerR2: return g(g(r1 * uut) / (uin - uut));
    case DividerR1: return g(g(r2 * (uin - uut)) / uut);
    default: return g(g(uut * g(r1 + r2)) / r2); // Uin
    }
}

// A voltage to four significant digits, trailing zeros dropped: "3,297 V", "5 V".
std::string VoltageText(double volts, char sep) {
    char digits[32];
    const auto written = std::to_chars(digits, digits + sizeof digits, volts, std::chars_format::scientific, 3);
    double rounded{};
    std::from_chars(digits, written.ptr, rounded);
    return FormatGeneral(rounded, sep) + " V";
}

// For each R2, the R1 that brings the divided voltage nearest to Uut. Of
// pairs equally near the smaller R2 wins.
Outcome BestPair(double uin, double uut, const std::vector<double>& r1s, const std::vector<double>& r2s,
                 const std::string& from, char sep) {
    struct {
        double r1{}, r2{}, volts{}, distance = INFINITY;
    } best;
    for (const double r2 : r2s) {
        // The ratio first: no voltage overflows, however large Uin.
        const auto divided = [&](double r1) { return uin * (r2 / (r1 + r2)); };
        const auto consider = [&](double r1) {
            const double volts = divided(r1), distance = std::fabs(volts - uut);
            if (distance < best.distance - kEquallyNear * uut) best = {r1, r2, volts, distance};
        };
        // The voltage falls as R1 grows: the first R1 that brings it down to
        // Uut, and the one before.
        const auto r1 = std::ranges::lower_bound(r1s, uut, std::ranges::greater{}, divided);
        if (r1 != r1s.begin()) consider(*std::prev(r1));
        if (r1 != r1s.end()) consider(*r1);
    }
    Outcome out;
    out.fields = {{DividerR1, ResultText(best.r1)}, {DividerR2, ResultText(best.r2)}};
    // Far beyond any Uut (1E+305 V for 1E-300 V) the deviation has no number.
    const double deviation = (best.volts - uut) / uut * 100.0;
    out.note = Say(QT_TRANSLATE_NOOP("Ampero", "Bästa par ur %1: R1 %2 och R2 %3 ger %4"),
                   {from, SiText(best.r1, "Ω", sep), SiText(best.r2, "Ω", sep),
                    VoltageText(best.volts, sep) +
                        (std::isfinite(deviation) ? " (" + DeviationText(deviation, sep) + ")" : std::string())});
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
            out.messages.push_back(Say(kDividerPositiveMessage));
            return out;
        }
    }
    if (bothVoltages && !(uut < uin)) {
        out.messages.push_back(Say(kDividerOrderMessage));
    } else if (in.Count() == 3) {
        // The indexes of all four add up to 6: the one not confirmed is the rest.
        const int missing = 6 - in.Selection();
        FaultGuard g;
        const double value = Fourth(g, missing, uin, r1, r2, uut);
        out.fields.push_back({missing, ResultText(g.Result(RoundHalfEven(value, kDividerDecimals)))});
    } else if (bothVoltages && in.Count() == 2 && in.variant == kOwnPartsVariant) {
        // Own parts: every one may be R1 or R2.
        if (in.ownParts.empty())
            out.messages.push_back(Say(kNoOwnPartsMessage));
        else
            out = BestPair(uin, uut, in.ownParts, in.ownParts, Say(QT_TRANSLATE_NOOP("Ampero", "egna delar")),
                           in.decimalSep);
    } else if (bothVoltages && in.Count() == 2) {
        // R1 from 1 Ω to 10 MΩ, R2 over one decade: 10 kΩ to 91 kΩ (E24).
        const ESeries series = ChosenSeries(in.variant);
        std::vector<double> r2s = SeriesValues(series, 1e4, 1e5);
        r2s.pop_back(); // 100 kΩ begins the next decade
        out = BestPair(uin, uut, SeriesValues(series, kSmallestResistor, kLargestResistor), r2s, SeriesName(series),
                       in.decimalSep);
    } else {
        out.messages.push_back(Say(kDividerChoiceMessage));
    }
    return out;
}

} // namespace ampero
