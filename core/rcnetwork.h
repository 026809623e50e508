// SPDX-License-Identifier: GPL-3.0-or-later
// RC network (corner frequency) and two-transistor astable multivibrator.
#pragma once


#include "core/outcome.h"

namespace ampero {

enum RCField { RCR = 0, RCC = 1, RCF = 2 };

// R in ohm, C in nF, f in Hz.
double CalcRCFrequency(double r, double c);   // whole Hz
double CalcRCCapacitance(double r, double f); // 3 decimals
double CalcRCResistance(double c, double f);  // whole ohms
// Astable: f = 1 / (1.4 * R * C), each half period t1 = 0.7 * R * C.
double CalcAstableFrequency(double r, double c);   // whole Hz
double CalcAstableCapacitance(double r, double f); // 3 decimals
double CalcAstableResistance(double c, double f);  // 1 decimal

// selection: sum of the confirmed indexes (1..3); fields: R, C, f texts.
Outcome EvalRCNetwork(const Inputs& in);

} // namespace ampero
