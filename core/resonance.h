// SPDX-License-Identifier: GPL-3.0-or-later
// LC resonance f = 1 / (2*pi * sqrt(L * C)) (C in pF, f in MHz, L in uH).
#pragma once


#include "core/outcome.h"

namespace ampero {

enum ResField { ResC = 0, ResF = 1, ResL = 2 };

double CalcResonantFrequencyFromLC(double l, double c);   // 6 decimals
double CalcResonantInductanceFromFC(double f, double c);  // 3 decimals
double CalcResonantCapacitanceFromFL(double f, double l); // 1 decimal

// selection 1: L; 2: f; 3: C; anything else computes nothing.
Outcome EvalResonance(const Inputs& in);

} // namespace ampero
