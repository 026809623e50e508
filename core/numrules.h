// SPDX-License-Identifier: GPL-3.0-or-later
// The number rules every calculator shares: how a field text is read, how a
// computed number is written, and how values are rounded.
#pragma once

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/outcome.h"

namespace ampero {

// 2*pi as every reactance, RC and resonance formula uses it.
inline constexpr double TWO_PI_APPROX = 6.283185308;

// Reads the longest leading decimal number of a text: leading blanks
// skipped, optional sign, digits with "." as the only decimal point, an
// optional exponent ("E+20"). Stops at the first character that cannot
// continue the number; no number reads as 0. A magnitude beyond the double
// range saturates to the largest finite double (never inf or nan).
double ParsePrefix(std::string_view text);

// Field `index` read by the prefix rule; a missing field reads as 0.
inline double FieldValue(const FieldTexts& fields, int index) { return ParsePrefix(FieldText(fields, index)); }

// The general number format: at most 15 significant digits, trailing zeros
// dropped, no leading blank, exponent form ("1E+15", "1.5E+20") from 1E+15
// up and below 1E-09 ("2.5E-10"). The decimal separator is the caller's.
// Non-finite values are written as "0", never "inf" or "nan".
std::string FormatGeneral(double value, char decimalSep = '.');

// The same for a single-precision value: at most 7 significant digits,
// exponent form from 1E+07 up.
std::string FormatSingle(float value, char decimalSep = '.');

// The text a calculator writes into a result field: general format with
// "." as decimal point whatever the locale.
inline std::string ResultText(double value) { return FormatGeneral(value, '.'); }
inline std::string ResultTextSingle(float value) { return FormatSingle(value, '.'); }

// Rounds to n decimals (n >= 0), nearest, an exact half (of the exact binary
// value) to the even neighbour: 0.125 -> 0.12, 2.5E-7 to 6 decimals -> 0.
// Non-finite values come back unchanged.
double RoundHalfEven(double value, int decimals);

// Rounds to a 32-bit signed integer, an exact half to the even neighbour.
// Empty when the value is not finite or the result is out of range.
std::optional<int32_t> RoundToInt32(double value);

// Collects arithmetic faults of a formula written step by step: every step
// whose result is not finite (division by zero, overflow, 0/0, square root
// of a negative number) marks the guard as failed.
class FaultGuard {
public:
    double operator()(double stepResult) {
        if (!std::isfinite(stepResult)) failed_ = true;
        return stepResult;
    }
    double Sqrt(double x) {
        if (!(x >= 0.0)) {
            failed_ = true;
            return 0.0;
        }
        return (*this)(std::sqrt(x));
    }
    bool Failed() const { return failed_; }
    // The routine's result: 0 after any fault, otherwise the value.
    double Result(double value) const { return failed_ ? 0.0 : value; }

private:
    bool failed_ = false;
};

} // namespace ampero
