// SPDX-License-Identifier: GPL-3.0-or-later
// Every calculator of the window as one row: what it is called, how many
// fields it has, when it evaluates and which routines it runs. The window
// builds its pages from these rows; the fuzzers and the key storm walk them.
#pragma once

#include <span>
#include <string_view>

#include "core/outcome.h"
#include "core/values.h"

namespace ampero {

struct CalculatorInfo {
    const char* name;     // the field array's name: "Ohm", "RC555", "iRes" …
    int fieldCount;       // fields by index 0 .. fieldCount - 1
    int confirmLimit;     // keys are discarded at this many confirmations; 0: no confirming
    int minConfirmed;     // evaluates with at least this many; 0: with any number
    bool acceptsMinus;    // the minus key is typed, for negative values
    Evaluator eval;       // the evaluation routine
    EntryRule rule;       // checked before evaluating; nullptr: none
    // The unit of each field as its caption gives it, one token per field
    // separated by single blanks ("Ω V W A", "MHz pF Ω"); "-" (or past the
    // end) a field without a unit. Read with UnitOf.
    const char* units = "";
    // What each result field holds, for the nearest standard values: one
    // letter per field, R ohms, K kilo-ohms, N nanofarads, P picofarads,
    // X a number in the user's own unit, "-" (or past the end) nothing.
    const char* standards = "";
    int currentField = -1; // the current in mA, for a resistor's power rating
};

// The unit of field `field` of the row (UnitFrom of its token); a field
// past the tokens has no unit.
FieldUnit UnitOf(const CalculatorInfo& c, int field);

// All calculators, in the order of the pages and their tabs.
std::span<const CalculatorInfo> Calculators();

// The row of the calculator with this name; std::out_of_range for a name
// that is not in the table (a typo in the window's descriptions).
const CalculatorInfo& FindCalculator(std::string_view name);

// The hint under the page after an evaluation: the nearest standard values of
// the first result that is a resistance or a capacitance (with the resistor's
// power where the row names its current), and the field it speaks of; empty
// text and field -1 where there is none.
struct StandardHint {
    std::string text;
    int field = -1;
    double ohms = 0; // the resistance the line speaks of, in ohms; 0 where it speaks of none
};
StandardHint StandardHintFor(const CalculatorInfo& c, const Inputs& in, const Outcome& out);

} // namespace ampero
