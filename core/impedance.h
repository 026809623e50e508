// SPDX-License-Identifier: GPL-3.0-or-later
// Impedance of a capacitor and a coil in parallel or in series, away from
// resonance (C in pF, f in MHz, L in uH, Z and the wire resistance in ohm).
#pragma once


#include "core/outcome.h"
#include "core/wording.h"

namespace ampero {

enum ImpField { ImpC = 0, ImpF = 1, ImpL = 2, ImpZ = 3 };

inline constexpr const char* kFrequencyMissingMessage =
    QT_TRANSLATE_NOOP("Ampero", "Frekvens måste vara ifylld");

// Parallel routines use 1/Z = 1/XL - 1/XC throughout.
double CalcParallelImpedance(double xc, double xl);
double CalcSeriesImpedance(double xc, double xl, float coilWireResistance);
double CalcParallelCapacitance(double z, double f, double xl);
double CalcSeriesCapacitance(double z, double f, double xl);
double CalcParallelInductance(double z, double f, double xc);
double CalcSeriesInductance(double z, double f, double xc);

// The wire resistance as the window holds it: the field read by the prefix
// rule, in single precision.
float CoilWireResistanceFrom(const std::string& text);

// selection 3: Z; 4: L; 6: C; anything else computes nothing.
// The wire resistance is the inputs' `aside` text; `variant` is parallel.
Outcome EvalImpedance(const Inputs& in);

// The frequency must be filled in; else the message, and "Ny" follows.
std::optional<Stop> ImpedanceRule(const Inputs& in);

} // namespace ampero
