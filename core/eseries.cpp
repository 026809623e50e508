// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/eseries.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <span>

#include "core/numrules.h"
#include "core/wording.h"

namespace ampero {

namespace {

// IEC 60063, one decade each.
constexpr std::array<int, 6> kE6 = {10, 15, 22, 33, 47, 68};
constexpr std::array<int, 12> kE12 = {10, 12, 15, 18, 22, 27, 33, 39, 47, 56, 68, 82};
constexpr std::array<int, 24> kE24 = {10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30,
                                      33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};
constexpr std::array<int, 96> kE96 = {100, 102, 105, 107, 110, 113, 115, 118, 121, 124, 127, 130, 133, 137, 140, 143,
                                      147, 150, 154, 158, 162, 165, 169, 174, 178, 182, 187, 191, 196, 200, 205, 210,
                                      215, 221, 226, 232, 237, 243, 249, 255, 261, 267, 274, 280, 287, 294, 301, 309,
                                      316, 324, 332, 340, 348, 357, 365, 374, 383, 392, 402, 412, 422, 432, 442, 453,
                                      464, 475, 487, 499, 511, 523, 536, 549, 562, 576, 590, 604, 619, 634, 649, 665,
                                      681, 698, 715, 732, 750, 768, 787, 806, 825, 845, 866, 887, 909, 931, 953, 976};

} // namespace

std::span<const int> SeriesMantissas(ESeries series) {
    switch (series) {
    case ESeries::E6: return kE6;
    case ESeries::E12: return kE12;
    case ESeries::E24: return kE24;
    case ESeries::E96: return kE96;
    }
    return kE12;
}

const char* SeriesName(ESeries series) {
    switch (series) {
    case ESeries::E6: return "E6";
    case ESeries::E12: return "E12";
    case ESeries::E24: return "E24";
    case ESeries::E96: return "E96";
    }
    return "";
}

namespace {

// 10^n for 0 <= n <= 22, where every power of ten is an exact double.
double Pow10(int n) {
    double p = 1.0;
    for (int i = 0; i < n; ++i) p *= 10.0;
    return p;
}

// value × 10^n with a single rounding (|n| <= 22).
double Scale(double value, int n) { return n >= 0 ? value * Pow10(n) : value / Pow10(-n); }

// Two ratios closer than this count as equal: the input and the squaring
// each carry a rounding of their own.
constexpr double kTieNoise = 1e-14;

int FloorDiv3(int n) { return n >= 0 ? n / 3 : -((-n + 2) / 3); }

// mantissa × 10^exponent written out in full, trailing zeros after the
// separator dropped: (47, -2) -> "0,47", (15, 3) -> "15000".
std::string PlaceDigits(int mantissa, int exponent, char sep) {
    std::string d = std::to_string(mantissa);
    if (exponent >= 0) return d + std::string(static_cast<size_t>(exponent), '0');
    int point = static_cast<int>(d.size()) + exponent; // digits before the separator
    if (point <= 0) {
        d.insert(0, static_cast<size_t>(1 - point), '0');
        point = 1;
    }
    std::string out = d.substr(0, static_cast<size_t>(point)) + sep + d.substr(static_cast<size_t>(point));
    while (out.back() == '0') out.pop_back();
    if (out.back() == sep) out.pop_back();
    return out;
}

// The value with the SI prefix that puts the number between 1 and 999:
// (47, 2, "Ω") -> "4,7 kΩ"; the mantissa may have any number of digits.
// Resistances from 0,1 Ω up to 1 Ω are written in ohms, as parts and
// catalogues print them: "0,47 Ω", not "470 mΩ".
std::string WithPrefix(int mantissa, int exponent, const char* unit, char sep) {
    static const char* const kPrefixes[] = {"q", "r", "y", "z", "a", "f", "p", "n", "µ", "m", "",
                                            "k", "M", "G", "T", "P", "E", "Z", "Y", "R", "Q"};
    const int lead = exponent + static_cast<int>(std::to_string(mantissa).size()) - 1; // of the first digit
    const bool subOhm = lead == -1 && std::string_view(unit) == "Ω";
    const int p = subOhm ? 0 : std::clamp(3 * FloorDiv3(lead), -30, 30);
    return PlaceDigits(mantissa, exponent - p, sep) + " " + kPrefixes[(p + 30) / 3] + unit;
}

std::string Fixed(double value, int decimals, char sep) {
    char buf[400];
    auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
    std::string s(buf, res.ptr);
    std::replace(s.begin(), s.end(), '.', sep);
    return s;
}


struct FieldUnit {
    const char* shown; // after the computed value
    const char* base;  // of the standard values, "" for plain numbers
    int baseExponent;  // field unit = 10^baseExponent base units
};

FieldUnit UnitOf(Quantity q) {
    switch (q) {
    case Quantity::Resistance: return {"Ω", "Ω", 0};
    case Quantity::ResistanceKilo: return {"kΩ", "Ω", 3};
    case Quantity::CapacitanceNano: return {"nF", "F", -9};
    case Quantity::CapacitancePico: return {"pF", "F", -12};
    case Quantity::Plain: return {"", "", 0};
    }
    return {"", "", 0};
}

} // namespace

std::string DeviationText(double percent, char sep) {
    return std::string(percent < 0 ? "−" : "+") + Fixed(std::fabs(percent), 1, sep) + " %";
}

std::string SiText(double value, const char* unit, char sep) {
    if (!std::isfinite(value) || value == 0.0) return std::string("0 ") + unit;
    // Six significant digits: d.ddddde±x, rounded once.
    char buf[32];
    auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, 5);
    const std::string sci(buf, res.ptr);
    const size_t e = sci.find('e');
    std::string digits = sci.substr(0, 1) + sci.substr(2, e - 2);
    const int exponent = std::stoi(sci.substr(e + 1));
    const std::string sign = value < 0 ? "-" : "";
    return sign + WithPrefix(std::stoi(digits), exponent - 5, unit, sep);
}

