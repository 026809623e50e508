// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/led.h"

#include <cmath>

#include "core/numrules.h"

namespace ampero {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// True when the text starts (after blanks and a sign) with something the
// numeric prefix rule reads as a number: a digit, or a point and a digit.
bool HasLeadingNumber(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    if (i < text.size() && IsDigit(text[i])) return true;
    return i + 1 < text.size() && text[i] == '.' && IsDigit(text[i + 1]);
}

} // namespace

std::optional<std::string> CalcLedSeriesResistor(const FieldTexts& fields) {
    const double vs = ParsePrefix(FieldText(fields, 0));
    const double vf = ParsePrefix(FieldText(fields, 1));
    const double ma = ParsePrefix(FieldText(fields, 2));
    const std::string& countText = FieldText(fields, 3);
    if (!HasLeadingNumber(countText)) return std::nullopt;
    // A fractional count is cut down to whole LEDs.
    const double n = std::floor(ParsePrefix(countText));
    if (ma == 0.0) return std::nullopt;

    const double ohms = ((vs - n * vf) / ma) * 1000.0;
    const std::optional<int32_t> r = RoundToInt32(ohms);
    if (!r) return std::nullopt;
    return std::to_string(*r);
}

Outcome EvalLedSeriesResistor(const Inputs& in) {
    Outcome out;
    if (std::optional<std::string> r = CalcLedSeriesResistor(in.fields)) out.fields.push_back({4, *r});
    return out;
}

} // namespace ampero
