// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/impedance.h"

#include <cfloat>
#include <cmath>
#include <string>

#include "core/capacitive.h"
#include "core/inductive.h"
#include "core/numrules.h"

namespace ampero {

namespace {

// 1 / (1/a - 1/b), the parallel combination under 1/Z = 1/XL - 1/XC.
double ReciprocalDifference(FaultGuard& g, double a, double b) {
    double ra = g(1.0 / a);
    double rb = g(1.0 / b);
    return g(1.0 / g(ra - rb));
}

} // namespace

double CalcParallelImpedance(double xc, double xl) {
    FaultGuard g;
    double z = ReciprocalDifference(g, xl, xc);
    return g.Result(RoundHalfEven(z, 3));
}

double CalcSeriesImpedance(double xc, double xl, float coilWireResistance) {
    FaultGuard g;
    const double rw = static_cast<double>(coilWireResistance);
    double r = g(rw * rw);
    double d = g(xl - xc);
    double s = g(g(d * d) + r);
    double z = g.Sqrt(s);
    return g.Result(RoundHalfEven(z, 3));
}

double CalcParallelCapacitance(double z, double f, double xl) {
    FaultGuard g;
    double xc = ReciprocalDifference(g, xl, z); // 1/XC = 1/XL - 1/Z
    double c = g(g(1.0 / g(g(TWO_PI_APPROX * f) * xc)) * 1000000.0);
    return g.Result(RoundHalfEven(c, 1));
}

double CalcSeriesCapacitance(double z, double f, double xl) {
    FaultGuard g;
    // Z = XL - XC; when that would make XC negative, XC = XL + Z.
    double d = g(xl - z);
    if (d < 0) d = g(xl - z * -1.0);
    double c = g(g(1.0 / g(g(TWO_PI_APPROX * f) * d)) * 1000000.0);
    return g.Result(RoundHalfEven(c, 1));
}

double CalcParallelInductance(double z, double f, double xc) {
    FaultGuard g;
    // 1/XL = 1/Z + 1/XC
    double a = g(1.0 / xc);
    double b = g(1.0 / z);
    double xl = g(1.0 / g(a + b));
    double l = g(xl / g(TWO_PI_APPROX * f));
    return g.Result(RoundHalfEven(l, 3));
}

double CalcSeriesInductance(double z, double f, double xc) {
    FaultGuard g;
    // Z = XC - XL
    double d = g(xc - z);
    double l = g(d / g(TWO_PI_APPROX * f));
    return g.Result(RoundHalfEven(l, 3));
}

float CoilWireResistanceFrom(const std::string& text) {
    double v = ParsePrefix(text);
    // Beyond the single-precision range the value cannot be held; it then
    // counts as no resistance.
    if (std::fabs(v) > static_cast<double>(FLT_MAX)) return 0.0f;
    return static_cast<float>(v);
}

Outcome EvalImpedance(const Inputs& in) {
    const int32_t selection = in.Selection();
    const bool parallel = in.variant != 0;
    const float coilWireResistance = CoilWireResistanceFrom(in.aside);
    const FieldTexts& fields = in.fields;
    Outcome out;
    switch (selection) {
    case 3: { // C, f, L known
        double c = FieldValue(fields, ImpC) * 0.000001;
        double f = FieldValue(fields, ImpF);
        double xc = CalcCapacitiveReactance(f, c);
        double l = FieldValue(fields, ImpL);
        double xl = CalcInductiveReactance(f, l);
        double z = parallel ? CalcParallelImpedance(xc, xl) : CalcSeriesImpedance(xc, xl, coilWireResistance);
        out.fields.push_back({ImpZ, ResultText(z)});
        break;
    }
    case 4: { // C, f, Z known
        double c = FieldValue(fields, ImpC) * 0.000001;
        double f = FieldValue(fields, ImpF);
        double xc = CalcCapacitiveReactance(f, c);
        double z = FieldValue(fields, ImpZ);
        double l = parallel ? CalcParallelInductance(z, f, xc) : CalcSeriesInductance(z, f, xc);
        out.fields.push_back({ImpL, ResultText(l)});
        break;
    }
    case 6: { // f, L, Z known
        double f = FieldValue(fields, ImpF);
        double l = FieldValue(fields, ImpL);
        double xl = CalcInductiveReactance(f, l);
        double z = FieldValue(fields, ImpZ);
        double c = parallel ? CalcParallelCapacitance(z, f, xl) : CalcSeriesCapacitance(z, f, xl);
        out.fields.push_back({ImpC, ResultText(c)});
        break;
    }
    default: break;
    }
    return out;
}

std::optional<Stop> ImpedanceRule(const Inputs& in) {
    if (FieldText(in.fields, ImpF).empty()) return Stop{Say(kFrequencyMissingMessage), true};
    return std::nullopt;
}

} // namespace ampero
