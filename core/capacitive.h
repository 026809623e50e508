// SPDX-License-Identifier: GPL-3.0-or-later
// Capacitive reactance XC = 1 / (2*pi * f * C) (f in MHz, C in pF, XC in ohm).
#pragma once

#include <string>

#include "core/outcome.h"

namespace ampero {

enum CapField { CapF = 0, CapC = 1, CapXC = 2 };

// c in microfarad (callers pass C[pF] * 0.000001); rounded to 1 decimal,
// 0 on any fault.
double CalcCapacitiveReactance(double f, double c);

// selection 1: XC; 2: C (1 decimal); 3: f (6 decimals). A zero divisor gives 0.
Outcome EvalCapacitiveReactance(const Inputs& in);

// The microfarad caption of the capacitance text: value * 0.000001 in the
// general format with the given separator when the text has more than
// 3 characters, otherwise "".
std::string MicrofaradCaption(const std::string& capacitanceText, char decimalSep = '.');

} // namespace ampero
