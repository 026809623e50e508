// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ne555.h"

#include <cmath>
#include <limits>

#include "core/numrules.h"

namespace ampero {

namespace {

constexpr double kKilo = 1000.0;
constexpr double kNano = 1e-9;
constexpr double kGiga = 1e9;
constexpr double kChargeFactor = 1.44; // about 1 / 0.693
constexpr double kLn2 = 0.693;

// The quantity routines run step by step: a step whose arithmetic fails
// (not finite, or not a 32-bit integer where one is wanted) is not kept and
// its variable keeps the value it had, 0 to begin with.
void KeepIfValid(double& var, double value) {
    if (std::isfinite(value)) var = value;
}

void KeepIfValid(int32_t& var, double value) {
    if (std::optional<int32_t> v = RoundToInt32(value)) var = *v;
}

// A time as the labels show it: one decimal in us below 1 ms, else in ms.
struct ShownTime {
    double value = 0.0;
    bool ms = false;
};

ShownTime AsShown(double seconds) {
    ShownTime shown;
    if (seconds < 0.001) {
        KeepIfValid(shown.value, RoundHalfEven(seconds * 1e6, 1));
    } else {
        shown.ms = true;
        KeepIfValid(shown.value, RoundHalfEven(seconds * 1e3, 1));
    }
    return shown;
}

std::string ShownText(const ShownTime& t, char sep) { return FormatGeneral(t.value, sep) + (t.ms ? "ms" : "us"); }

double HighSeconds(double ra, double rb, double c) {
    double t = 0.0;
    KeepIfValid(t, kLn2 * (ra * kKilo + rb * kKilo) * (c * kNano));
    return t;
}

double LowSeconds(double rb, double c) {
    double t = 0.0;
    KeepIfValid(t, kLn2 * (rb * kKilo) * (c * kNano));
    return t;
}

double InMicroseconds(const ShownTime& t) { return t.ms ? t.value * 1000.0 : t.value; }

// A single-precision step: skipped when the value does not fit a float.
void KeepIfSingle(float& var, double value) {
    if (std::isfinite(value) && std::fabs(value) <= std::numeric_limits<float>::max()) var = static_cast<float>(value);
}

// "p_on / p_off %" from the two times as they are shown. Both 0: no split.
std::string SplitText(const ShownTime& high, const ShownTime& low, char sep) {
    const double a = InMicroseconds(high);
    const double b = InMicroseconds(low);
    if (a == 0.0 && b == 0.0) return "";
    float period = 0.0f;
    float on = 0.0f;
    float off = 0.0f;
    KeepIfSingle(period, a + b);
    KeepIfSingle(on, a * 100.0 / static_cast<double>(period));
    KeepIfSingle(on, RoundHalfEven(static_cast<double>(on), 1));
    KeepIfSingle(off, RoundHalfEven(static_cast<double>(100.0f - on), 1));
    return FormatSingle(on, sep) + " / " + FormatSingle(off, sep) + " %";
}

} // namespace

double CalcNE555Frequency(double ra, double rb, double c) {
    double f = 0.0;
    KeepIfValid(f, RoundHalfEven(kChargeFactor / ((ra * kKilo + 2.0 * (rb * kKilo)) * (c * kNano)), 0));
    return f;
}

double CalcNE555Capacitance(double ra, double rb, double f) {
    double c = 0.0;
    KeepIfValid(c, RoundHalfEven(kChargeFactor / ((ra * kKilo + 2.0 * (rb * kKilo)) * f) * kGiga, 3));
    return c;
}

int32_t CalcNE555Rb(double ra, double c, double f, bool& negative) {
    negative = false;
    int32_t n = 0;
    int32_t m = 0;
    int32_t rb = 0;
    KeepIfValid(n, kChargeFactor / (f * (c * kNano)));
    KeepIfValid(m, (static_cast<double>(n) - ra * kKilo) / 2.0);
    if (m < 0) {
        negative = true;
        return 0;
    }
    KeepIfValid(rb, static_cast<double>(m) / kKilo);
    return rb;
}

int32_t CalcNE555Ra(double rb, double c, double f, bool& negative) {
    negative = false;
    int32_t n = 0;
    int32_t m = 0;
    int32_t ra = 0;
    KeepIfValid(n, kChargeFactor / (f * (c * kNano)));
    KeepIfValid(m, static_cast<double>(n) - 2.0 * (rb * kKilo));
    if (m < 0) {
        negative = true;
        return 0;
    }
    KeepIfValid(ra, static_cast<double>(m) / kKilo);
    return ra;
}

std::string CalcNE555HighTime(double ra, double rb, double c, char decimalSep) {
    return ShownText(AsShown(HighSeconds(ra, rb, c)), decimalSep);
}

std::string CalcNE555LowTime(double /*ra*/, double rb, double c, char decimalSep) {
    return ShownText(AsShown(LowSeconds(rb, c)), decimalSep);
}

Outcome EvalNE555(const Inputs& in) {
    Outcome out;
    const int32_t selection = in.Selection();
    if (in.Count() != 3) return out;
    const FieldTexts& fields = in.fields;
    const char decimalSep = in.decimalSep;

    auto read = [&fields](int index) { return ParsePrefix(FieldText(fields, index)); };
    const int computed = 6 - selection; // the one field not confirmed
    bool negative = false;
    std::string text;
    switch (computed) {
    case NE555F: text = ResultText(CalcNE555Frequency(read(NE555Ra), read(NE555Rb), read(NE555C))); break;
    case NE555C: text = ResultText(CalcNE555Capacitance(read(NE555Ra), read(NE555Rb), read(NE555F))); break;
    case NE555Rb: text = ResultText(CalcNE555Rb(read(NE555Ra), read(NE555C), read(NE555F), negative)); break;
    case NE555Ra: text = ResultText(CalcNE555Ra(read(NE555Rb), read(NE555C), read(NE555F), negative)); break;
    default: break;
    }
    if (negative) out.messages.push_back(Say(kNegativeResultMessage));
    out.fields.push_back({computed, text});

    // The times use Ra, Rb and C as the fields now hold them, a computed one
    // already rounded.
    auto reread = [&](int index) { return ParsePrefix(index == computed ? text : FieldText(fields, index)); };
    const double ra = reread(NE555Ra);
    const double rb = reread(NE555Rb);
    const double c = reread(NE555C);
    const ShownTime high = AsShown(HighSeconds(ra, rb, c));
    const ShownTime low = AsShown(LowSeconds(rb, c));
    out.captions.push_back({NE555HighTime, ShownText(high, decimalSep)});
    out.captions.push_back({NE555LowTime, ShownText(low, decimalSep)});
    out.captions.push_back({NE555Split, SplitText(high, low, decimalSep)});
    return out;
}

std::optional<std::string> NE555Refusal(int index, const std::string& text) {
    const double x = ParsePrefix(text);
    switch (index) {
    case NE555Ra:
    case NE555Rb:
        if (!(x >= 1.0 && x <= 3300.0)) return Say(QT_TRANSLATE_NOOP("Ampero", "Endast heltal 1 - 3300 tillåtet"));
        break;
    case NE555C:
        if (!(x >= 1.0)) return Say(QT_TRANSLATE_NOOP("Ampero", "Endast heltal >= 1 tillåtet"));
        break;
    case NE555F:
        if (!(std::floor(x) <= 300000.0)) return Say(QT_TRANSLATE_NOOP("Ampero", "300000 är max tillåtet"));
        break;
    default: break;
    }
    return std::nullopt;
}

} // namespace ampero
