// SPDX-License-Identifier: GPL-3.0-or-later
// NE 555 timer as an astable multivibrator: Ra, Rb (kOhm), C (nF), f (Hz).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/outcome.h"
#include "core/wording.h"

namespace ampero {

enum NE555Field { NE555Ra = 0, NE555Rb = 1, NE555C = 2, NE555F = 3 };
// The result captions: high time, low time and the on/off split.
enum NE555Caption { NE555HighTime = 0, NE555LowTime = 1, NE555Split = 2 };

inline constexpr const char* kNegativeResultMessage =
    QT_TRANSLATE_NOOP("Ampero", "Negativt resultat fungerar inte");

double CalcNE555Frequency(double ra, double rb, double c);
double CalcNE555Capacitance(double ra, double rb, double f);
// Whole kOhm; `negative` is set when the message must be shown (result 0).
int32_t CalcNE555Rb(double ra, double c, double f, bool& negative);
int32_t CalcNE555Ra(double rb, double c, double f, bool& negative);
// Display texts of tH and tL ("762.3us", "6.5ms"), with the given separator.
std::string CalcNE555HighTime(double ra, double rb, double c, char decimalSep = '.');
std::string CalcNE555LowTime(double ra, double rb, double c, char decimalSep = '.');

// Any three confirmed fields give the fourth. The outcome holds the computed
// field, the message if any, and the captions high time, low time and split,
// written with the inputs' decimal separator.
Outcome EvalNE555(const Inputs& in);

// The acceptance test of a field on Enter (the same for the tH/tL fields):
// the refusal message, or nothing when the value is accepted.
std::optional<std::string> NE555Refusal(int index, const std::string& text);

} // namespace ampero
