// The numeric prefix rule on arbitrary bytes: always a finite number, blind
// to what follows the number, stopped by a comma, and in agreement with the
// C library's reading of the same characters.
#include <cerrno>
#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <string>

#include "core/numrules.h"
#include "fuzz/fuzz_common.h"

using ampero::ParsePrefix;
using fuzzcheck::Escaped;

namespace {

bool Same(double a, double b) { return a == b && std::signbit(a) == std::signbit(b); }

std::string Show(double v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.17g", v);
    return buf;
}

// True when the text holds only characters the C library reads the same
// way as the prefix rule: blanks, tabs, digits, point, signs and E.
bool PlainNumberCharacters(const std::string& t) {
    for (char c : t)
        if (!(c == ' ' || c == '\t' || fuzzcheck::IsDigit(c) || c == '.' || c == '+' || c == '-' || c == 'e' ||
              c == 'E'))
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const double v = ParsePrefix(text);
    FUZZ_CHECK(std::isfinite(v), "text \"" + Escaped(text) + "\" reads as " + Show(v));

    // A character that cannot continue a number changes nothing.
    const double tail = ParsePrefix(text + "x");
    FUZZ_CHECK(Same(tail, v), "\"" + Escaped(text) + "\" reads " + Show(v) + ", with \"x\" after it " + Show(tail));

    // Leading blanks are skipped.
    const double blanks = ParsePrefix("  \t" + text);
    FUZZ_CHECK(Same(blanks, v), "blanks before \"" + Escaped(text) + "\" change " + Show(v) + " to " + Show(blanks));

    // A comma ends the number: what follows the first comma is never read.
    const size_t comma = text.find(',');
    if (comma != std::string::npos) {
        const double head = ParsePrefix(std::string_view(text).substr(0, comma));
        FUZZ_CHECK(Same(head, v),
                   "\"" + Escaped(text) + "\" reads " + Show(v) + " but its part before the comma " + Show(head));
    }

    // A minus sign in front of an unsigned number negates it.
    const size_t first = text.find_first_not_of(" \t");
    if (first != std::string::npos && (fuzzcheck::IsDigit(text[first]) || text[first] == '.')) {
        const double neg = ParsePrefix("-" + text.substr(first));
        FUZZ_CHECK(neg == -v, "\"-" + Escaped(text.substr(first)) + "\" reads " + Show(neg) + ", not " + Show(-v));
    }

    // Where the C library reads the same characters, the values agree; its
    // overflow to infinity is the largest finite double here.
    if (PlainNumberCharacters(text)) {
        errno = 0;
        const char* begin = text.c_str();
        char* end = nullptr;
        double c = std::strtod(begin, &end);
        if (std::isinf(c)) c = std::copysign(DBL_MAX, c);
        FUZZ_CHECK(c == v, "\"" + Escaped(text) + "\" reads " + Show(v) + ", the C library reads " + Show(c));
    }
    return 0;
}
