// SPDX-License-Identifier: GPL-3.0-or-later
// The numeric prefix rule on arbitrary bytes: finite, blind to what follows
// the number and to leading blanks, stopped by a comma, negated by a minus,
// and equal to the C library's reading of plain number characters.
#include <cfloat>

#include "fuzz/fuzz_common.h"

using ampero::ParsePrefix;

static bool Same(double a, double b) { return a == b && std::signbit(a) == std::signbit(b); }

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::string what = "\"" + text + "\" reads " + std::to_string(ParsePrefix(text));
    const double v = ParsePrefix(text);
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
    return 0;
}
