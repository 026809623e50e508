// SPDX-License-Identifier: GPL-3.0-or-later
// Inductive reactance XL = 2*pi * f * L (f in MHz, L in uH, XL in ohm).
#pragma once


#include "core/outcome.h"

namespace ampero {

enum IndField { IndF = 0, IndL = 1, IndXL = 2 };

// f * TWO_PI_APPROX * l, rounded to 1 decimal; 0 on overflow.
double CalcInductiveReactance(double f, double l);

// selection 1: XL; 2: L (9 decimals); 3: f (6 decimals). A zero divisor gives 0.
Outcome EvalInductiveReactance(const Inputs& in);

} // namespace ampero
