// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/numrules.h"

#include <cfloat>
#include <charconv>
#include <system_error>

namespace ampero {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Scientific digits of |value| with the given count of significant digits:
// fills mantissa digits (no point, trailing zeros dropped) and the decimal
// exponent of the first digit.
void Scientific(double value, int digits, std::string& mantissa, int& exponent) {
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, digits - 1);
    std::string_view s(buf, static_cast<size_t>(res.ptr - buf));
    size_t e = s.find('e');
    mantissa.clear();
    for (size_t i = 0; i < e; ++i)
        if (IsDigit(s[i])) mantissa.push_back(s[i]);
    while (mantissa.size() > 1 && mantissa.back() == '0') mantissa.pop_back();
    exponent = 0;
    std::string_view ex = s.substr(e + 1);
    if (!ex.empty() && ex.front() == '+') ex.remove_prefix(1);
    std::from_chars(ex.data(), ex.data() + ex.size(), exponent);
}

std::string FormatDigits(double value, int digits, char sep) {
    if (!std::isfinite(value) || value == 0.0) return "0";
    std::string m;
    int exp = 0;
    Scientific(value, digits, m, exp);
    std::string out = value < 0 ? "-" : "";
    if (exp >= digits || exp < -9) {
        out += m[0];
        if (m.size() > 1) {
            out += sep;
            out.append(m, 1, std::string::npos);
        }
        out += 'E';
        out += exp < 0 ? '-' : '+';
        int a = exp < 0 ? -exp : exp;
        if (a < 10) out += '0';
        out += std::to_string(a);
    } else if (exp >= 0) {
        size_t intLen = static_cast<size_t>(exp) + 1;
        if (m.size() <= intLen) {
            out += m;
            out.append(intLen - m.size(), '0');
        } else {
            out.append(m, 0, intLen);
            out += sep;
            out.append(m, intLen, std::string::npos);
        }
    } else {
        out += '0';
        out += sep;
        out.append(static_cast<size_t>(-exp - 1), '0');
        out += m;
    }
    return out;
}

} // namespace

double ParsePrefix(std::string_view text) {
    size_t i = 0;
    const size_t n = text.size();
    while (i < n && (text[i] == ' ' || text[i] == '\t')) ++i;
    std::string num;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') num.push_back('-');
        ++i;
    }
    size_t digits = 0;
    while (i < n && IsDigit(text[i])) {
        num.push_back(text[i++]);
        ++digits;
    }
    if (i < n && text[i] == '.') {
        num.push_back('.');
        ++i;
        while (i < n && IsDigit(text[i])) {
            num.push_back(text[i++]);
            ++digits;
        }
    }
    if (digits == 0) return 0.0;
    if (i < n && (text[i] == 'E' || text[i] == 'e')) {
        size_t j = i + 1;
        std::string ex = "e";
        if (j < n && (text[j] == '+' || text[j] == '-')) ex.push_back(text[j++]);
        size_t expDigits = 0;
        while (j < n && IsDigit(text[j])) {
            ex.push_back(text[j++]);
            ++expDigits;
        }
        if (expDigits > 0) num += ex;
    }
    const char* first = num.data();
    const char* last = num.data() + num.size();
    bool negative = *first == '-';
    double value = 0.0;
    auto res = std::from_chars(first, last, value);
    if (res.ec == std::errc::result_out_of_range) {
        // Decide between overflow and underflow by the magnitude's order.
        std::string_view body(num);
        if (negative) body.remove_prefix(1);
        size_t e = body.find('e');
        std::string_view mant = body.substr(0, e);
        long exp10 = 0;
        if (e != std::string_view::npos) {
            std::string_view ex = body.substr(e + 1);
            bool eneg = !ex.empty() && ex.front() == '-';
            if (!ex.empty() && (ex.front() == '-' || ex.front() == '+')) ex.remove_prefix(1);
            long v = 0;
            for (char c : ex) {
                v = v * 10 + (c - '0');
                if (v > 100000) break;
            }
            exp10 = eneg ? -v : v;
        }
        size_t dot = mant.find('.');
        std::string_view ip = mant.substr(0, dot);
        size_t k = 0;
        while (k < ip.size() && ip[k] == '0') ++k;
        long order;
        if (k < ip.size()) {
            order = static_cast<long>(ip.size() - k) - 1;
        } else {
            std::string_view fp = dot == std::string_view::npos ? std::string_view() : mant.substr(dot + 1);
            size_t z = 0;
            while (z < fp.size() && fp[z] == '0') ++z;
            order = -static_cast<long>(z) - 1;
        }
        if (order + exp10 > 0)
            value = DBL_MAX;
        else
            value = 0.0;
        if (negative) value = -value;
    }
    return value;
}

std::string FormatGeneral(double value, char decimalSep) { return FormatDigits(value, 15, decimalSep); }

std::string FormatSingle(float value, char decimalSep) {
    return FormatDigits(static_cast<double>(value), 7, decimalSep);
}

double RoundHalfEven(double value, int decimals) {
    if (!std::isfinite(value) || decimals < 0) return value;
    // From 2^53 up every double is a whole number already.
    if (std::fabs(value) >= 9007199254740992.0) return value;
    char buf[400];
    auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
    if (res.ec != std::errc()) return value;
    double out = 0.0;
    std::from_chars(buf, res.ptr, out);
    if (out == 0.0) out = 0.0; // no negative zero in results
    return out;
}

std::optional<int32_t> RoundToInt32(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    double r = std::nearbyint(value);
    if (r < -2147483648.0 || r > 2147483647.0) return std::nullopt;
    return static_cast<int32_t>(r);
}

} // namespace ampero
