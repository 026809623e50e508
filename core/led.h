// SPDX-License-Identifier: GPL-3.0-or-later
// Series resistor of one or more LEDs in series.
#pragma once

#include <optional>
#include <string>

#include "core/outcome.h"

namespace ampero {

// fields: supply voltage (V), forward voltage (V), current (mA), count.
// Returns the text for the result field (whole ohms, "-" when negative), or
// nothing when the field must keep its text (count without a leading number,
// current 0, result outside the 32-bit range).
std::optional<std::string> CalcLedSeriesResistor(const FieldTexts& fields);

// The same as an evaluation: the resistance into field 4, or nothing.
Outcome EvalLedSeriesResistor(const Inputs& in);

} // namespace ampero
