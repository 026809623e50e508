// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/capacitive.h"

#include "core/numrules.h"

namespace ampero {

namespace {

// 1000000 * (1 / (a * TWO_PI_APPROX * b)), rounded; 0 on a zero divisor or
// any step out of the double range.
double MegaOverProduct(double a, double b, int decimals) {
    FaultGuard g;
    double x = g(a * TWO_PI_APPROX);
    x = g(x * b);
    double r = g(1000000.0 * g(1.0 / x));
    return g.Result(RoundHalfEven(r, decimals));
}

// Characters of a field text; the texts are ASCII, but a UTF-8 sequence
// counts once.
size_t CharacterCount(const std::string& text) {
    size_t n = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

} // namespace

double CalcCapacitiveReactance(double f, double c) {
    FaultGuard g;
    double x = g(f * TWO_PI_APPROX);
    x = g(x * c);
    double xc = g(1.0 / x);
    return g.Result(RoundHalfEven(xc, 1));
}

Outcome EvalCapacitiveReactance(const Inputs& in) {
    const int32_t selection = in.Selection();
    const FieldTexts& fields = in.fields;
    Outcome out;
    const double f = FieldValue(fields, CapF);
    const double c = FieldValue(fields, CapC);
    const double xc = FieldValue(fields, CapXC);
    switch (selection) {
    case 1: // f, C known
        out.fields.push_back({CapXC, ResultText(CalcCapacitiveReactance(f, c * 0.000001))});
        break;
    case 2: // f, XC known
        out.fields.push_back({CapC, ResultText(MegaOverProduct(f, xc, 1))});
        break;
    case 3: // C, XC known
        out.fields.push_back({CapF, ResultText(MegaOverProduct(c, xc, 6))});
        break;
    default: break;
    }
    return out;
}

std::string MicrofaradCaption(const std::string& capacitanceText, char decimalSep) {
    if (CharacterCount(capacitanceText) <= 3) return "";
    return FormatGeneral(ParsePrefix(capacitanceText) * 0.000001, decimalSep);
}

} // namespace ampero
