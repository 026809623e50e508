// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/combination.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <span>
#include <string>

#include "core/numrules.h"
#include "core/threeparts.h"
#include "core/wording.h"

namespace ampero {

namespace {

// Two pairs whose distances to the target differ by less than this part of
// the target are equally near: sums and quotients carry roundings of their own.
constexpr double kEquallyNear = 1e-9;

constexpr const char* kNone = "–";

// The four lines, each with its value or "–".
constexpr const char* kNearestLine = QT_TRANSLATE_NOOP("Ampero", "Närmast: %1");
constexpr const char* kSeriesLine = QT_TRANSLATE_NOOP("Ampero", "I serie: %1");
constexpr const char* kParallelLine = QT_TRANSLATE_NOOP("Ampero", "Parallellt: %1");
constexpr const char* kThreeLine = QT_TRANSLATE_NOOP("Ampero", "Tre delar: %1");

// Two ratios closer than this count as equal on the logarithmic scale, as
// NearestStandard weighs them.
constexpr double kTieNoise = 1e-14;

// mantissa × 10^exponent as the double nearest to it (one rounding: 1.2, not
// 12 × 0.1).
double Decimal(int mantissa, int exponent) {
    const std::string text = std::to_string(mantissa) + "e" + std::to_string(exponent);
    double value{};
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// Two resistors and what they make together.
struct Pair {
    double first{}, second{}, value{};
    double distance = INFINITY; // from the target; none found yet
};

// The pair drawn from `values` whose sum is nearest to `target`, the larger
// part first; of pairs equally near the one with the larger first part, then
// the lower sum.
Pair NearestSum(const std::vector<double>& values, double target) {
    Pair best;
    const double noise = kEquallyNear * target;
    for (auto a = values.begin(); a != values.end(); ++a) {
        const auto consider = [&](double b) {
            const double sum = *a + b, d = std::fabs(sum - target);
            // a only grows, and b with it for the same a: a tie goes to a larger first part.
            if (d < best.distance - noise || (std::fabs(d - best.distance) < noise && *a > best.first)) best = {*a, b, sum, d};
        };
        // Among the parts up to a, the first that brings the sum to the target, and the one before.
        const auto lo = values.begin(), hi = std::next(a);
        const auto b = std::ranges::lower_bound(lo, hi, target, {}, [&](double v) { return *a + v; });
        if (b != lo) consider(*std::prev(b));
        if (b != hi) consider(*b);
    }
    return best;
}

// The pair whose parallel value a·b/(a+b) is nearest to `target`, the smaller
// part first; of pairs equally near the one with the smaller first part, then
// the lower value.
Pair NearestParallel(const std::vector<double>& values, double target) {
    Pair best;
    const double noise = kEquallyNear * target;
    for (auto a = values.begin(); a != values.end(); ++a) {
        const auto parallel = [&](double b) { return *a * b / (*a + b); };
        const auto consider = [&](double b) {
            const double both = parallel(b), d = std::fabs(both - target);
            // a and then b only grow: a tie keeps the pair found first.
            if (d < best.distance - noise) best = {*a, b, both, d};
        };
        // The parallel value grows with b: the first b from a on that brings
        // it to the target, and the one before.
        const auto b = std::ranges::lower_bound(a, values.end(), target, {}, parallel);
        if (b != a) consider(*std::prev(b));
        if (b != values.end()) consider(*b);
    }
    return best;
}

std::string Ohms(double value, char sep) { return SiText(value, "Ω", sep); }

std::string Deviation(double value, double target, char sep) {
    return " (" + DeviationText((value - target) / target * 100.0, sep) + ")";
}

// The line of a pair, or "–" when the single value comes nearer. The same
// allowance as between pairs: 2,7 Ω + 1,2 Ω is 3,9 Ω as 27 Ω + 12 Ω is 39 Ω.
std::string PairLine(const char* head, const Pair& p, const char* joint, double target, double single, char sep) {
    if (!(p.distance <= single + kEquallyNear * target)) return Say(head, {kNone});
    return Say(head, {Ohms(p.first, sep) + joint + Ohms(p.second, sep) + " = " + Ohms(p.value, sep) +
                      Deviation(p.value, target, sep)});
}

} // namespace

ESeries ChosenSeries(int variant) {
    switch (variant) {
    case 1: return ESeries::E24;
    case 2: return ESeries::E96;
    default: return ESeries::E12;
    }
}

std::vector<double> SeriesValues(ESeries series, double from, double to) {
    const std::span<const int> list = SeriesMantissas(series);
    const int shift = list.front() >= 100 ? 2 : 1; // the mantissa 10 or 100 stands for 1
    std::vector<double> out;
    const int last = static_cast<int>(std::floor(std::log10(to)));
    for (int decade = static_cast<int>(std::floor(std::log10(from))); decade <= last; ++decade) {
        for (const int m : list) {
            const double v = Decimal(m, decade - shift);
            if (v >= from && v <= to) out.push_back(v);
        }
    }
    return out;
}

std::vector<double> ChosenValues(const Inputs& in) {
    if (in.variant == kOwnPartsVariant) return in.ownParts;
    return SeriesValues(ChosenSeries(in.variant), kSmallestResistor, kLargestResistor);
}

std::optional<double> NearestListed(const std::vector<double>& values, double value) {
    if (values.empty() || !std::isfinite(value) || !(value >= 1e-15) || value > 1e15) return std::nullopt;
    const auto upper = std::ranges::lower_bound(values, value);
    if (upper == values.begin()) return *upper;
    if (upper == values.end()) return values.back();
    // Nearer on the log scale: compare value / lower with upper / value.
    const double lower = *std::prev(upper);
    return value * value < lower * *upper * (1.0 - kTieNoise) ? lower : *upper;
}

Outcome EvalCombination(const Inputs& in) {
    const double target = FieldValue(in.fields, 0);
    const char sep = in.decimalSep;
    const bool own = in.variant == kOwnPartsVariant;
    Outcome out;
    if (own && in.ownParts.empty()) {
        out.captions = {{CombNearest, Say(kNoOwnPartsMessage)}, {CombSeries, ""}, {CombParallel, ""}, {CombThree, ""}};
        return out;
    }
    std::optional<double> nearest;
    double deviation = 0; // of the nearest, in percent
    if (own) {
        nearest = NearestListed(in.ownParts, target);
        if (nearest) deviation = (*nearest - target) / target * 100.0;
    } else if (const std::optional<Standard> s = NearestStandard(target, ChosenSeries(in.variant))) {
        nearest = s->value;
        deviation = s->deviationPercent;
    }
    if (!nearest) {
        out.captions = {{CombNearest, Say(kNearestLine, {kNone})},
                        {CombSeries, Say(kSeriesLine, {kNone})},
                        {CombParallel, Say(kParallelLine, {kNone})},
                        {CombThree, Say(kThreeLine, {kNone})}};
        return out;
    }
    const double single = std::fabs(*nearest - target);
    const std::vector<double> values = ChosenValues(in);
    const std::optional<ThreeParts> three = NearestThree(values, target);
    out.captions = {
        {CombNearest, Say(kNearestLine, {Ohms(*nearest, sep) + " (" + DeviationText(deviation, sep) + ")"})},
        {CombSeries, PairLine(kSeriesLine, NearestSum(values, target), " + ", target, single, sep)},
        {CombParallel, PairLine(kParallelLine, NearestParallel(values, target), " ∥ ", target, single, sep)},
        {CombThree,
         Say(kThreeLine, {three ? ThreePartsText(*three, sep) + Deviation(three->value, target, sep) : kNone})}};
    return out;
}

} // namespace ampero
