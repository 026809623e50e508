// Helpers shared by the fuzz targets: a cursor over the raw bytes, a loud
// stop when an invariant breaks, and the checks every written text passes.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "core/numrules.h"

namespace fuzzcheck {

[[noreturn]] inline void Fail(const char* what, const std::string& detail) {
    std::fprintf(stderr, "\n*** invariant broken: %s\n    %s\n", what, detail.c_str());
    std::abort();
}

#define FUZZ_CHECK(cond, detail)                                                                                       \
    do {                                                                                                               \
        if (!(cond)) ::fuzzcheck::Fail(#cond, (detail));                                                               \
    } while (0)

// The fuzzer's bytes front to back; past the end everything is 0.
class Input {
public:
    Input(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    template <class T> T Bits() {
        unsigned char b[sizeof(T)];
        for (auto& c : b) c = Byte();
        T v;
        std::memcpy(&v, b, sizeof v);
        return v;
    }
    std::string Rest() {
        std::string s(reinterpret_cast<const char*>(data_ + pos_), size_ - pos_);
        pos_ = size_;
        return s;
    }
    // The rest as n texts, one per line; missing ones are empty.
    std::vector<std::string> Lines(size_t n) {
        std::vector<std::string> out(n);
        const std::string rest = Rest();
        for (size_t i = 0, start = 0; i < n && start <= rest.size(); ++i) {
            const size_t nl = std::min(rest.find('\n', start), rest.size());
            out[i] = rest.substr(start, nl - start);
            start = nl + 1;
        }
        return out;
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
};

// "inf" or "nan" anywhere in a text, in any case.
inline bool HasInfNan(std::string low) {
    for (char& c : low) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return low.find("inf") != std::string::npos || low.find("nan") != std::string::npos;
}

// A number text reads back by the prefix rule and is written again the same
// way, in double or in single precision.
inline bool ReadsBack(const std::string& t) {
    const double v = ampero::ParsePrefix(t);
    return ampero::FormatGeneral(v) == t || (std::fabs(v) <= 3.4028234663852886e38 && ampero::FormatSingle(static_cast<float>(v)) == t);
}

} // namespace fuzzcheck
