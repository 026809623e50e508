// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/coilwinding.h"

#include <cfloat>
#include <cmath>
#include <optional>

#include "core/numrules.h"

namespace ampero {

namespace {

// Single precision as the window holds it; a value that cannot be held
// (beyond the float range, or not finite) is no number.
std::optional<float> ToSingle(double value) {
    if (!std::isfinite(value) || std::fabs(value) > static_cast<double>(FLT_MAX)) return std::nullopt;
    return static_cast<float>(value);
}

// A routine's double result narrowed to its single-precision return value:
// 0 after a fault or when the rounded value does not fit.
float SingleResult(const FaultGuard& g, double rounded) {
    if (g.Failed()) return 0.0f;
    return ToSingle(rounded).value_or(0.0f);
}

std::optional<float> FieldSingle(const FieldTexts& fields, int index) {
    double v = index < static_cast<int>(fields.size()) ? ParsePrefix(fields[index]) : 0.0;
    return ToSingle(v);
}

double Square(double x) { return std::pow(x, 2); }

// 3*d + 9*l, the denominator of the air-coil formula.
double CoilForm(FaultGuard& g, double l, double d) { return g(g(3.0 * d) + g(9.0 * l)); }

} // namespace

float CalcCoilInductance(float l, float d, float n) {
    FaultGuard g;
    double num = g(g(0.08 * g(Square(d))) * g(Square(n)));
    double inductance = g(num / CoilForm(g, l, d));
    return SingleResult(g, RoundHalfEven(inductance, 3));
}

float CalcCoilTurns(float l, float d, float inductance) {
    FaultGuard g;
    double num = g(0.08 * g(Square(d)));
    double den = g(CoilForm(g, l, d) * inductance);
    double x = g(num / den);
    double turns = g(1.0 / g.Sqrt(x));
    return SingleResult(g, RoundHalfEven(turns, 1));
}

float CalcInductanceFromAL(float al, float n) {
    FaultGuard g;
    double inductance = g(g(g(Square(n)) * al) * 1e-3);
    return SingleResult(g, RoundHalfEven(inductance, 3));
}

float CalcTurnsFromAL(float al, float inductance) {
    FaultGuard g;
    double x = g(g(1e3 * inductance) / al);
    double turns = g.Sqrt(x);
    return SingleResult(g, RoundHalfEven(turns, 1));
}

// The evaluations hand their inputs over in single precision; an input
// beyond that range cannot be handed over and counts as a failed formula,
// written as 0.

Outcome EvalCoilWinding(const Inputs& in) {
    Outcome out;
    const int32_t selection = in.Selection();
    const FieldTexts& fields = in.fields;
    auto l = FieldSingle(fields, CoilLength);
    auto d = FieldSingle(fields, CoilDiameter);
    if (selection == 3) { // l, d, L known
        auto inductance = FieldSingle(fields, CoilL);
        float n = (l && d && inductance) ? CalcCoilTurns(*l, *d, *inductance) : 0.0f;
        out.fields.push_back({CoilN, ResultTextSingle(n)});
    } else if (selection == 4) { // l, d, N known
        auto n = FieldSingle(fields, CoilN);
        float inductance = (l && d && n) ? CalcCoilInductance(*l, *d, *n) : 0.0f;
        out.fields.push_back({CoilL, ResultTextSingle(inductance)});
    }
    return out;
}

Outcome EvalCoilFromAL(const Inputs& in) {
    Outcome out;
    const int32_t selection = in.Selection();
    const FieldTexts& fields = in.fields;
    auto al = ToSingle(FieldValue(fields, CoilAL));
    if (selection == 2) { // AL, L known
        auto inductance = FieldSingle(fields, CoilL);
        float n = (al && inductance) ? CalcTurnsFromAL(*al, *inductance) : 0.0f;
        out.fields.push_back({CoilN, ResultTextSingle(n)});
    } else if (selection == 3) { // AL, N known
        auto n = FieldSingle(fields, CoilN);
        float inductance = (al && n) ? CalcInductanceFromAL(*al, *n) : 0.0f;
        out.fields.push_back({CoilL, ResultTextSingle(inductance)});
    }
    return out;
}

std::optional<Stop> CoilDimensionsRule(const Inputs& in) {
    if (FieldText(in.fields, CoilLength).empty() || FieldText(in.fields, CoilDiameter).empty())
        return Stop{Say(kDimensionsMissingMessage), false};
    return std::nullopt;
}

std::optional<Stop> CoilALRule(const Inputs& in) {
    if (FieldText(in.fields, CoilAL).empty()) return Stop{Say(kALMissingMessage), true};
    return std::nullopt;
}

} // namespace ampero
