// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers shared by the fuzz targets: a cursor over the raw bytes, a loud
// stop when an invariant breaks, and the checks every written text passes.
#pragma once

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "core/numrules.h"

#define FUZZ_CHECK(cond, detail) ((cond) ? void() : ::fuzzcheck::Fail(#cond, (detail)))

namespace fuzzcheck {

[[noreturn]] inline void Fail(const char* what, const std::string& d) {
    std::fprintf(stderr, "\n*** invariant broken: %s\n    %s\n", what, d.c_str()), std::abort();
}

// The fuzzer's bytes front to back; past the end everything is 0.
struct Input {
    const uint8_t* data;
    size_t size, pos = 0;
    uint8_t Byte() { return pos < size ? data[pos++] : 0; }
    template <class T> T Bits() {
        unsigned char b[sizeof(T)];
        for (auto& c : b) c = Byte();
        return std::bit_cast<T>(b);
    }
    std::string Rest() {
        const char* text = reinterpret_cast<const char*>(data);
        return std::string(text + std::exchange(pos, size), text + size);
    }
    // The rest as n texts, one per line; missing ones are empty.
    std::vector<std::string> Lines(size_t n) {
        std::vector<std::string> out(n);
        const std::string rest = Rest();
        for (size_t i = 0, start = 0; i < n && start <= rest.size(); ++i, start = std::min(rest.find('\n', start), rest.size()) + 1)
            out[i] = rest.substr(start, std::min(rest.find('\n', start), rest.size()) - start);
        return out;
    }
};

inline std::string Replaced(std::string t, char from, char to) {
    std::replace(t.begin(), t.end(), from, to);
    return t;
}

inline bool HasInfNan(std::string t) {
    std::transform(t.begin(), t.end(), t.begin(), [](char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; });
    return t.find("inf") != std::string::npos || t.find("nan") != std::string::npos;
}

// A number text reads back by the prefix rule and is written again the same
// way, in double or in single precision.
inline bool ReadsBack(const std::string& t) {
    const double v = ampero::ParsePrefix(t);
    return ampero::FormatGeneral(v) == t || (std::fabs(v) <= 3.4028234663852886e38 && ampero::FormatSingle(static_cast<float>(v)) == t);
}

} // namespace fuzzcheck
