// Helpers shared by the fuzz targets: an input cursor over the raw bytes,
// the checks every written number must pass, and a loud stop when one fails.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace fuzzcheck {

inline std::string Escaped(std::string_view t) {
    std::string out;
    for (unsigned char c : t) {
        if (c >= 0x20 && c < 0x7f && c != '\\') {
            out.push_back(static_cast<char>(c));
        } else {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02x", c);
            out += buf;
        }
    }
    return out;
}

[[noreturn]] inline void Fail(const char* what, const std::string& detail) {
    std::fprintf(stderr, "\n*** invariant broken: %s\n    %s\n", what, detail.c_str());
    std::fflush(stderr);
    std::abort();
}

#define FUZZ_CHECK(cond, detail)                                                                                       \
    do {                                                                                                               \
        if (!(cond)) ::fuzzcheck::Fail(#cond, (detail));                                                               \
    } while (0)

// Reads the fuzzer's bytes front to back; past the end everything is 0.
class Input {
public:
    Input(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    int32_t Int32() {
        uint32_t v = 0;
        for (int i = 0; i < 4; ++i) v |= static_cast<uint32_t>(Byte()) << (8 * i);
        int32_t s;
        std::memcpy(&s, &v, sizeof s);
        return s;
    }
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
    // The rest as n texts separated by newlines; missing ones are empty,
    // text after the n-th is dropped.
    std::vector<std::string> Fields(size_t n) {
        std::vector<std::string> out(n);
        std::string rest = Rest();
        size_t start = 0;
        for (size_t i = 0; i < n && start <= rest.size(); ++i) {
            size_t nl = rest.find('\n', start);
            if (nl == std::string::npos) nl = rest.size();
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

// "inf", "nan" or the like anywhere in a text, in any case.
inline bool HasInfNan(std::string_view t) {
    std::string low;
    for (char c : t) low.push_back(static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c));
    return low.find("inf") != std::string::npos || low.find("nan") != std::string::npos ||
           low.find("#ind") != std::string::npos;
}

inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A text as the general number format writes it, at most `maxDigits`
// significant digits: "-" only before a non-zero value, no leading zeros,
// no trailing zeros after the separator, plain form from 1E-09 up to below
// 10^maxDigits and the exponent form ("1.5E+20", "2.5E-10") outside.
inline bool IsGeneralNumber(std::string_view t, int maxDigits, char sep = '.') {
    if (t == "0") return true;
    size_t i = 0;
    if (i < t.size() && t[i] == '-') ++i;
    const size_t intStart = i;
    while (i < t.size() && IsDigit(t[i])) ++i;
    const std::string_view intPart = t.substr(intStart, i - intStart);
    if (intPart.empty()) return false;
    if (intPart.size() > 1 && intPart[0] == '0') return false;
    std::string_view frac;
    if (i < t.size() && t[i] == sep) {
        ++i;
        const size_t f = i;
        while (i < t.size() && IsDigit(t[i])) ++i;
        frac = t.substr(f, i - f);
        if (frac.empty() || frac.back() == '0') return false;
    }
    bool hasExp = false;
    int exp = 0;
    if (i < t.size() && t[i] == 'E') {
        hasExp = true;
        ++i;
        if (i >= t.size() || (t[i] != '+' && t[i] != '-')) return false;
        const bool neg = t[i] == '-';
        ++i;
        const size_t e = i;
        while (i < t.size() && IsDigit(t[i])) {
            exp = exp * 10 + (t[i] - '0');
            ++i;
            if (exp > 100000) return false;
        }
        if (i - e < 2) return false;
        if (neg) exp = -exp;
    }
    if (i != t.size()) return false;
    if (hasExp) {
        if (intPart.size() != 1 || intPart[0] == '0') return false;
        if (static_cast<int>(1 + frac.size()) > maxDigits) return false;
        return exp >= maxDigits || exp < -9;
    }
    // Plain form.
    if (intPart == "0") {
        if (frac.empty()) return false; // "-0"
        size_t zeros = 0;
        while (zeros < frac.size() && frac[zeros] == '0') ++zeros;
        if (zeros > 8) return false; // below 1E-09
        return static_cast<int>(frac.size() - zeros) <= maxDigits;
    }
    return static_cast<int>(intPart.size() + frac.size()) <= maxDigits;
}

} // namespace fuzzcheck
