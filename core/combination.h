// SPDX-License-Identifier: GPL-3.0-or-later
// A target resistance from standard values or the user's own parts: the
// nearest single value, the nearest sum and parallel combination of two, and
// the nearest combination of three.
#pragma once

#include <optional>
#include <vector>

#include "core/eseries.h"
#include "core/outcome.h"
#include "core/wording.h"

namespace ampero {

// The captions of the combination page, one line each, and the nearest part's
// picture (written by EvalCombinationWithParts) between the pairs and the three parts.
enum CombinationCaption { CombNearest = 0, CombSeries = 1, CombParallel = 2, CombPicture = 3, CombThree = 4 };

// The series a variant chooses: 1 E24, 2 E96, any other E12.
ESeries ChosenSeries(int variant);

// The variant that draws from Inputs::ownParts instead of a series, and what
// it answers while that list is empty.
inline constexpr int kOwnPartsVariant = 3;
inline constexpr const char* kNoOwnPartsMessage = QT_TRANSLATE_NOOP("Ampero", "Inga egna delar – välj Ändra…");

// Every value of the series from `from` up to `to`, both included, ascending
// (E12 from 1 to 10: 1, 1.2, 1.5 … 8.2, 10), each the double nearest to
// mantissa × 10^n; `from` and `to` lie between 1E-15 and 1E+15.
std::vector<double> SeriesValues(ESeries series, double from, double to);

// The range every two-resistor answer draws from: 1 Ω to 10 MΩ.
inline constexpr double kSmallestResistor = 1.0;
inline constexpr double kLargestResistor = 1e7;

// What the variant draws from, ascending: the chosen series from 1 Ω to
// 10 MΩ, or the own parts as they are.
std::vector<double> ChosenValues(const Inputs& in);

// The value of an ascending list nearest to `value` on a logarithmic scale, a
// tie to the higher, as NearestStandard measures; empty for an empty list and
// where NearestStandard has no answer (0, negative, beyond 1E-15 .. 1E+15).
std::optional<double> NearestListed(const std::vector<double>& values, double value);

// Field 0 is the target in ohms. Writes no field, only the four captions
// "Närmast: 680 Ω (+1,9 %)", "I serie: 560 Ω + 100 Ω = 660 Ω (−1,0 %)",
// "Parallellt: 1,2 kΩ ∥ 1,5 kΩ = 666,667 Ω (−0,0 %)" and "Tre delar: 470 Ω +
// 150 Ω + 47 Ω = 667 Ω (+0,0 %)" (NearestThree). A pair farther from the target
// than the single value, and every line of a target without a nearest value,
// reads "–". Own parts with an empty list: kNoOwnPartsMessage in place of
// the nearest value and the other lines empty.
Outcome EvalCombination(const Inputs& in);

} // namespace ampero
