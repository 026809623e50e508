// SPDX-License-Identifier: GPL-3.0-or-later
// A target resistance from standard values: the nearest single value, and the
// nearest sum and parallel combination of two.
#pragma once

#include <vector>

#include "core/eseries.h"
#include "core/outcome.h"

namespace ampero {

// The captions of the combination page, one line each.
enum CombinationCaption { CombNearest = 0, CombSeries = 1, CombParallel = 2 };

// The series a variant chooses: 1 E24, 2 E96, any other E12.
ESeries ChosenSeries(int variant);

// Every value of the series from `from` up to `to`, both included, ascending
// (E12 from 1 to 10: 1, 1.2, 1.5 … 8.2, 10), each the double nearest to
// mantissa × 10^n; `from` and `to` lie between 1E-15 and 1E+15.
std::vector<double> SeriesValues(ESeries series, double from, double to);

// The range every two-resistor answer draws from: 1 Ω to 10 MΩ.
inline constexpr double kSmallestResistor = 1.0;
inline constexpr double kLargestResistor = 1e7;

// Field 0 is the target in ohms. Writes no field, only the three captions
// "Närmast: 680 Ω (+1,9 %)", "I serie: 560 Ω + 100 Ω = 660 Ω (−1,0 %)" and
// "Parallellt: 1,2 kΩ ∥ 1,5 kΩ = 666,667 Ω (−0,0 %)". A pair farther from the
// target than the single value, and every line of a target without a nearest
// value, reads "–".
Outcome EvalCombination(const Inputs& in);

} // namespace ampero
