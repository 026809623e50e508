// SPDX-License-Identifier: GPL-3.0-or-later
// Reciprocal sum 1/X = 1/X1 + ... + 1/Xn: capacitors in series, resistors in
// parallel. Fields 0..7 the values, 8 the total, 9 the value still to add.
#pragma once

#include "core/outcome.h"

namespace ampero {

// Answer field empty: the total goes to field 8. Answer filled: the missing
// value goes to field 9. Results have "." as decimal point. A division by
// zero leaves both result fields unchanged (empty outcome).
Outcome EvalSeriesCapacitors(const Inputs& in);

} // namespace ampero
