// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ohm.h"


#include "core/numrules.h"

namespace ampero {

namespace {

// Every Ohm's-law result is kept to 6 decimals.
constexpr int kOhmDecimals = 6;

double Finish(const FaultGuard& g, double value) { return g.Result(RoundHalfEven(value, kOhmDecimals)); }

void Write(Outcome& out, int index, double value) { out.fields.push_back({index, ResultText(value)}); }

} // namespace

double CalcCurrentFromUR(double u, double r) {
    FaultGuard g;
    return Finish(g, g(u / r));
}

double CalcPowerFromUR(double u, double r) {
    FaultGuard g;
    double u2 = g(u * u);
    return Finish(g, g(u2 / r));
}

double CalcCurrentFromRP(double r, double p) {
    FaultGuard g;
    double q = g(p / r);
    return Finish(g, g.Sqrt(q));
}

double CalcVoltageFromRP(double r, double p) {
    FaultGuard g;
    double q = g(p * r);
    return Finish(g, g.Sqrt(q));
}

double CalcVoltageFromRI(double i, double r) {
    FaultGuard g;
    return Finish(g, g(i * r));
}

// Not a trapping formula, but an overflow must not leave "inf" in a field:
// it gives 0 like the others.
double CalcPowerFromRI(double i, double r) {
    FaultGuard g;
    double u = g(i * r);
    return Finish(g, g(u * i));
}

double CalcResistanceFromUI(double u, double i) {
    FaultGuard g;
    return Finish(g, g(u / i));
}

double CalcPowerFromUI(double u, double i) {
    FaultGuard g;
    return Finish(g, g(u * i));
}

double CalcResistanceFromPI(double i, double p) {
    FaultGuard g;
    double i2 = g(i * i);
    return Finish(g, g(p / i2));
}

double CalcVoltageFromPI(double i, double p) {
    FaultGuard g;
    return Finish(g, g(p / i));
}

double CalcResistanceFromUP(double u, double p) {
    FaultGuard g;
    double u2 = g(u * u);
    return Finish(g, g(u2 / p));
}

double CalcCurrentFromUP(double u, double p) {
    FaultGuard g;
    return Finish(g, g(p / u));
}

Outcome EvalOhmsLaw(const Inputs& in) {
    Outcome out;
    if (in.Count() != 2) return out;
    const FieldTexts& fields = in.fields;

    const double r = FieldValue(fields, OhmR);
    const double u = FieldValue(fields, OhmU);
    const double p = FieldValue(fields, OhmP);
    const double i = FieldValue(fields, OhmI);

    switch (in.Selection()) {
    case 1: // R and U
        Write(out, OhmI, CalcCurrentFromUR(u, r));
        Write(out, OhmP, CalcPowerFromUR(u, r));
        break;
    case 2: // R and P
        Write(out, OhmI, CalcCurrentFromRP(r, p));
        Write(out, OhmU, CalcVoltageFromRP(r, p));
        break;
    case 3:
        if (in.confirmed[OhmR]) { // R and I
            Write(out, OhmU, CalcVoltageFromRI(i, r));
            Write(out, OhmP, CalcPowerFromRI(i, r));
        } else { // U and P share the index sum; the two inputs stay as typed
            Write(out, OhmR, CalcResistanceFromUP(u, p));
            Write(out, OhmI, CalcCurrentFromUP(u, p));
        }
        break;
    case 4: // U and I
        Write(out, OhmR, CalcResistanceFromUI(u, i));
        Write(out, OhmP, CalcPowerFromUI(u, i));
        break;
    case 5: // P and I
        Write(out, OhmR, CalcResistanceFromPI(i, p));
        Write(out, OhmU, CalcVoltageFromPI(i, p));
        break;
    default: break;
    }
    return out;
}

} // namespace ampero
