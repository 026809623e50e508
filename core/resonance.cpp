// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/resonance.h"

#include "core/numrules.h"

namespace ampero {

// Scaling C to microfarad (routines 1 and 2) cannot fail; every later step
// is guarded.

double CalcResonantFrequencyFromLC(double l, double c) {
    const double cu = c * 0.000001;
    FaultGuard g;
    double p = g(l * cu);
    double s = g.Sqrt(p);
    double d = g(s * TWO_PI_APPROX);
    double f = g(1.0 / d);
    return g.Result(RoundHalfEven(f, 6));
}

double CalcResonantInductanceFromFC(double f, double c) {
    const double cu = c * 0.000001;
    FaultGuard g;
    double w = g(TWO_PI_APPROX * f);
    double d = g(g(w * w) * cu);
    double l = g(1.0 / d);
    return g.Result(RoundHalfEven(l, 3));
}

double CalcResonantCapacitanceFromFL(double f, double l) {
    FaultGuard g;
    double w = g(TWO_PI_APPROX * f);
    double d = g(g(w * w) * l);
    double c = g(g(1.0 / d) * 1000000.0);
    return g.Result(RoundHalfEven(c, 1));
}

Outcome EvalResonance(const Inputs& in) {
    const int32_t selection = in.Selection();
    const FieldTexts& fields = in.fields;
    Outcome out;
    const double c = FieldValue(fields, ResC);
    const double f = FieldValue(fields, ResF);
    const double l = FieldValue(fields, ResL);
    switch (selection) {
    case 1: // C, f known
        out.fields.push_back({ResL, ResultText(CalcResonantInductanceFromFC(f, c))});
        break;
    case 2: // C, L known
        out.fields.push_back({ResF, ResultText(CalcResonantFrequencyFromLC(l, c))});
        break;
    case 3: // f, L known
        out.fields.push_back({ResC, ResultText(CalcResonantCapacitanceFromFL(f, l))});
        break;
    default: break;
    }
    return out;
}

} // namespace ampero
