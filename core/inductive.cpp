// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/inductive.h"


#include "core/numrules.h"

namespace ampero {

namespace {

// numerator / (factor * TWO_PI_APPROX), rounded; 0 when the divisor is zero
// or any step leaves the double range.
double DivideByTwoPiProduct(double numerator, double factor, int decimals) {
    FaultGuard g;
    double d = g(factor * TWO_PI_APPROX);
    double q = g(numerator / d);
    return g.Result(RoundHalfEven(q, decimals));
}

} // namespace

double CalcInductiveReactance(double f, double l) {
    FaultGuard g;
    double x = g(f * TWO_PI_APPROX);
    x = g(x * l);
    return g.Result(RoundHalfEven(x, 1));
}

Outcome EvalInductiveReactance(const Inputs& in) {
    const int32_t selection = in.Selection();
    const FieldTexts& fields = in.fields;
    Outcome out;
    switch (selection) {
    case 1: // f, L known
        out.fields.push_back(
            {IndXL, ResultText(CalcInductiveReactance(FieldValue(fields, IndF), FieldValue(fields, IndL)))});
        break;
    case 2: // f, XL known
        out.fields.push_back(
            {IndL, ResultText(DivideByTwoPiProduct(FieldValue(fields, IndXL), FieldValue(fields, IndF), 9))});
        break;
    case 3: // L, XL known
        out.fields.push_back(
            {IndF, ResultText(DivideByTwoPiProduct(FieldValue(fields, IndXL), FieldValue(fields, IndL), 6))});
        break;
    default: break;
    }
    return out;
}

} // namespace ampero
