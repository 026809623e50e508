// The general format on arbitrary doubles and singles, and the two roundings:
// a written number is well formed, never "inf" or "nan", of bounded length,
// and reads back by the prefix rule to a value that is written the same way.
#include <cfloat>
#include <cmath>
#include <cstring>
#include <string>

#include "core/numrules.h"
#include "fuzz/fuzz_common.h"

using namespace ampero;
using fuzzcheck::Escaped;
using fuzzcheck::IsGeneralNumber;

namespace {

std::string Show(double v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.17g", v);
    return buf;
}

std::string WithComma(std::string t) {
    for (char& c : t)
        if (c == '.') c = ',';
    return t;
}

// The longest texts are the small plain ones: "-0.00000000123456789012345"
// and "-0.000000001234567" (the exponent forms are shorter).
constexpr size_t kMaxDoubleText = 26;
constexpr size_t kMaxSingleText = 18;

void CheckDouble(double x) {
    const std::string s = FormatGeneral(x);
    const std::string what = "FormatGeneral(" + Show(x) + ") = \"" + Escaped(s) + "\"";
    FUZZ_CHECK(!fuzzcheck::HasInfNan(s), what);
    FUZZ_CHECK(s.size() <= kMaxDoubleText, what);
    FUZZ_CHECK(IsGeneralNumber(s, 15), what);
    if (!std::isfinite(x)) FUZZ_CHECK(s == "0", what);
    FUZZ_CHECK((s[0] == '-') == (x < 0 && s != "0"), what);
    FUZZ_CHECK(FormatGeneral(x, ',') == WithComma(s), what + ", with comma \"" + FormatGeneral(x, ',') + "\"");

    const double back = ParsePrefix(s);
    const std::string again = FormatGeneral(back);
    FUZZ_CHECK(again == s, what + " reads back as " + Show(back) + ", written \"" + again + "\"");
    if (std::isfinite(x) && std::fabs(x) >= DBL_MIN)
        FUZZ_CHECK(std::fabs(back - x) <= 6e-15 * std::fabs(x), what + " reads back as " + Show(back));
}

void CheckSingle(float x) {
    const std::string s = FormatSingle(x);
    const std::string what = "FormatSingle(" + Show(static_cast<double>(x)) + ") = \"" + Escaped(s) + "\"";
    FUZZ_CHECK(!fuzzcheck::HasInfNan(s), what);
    FUZZ_CHECK(s.size() <= kMaxSingleText, what);
    FUZZ_CHECK(IsGeneralNumber(s, 7), what);
    if (!std::isfinite(x)) FUZZ_CHECK(s == "0", what);
    FUZZ_CHECK(FormatSingle(x, ',') == WithComma(s), what);

    const double back = ParsePrefix(s);
    FUZZ_CHECK(std::fabs(back) <= static_cast<double>(FLT_MAX), what + " reads back beyond the single range");
    const float single = static_cast<float>(back);
    const std::string again = FormatSingle(single);
    if (again != s) {
        // Seven digits are more than a single always keeps: at a power of
        // ten whose nearest single lies below it by more than half a unit
        // of the finer digits under the power ("1E+28", read back as
        // 9.9999994E+27), the text read back is written one step lower.
        // Anywhere else the text must come back unchanged.
        const std::string digits = s.substr(0, s.find('E'));
        const size_t lead = digits.find_first_not_of("-0.");
        const bool powerOfTen = lead != std::string::npos && digits[lead] == '1' &&
                                digits.find_first_not_of("0.", lead + 1) == std::string::npos;
        FUZZ_CHECK(powerOfTen && std::fabs(static_cast<double>(single)) < std::fabs(back),
                   what + " reads back as " + Show(static_cast<double>(single)) + ", written \"" + again + "\"");
    }
}

void CheckRounding(double x, int decimals) {
    const double r = RoundHalfEven(x, decimals);
    const std::string what = "RoundHalfEven(" + Show(x) + ", " + std::to_string(decimals) + ") = " + Show(r);
    if (!std::isfinite(x)) {
        FUZZ_CHECK(std::isnan(x) ? std::isnan(r) : r == x, what);
        return;
    }
    FUZZ_CHECK(std::isfinite(r), what);
    FUZZ_CHECK(std::fabs(r - x) <= 0.5 * std::pow(10.0, -decimals) * (1 + 1e-9) + std::fabs(x) * 1e-15, what);
    // A second rounding keeps the value wherever the double has room for the
    // decimals asked for.
    if (std::fabs(x) * 2.3e-16 < 0.25 * std::pow(10.0, -decimals))
        FUZZ_CHECK(RoundHalfEven(r, decimals) == r, what + " is not kept by a second rounding");
    FUZZ_CHECK(!(r == 0.0 && std::signbit(r)), what + " (negative zero)");

    const std::optional<int32_t> n = RoundToInt32(x);
    const std::string nwhat = "RoundToInt32(" + Show(x) + ")";
    if (x >= -2147483648.5 && x <= 2147483647.5 && std::fabs(x - std::nearbyint(x)) != 0.5) {
        FUZZ_CHECK(n.has_value(), nwhat + " is empty");
    }
    if (n) {
        FUZZ_CHECK(std::fabs(static_cast<double>(*n) - x) <= 0.5, nwhat + " = " + std::to_string(*n));
        if (std::fabs(static_cast<double>(*n) - x) == 0.5) FUZZ_CHECK(*n % 2 == 0, nwhat + " = " + std::to_string(*n));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzcheck::Input in(data, size);
    const double d = in.Bits<double>();
    const float f = in.Bits<float>();
    const int decimals = in.Byte() % 13;
    const std::string text = in.Rest();
    const double fromText = ParsePrefix(text);

    CheckDouble(d);
    CheckDouble(fromText);
    CheckSingle(f);
    if (std::fabs(fromText) <= static_cast<double>(FLT_MAX)) CheckSingle(static_cast<float>(fromText));
    if (std::isfinite(d) && std::fabs(d) <= static_cast<double>(FLT_MAX)) CheckSingle(static_cast<float>(d));
    CheckRounding(d, decimals);
    CheckRounding(fromText, decimals);
    return 0;
}
