// SPDX-License-Identifier: GPL-3.0-or-later
// The general format on arbitrary doubles and singles and the two roundings:
// never "inf" or "nan", the caller's separator only, a text that reads back,
// and a rounding within half a unit of the last decimal, ties to even. The
// numeric prefix rule on the rest of the bytes: finite, blind to what follows
// the number and to leading blanks, stopped by a comma, negated by a minus,
// and equal to the C library's reading of plain number characters. The
// reader of values with prefix letters on the same text in a few units.
#include <cfloat>

#include "core/values.h"
#include "fuzz/fuzz_common.h"

using namespace ampero;

namespace {

void CheckFormat(const std::string& s, const std::string& comma, double x, const std::string& what) {
    FUZZ_CHECK(!fuzzcheck::HasInfNan(s) && s.size() <= 26, what);
    FUZZ_CHECK(std::isfinite(x) || s == "0", what);
    FUZZ_CHECK((s[0] == '-') == (x < 0 && s != "0"), what);
    FUZZ_CHECK(comma == fuzzcheck::Replaced(s, '.', ','), what + ", with comma " + comma);
    FUZZ_CHECK(fuzzcheck::ReadsBack(s), what + " does not read back");
}

void CheckRounding(double x, int decimals) {
    const double r = RoundHalfEven(x, decimals);
    const std::string what = "RoundHalfEven(" + std::to_string(x) + ", " + std::to_string(decimals) + ")";
    FUZZ_CHECK(std::isfinite(x) || (std::isnan(x) ? std::isnan(r) : r == x), what);
    if (!std::isfinite(x)) return;
    FUZZ_CHECK(std::fabs(r - x) <= 0.5 * std::pow(10.0, -decimals) * (1 + 1e-9) + std::fabs(x) * 1e-15, what);
    FUZZ_CHECK(!(r == 0.0 && std::signbit(r)), what + " is a negative zero");
    const std::optional<int32_t> n = RoundToInt32(x);
    const double gap = n ? std::fabs(static_cast<double>(*n) - x) : 0;
    FUZZ_CHECK(n || !(x > -2147483648.5 && x < 2147483647.5), "RoundToInt32 " + what + " is empty");
    FUZZ_CHECK(gap < 0.5 || (gap == 0.5 && *n % 2 == 0), "RoundToInt32 " + what + " = " + std::to_string(n.value_or(0)));
}

bool Same(double a, double b) { return a == b && std::signbit(a) == std::signbit(b); }

double CheckedPrefix(const std::string& text) {
    const double v = ParsePrefix(text);
    const std::string what = "\"" + text + "\" reads " + std::to_string(v);
    FUZZ_CHECK(std::isfinite(v), what);
    FUZZ_CHECK(Same(ParsePrefix(text + "x"), v), what + ", not with x after it");
    FUZZ_CHECK(Same(ParsePrefix(" \t" + text), v), what + ", not with blanks before it");
    FUZZ_CHECK(Same(ParsePrefix(text.substr(0, text.find(','))), v), what + ", not its part before a comma");
    const size_t first = text.find_first_not_of(" \t");
    if (first != std::string::npos && ((text[first] >= '0' && text[first] <= '9') || text[first] == '.'))
        FUZZ_CHECK(ParsePrefix("-" + text.substr(first)) == -v, what + ", not negated by a minus");
    if (text.find_first_not_of(" \t0123456789.+-eE") == std::string::npos) {
        double c = std::strtod(text.c_str(), nullptr);
        if (std::isinf(c)) c = std::copysign(DBL_MAX, c);
        FUZZ_CHECK(c == v, what + ", the C library " + std::to_string(c));
    }
    return v;
}

// ReadValue is finite, negative only from a '-', exactly ParsePrefix without
// a unit. Enter's rewrite is idempotent; where it rewrites, it writes the
// value in 15 digits, so the invariant is that the value reads back to the
// same general format (exactly the same value only where it is not rewritten).
void CheckReader(const std::string& text) {
    for (const char* token : {"-", "Ω", "kΩ", "pF", "MHz"}) {
        const FieldUnit unit = UnitFrom(token);
        const double v = ReadValue(text, unit);
        const std::string c = ConfirmedText(text, unit);
        const std::string what = "\"" + text + "\" in " + token + " reads " + FormatGeneral(v) + ", confirmed " + c;
        FUZZ_CHECK(std::isfinite(v) && (!std::signbit(v) || text.find('-') != std::string::npos), what);
        FUZZ_CHECK(unit.HasUnit() || Same(v, ParsePrefix(text)), what);
        FUZZ_CHECK(ConfirmedText(c, unit) == c, what);
        const bool rewritten = HasPrefixLetter(text, unit);
        FUZZ_CHECK(rewritten ? FormatGeneral(ReadValue(c, unit)) == FormatGeneral(v) : c == text, what);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzcheck::Input in{data, size};
    const double d = in.Bits<double>();
    const float f = in.Bits<float>();
    const int decimals = in.Byte() % 13;
    const std::string text = in.Rest();
    const double t = CheckedPrefix(text);
    CheckReader(text);
    for (double x : {d, t}) {
        CheckFormat(FormatGeneral(x), FormatGeneral(x, ','), x, "FormatGeneral(" + std::to_string(x) + ")");
        CheckRounding(x, decimals);
    }
    const bool single = !(std::fabs(d) > FLT_MAX); // nan casts too
    for (float x : {f, single ? static_cast<float>(d) : f})
        CheckFormat(FormatSingle(x), FormatSingle(x, ','), x, "FormatSingle(" + std::to_string(x) + ")");
    return 0;
}