std::optional<Standard> NearestStandard(double value, ESeries series) {
    if (!std::isfinite(value) || !(value >= 1e-15) || value > 1e15) return std::nullopt;
    const std::span<const int> list = SeriesMantissas(series);
    const int digits = list.front() >= 100 ? 3 : 2;
    const double first = Pow10(digits - 1);
    const int nextDecade = static_cast<int>(Pow10(digits));

    // Bring the value into the mantissa range [first, 10 × first).
    int shift = static_cast<int>(std::floor(std::log10(value))) - (digits - 1);
    double m = Scale(value, -shift);
    if (m >= nextDecade) {
        ++shift;
        m = Scale(value, -shift);
    } else if (m < first) {
        --shift;
        m = Scale(value, -shift);
    }

    size_t i = 0;
    while (i < list.size() && list[i] < m) ++i;
    const int upper = i < list.size() ? list[i] : nextDecade;
    int pick = upper;
    if (i > 0) {
        // Nearer on the log scale: compare m / lower with upper / m.
        const int lower = list[i - 1];
        if (m * m < static_cast<double>(lower) * upper * (1.0 - kTieNoise)) pick = lower;
    }
    Standard s{};
    s.deviationPercent = (pick - m) / m * 100.0;
    s.mantissa = pick;
    s.exponent = shift;
    if (pick == nextDecade) {
        s.mantissa = static_cast<int>(first);
        ++s.exponent;
    }
    s.value = Scale(s.mantissa, s.exponent);
    return s;
}

std::string StandardValuesLine(const std::string& resultText, Quantity q, char decimalSep) {
    const double value = ParsePrefix(resultText);
    const bool resistance = q == Quantity::Resistance || q == Quantity::ResistanceKilo;
    const std::array<ESeries, 3> series = resistance ? std::array{ESeries::E12, ESeries::E24, ESeries::E96}
                                                     : std::array{ESeries::E6, ESeries::E12, ESeries::E24};
    const FieldUnit unit = UnitOf(q);

    std::string shown = resultText;
    std::replace(shown.begin(), shown.end(), '.', decimalSep);
    if (*unit.shown != '\0') shown += std::string(" ") + unit.shown;
    std::string line;
    for (size_t k = 0; k < series.size(); ++k) {
        const std::optional<Standard> s = NearestStandard(value, series[k]);
        if (!s) return "";
        if (k > 0) line += "  ·  ";
        line += std::string(SeriesName(series[k])) + " ";
        if (q == Quantity::Plain)
            line += PlaceDigits(s->mantissa, s->exponent, decimalSep);
        else
            line += WithPrefix(s->mantissa, s->exponent + unit.baseExponent, unit.base, decimalSep);
        line += " (" + DeviationText(s->deviationPercent, decimalSep) + ")";
    }
    return Say(QT_TRANSLATE_NOOP("Ampero", "Närmast i standardserierna för %1:  %2"), {shown, line});
}

std::string LedPowerText(double currentMilliamp, double ohms, char decimalSep) {
    // mA² · Ω / 10^6 rather than (mA / 1000)² · Ω: whole inputs give the
    // watts with a single rounding, so twice P meets a rating exactly.
    const double watts = currentMilliamp * currentMilliamp * ohms / 1e6;
    if (!std::isfinite(watts) || !(watts > 0.0)) return "";

    std::string p;
    if (watts >= 1e6) {
        // Three significant digits with an exponent, as a field writes a
        // large number: no digits beyond what the inputs can carry.
        char buf[32];
        auto res = std::to_chars(buf, buf + sizeof buf, watts, std::chars_format::scientific, 2);
        const std::string sci(buf, res.ptr);
        const size_t e = sci.find('e');
        std::string mantissa = sci.substr(0, e);
        while (mantissa.back() == '0') mantissa.pop_back();
        if (mantissa.back() == '.') mantissa.pop_back();
        std::replace(mantissa.begin(), mantissa.end(), '.', decimalSep);
        p = mantissa + "E" + sci.substr(e + 1);
    } else if (watts >= 0.01) {
        p = Fixed(watts, 2, decimalSep);
    } else {
        // Two significant digits, found after rounding (0.00999 -> 0.010).
        char buf[32];
        auto res = std::to_chars(buf, buf + sizeof buf, watts, std::chars_format::scientific, 1);
        const std::string sci(buf, res.ptr);
        const int lead = std::stoi(sci.substr(sci.find('e') + 1));
        p = Fixed(watts, 1 - lead, decimalSep);
    }
    const std::string power = p + " W";

    // A resistor near its rated power runs hot: ask for twice the power.
    static const std::array<std::pair<double, const char*>, 6> kRatings = {
        {{0.125, "0.125"}, {0.25, "0.25"}, {0.5, "0.5"}, {1.0, "1"}, {2.0, "2"}, {5.0, "5"}}};
    for (const auto& [rating, written] : kRatings) {
        if (rating >= 2.0 * watts) {
            std::string r = written;
            std::replace(r.begin(), r.end(), '.', decimalSep);
            return Say(QT_TRANSLATE_NOOP("Ampero", "Effekt %1 – välj minst %2"), {power, r + " W"});
        }
    }
    return Say(QT_TRANSLATE_NOOP("Ampero", "Effekt %1 – välj en effektresistor"), {power});
}

} // namespace ampero
