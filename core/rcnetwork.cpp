// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/rcnetwork.h"

#include <string>

#include "core/numrules.h"

namespace ampero {

namespace {

// t1 = 0.7 * R * C per half period, so a whole period is 1.4 * R * C.
constexpr double kAstableFactor = 1.4;
constexpr double kNano = 1e-9;
constexpr double kGiga = 1e9;

double Rounded(const FaultGuard& g, double value, int decimals) { return g.Result(RoundHalfEven(value, decimals)); }

} // namespace

double CalcRCFrequency(double r, double c) {
    FaultGuard g;
    double rc = g(g(g(TWO_PI_APPROX * r) * c) * kNano);
    return Rounded(g, g(1.0 / rc), 0);
}

double CalcRCCapacitance(double r, double f) {
    FaultGuard g;
    double d = g(g(TWO_PI_APPROX * r) * f);
    return Rounded(g, g(g(1.0 / d) * kGiga), 3);
}

double CalcRCResistance(double c, double f) {
    FaultGuard g;
    double d = g(g(TWO_PI_APPROX * f) * c);
    return Rounded(g, g(g(1.0 / d) * kGiga), 0);
}

double CalcAstableFrequency(double r, double c) {
    FaultGuard g;
    double period = g(g(g(kAstableFactor * r) * c) * kNano);
    return Rounded(g, g(1.0 / period), 0);
}

double CalcAstableCapacitance(double r, double f) {
    FaultGuard g;
    double period = g(1.0 / f);
    double d = g(kAstableFactor * r);
    return Rounded(g, g(g(period / d) * kGiga), 3);
}

double CalcAstableResistance(double c, double f) {
    FaultGuard g;
    double period = g(1.0 / f);
    double d = g(g(kAstableFactor * c) * kNano);
    return Rounded(g, g(period / d), 1);
}

Outcome EvalRCNetwork(const Inputs& in) {
    const int32_t selection = in.Selection();
    const bool astable = in.variant != 0;
    const FieldTexts& fields = in.fields;
    Outcome out;
    if (selection < 1 || selection > 3) return out;
    const double r = ParsePrefix(FieldText(fields, RCR));
    const double c = ParsePrefix(FieldText(fields, RCC));
    const double f = ParsePrefix(FieldText(fields, RCF));
    switch (selection) {
    case 1: // R and C give f
        out.fields.push_back({RCF, ResultText(astable ? CalcAstableFrequency(r, c) : CalcRCFrequency(r, c))});
        break;
    case 2: // R and f give C
        out.fields.push_back({RCC, ResultText(astable ? CalcAstableCapacitance(r, f) : CalcRCCapacitance(r, f))});
        break;
    case 3: // C and f give R
        out.fields.push_back({RCR, ResultText(astable ? CalcAstableResistance(c, f) : CalcRCResistance(c, f))});
        break;
    default: break;
    }
    return out;
}

} // namespace ampero
