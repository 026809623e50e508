// SPDX-License-Identifier: GPL-3.0-or-later
// Coil winding: single-layer air coil from its dimensions, or a coil on a
// core with a known AL value. l, d in cm; L in uH; AL in nH per turn squared.
#pragma once


#include "core/outcome.h"
#include "core/wording.h"

namespace ampero {

enum CoilField { CoilLength = 0, CoilAL = 0, CoilDiameter = 1, CoilL = 2, CoilN = 3 };

inline constexpr const char* kALMissingMessage =
    QT_TRANSLATE_NOOP("Ampero", "AL värdet måste vara ifyllt");
inline constexpr const char* kDimensionsMissingMessage =
    QT_TRANSLATE_NOOP("Ampero", " Längd och Diameter måste vara ifyllda");

float CalcCoilInductance(float l, float d, float n);     // 3 decimals
float CalcCoilTurns(float l, float d, float inductance); // 1 decimal
float CalcInductanceFromAL(float al, float n);           // 3 decimals
float CalcTurnsFromAL(float al, float inductance);       // 1 decimal

// fields: length, diameter, L, N. selection 3: N; 4: L.
Outcome EvalCoilWinding(const Inputs& in);
// fields: AL (in the length's place), unused, L, N. selection 2: N; 3: L.
Outcome EvalCoilFromAL(const Inputs& in);

// The entry rules checked before evaluating: the length and the diameter
// must be filled in; the AL value must be filled in (else "Ny" follows).
std::optional<Stop> CoilDimensionsRule(const Inputs& in);
std::optional<Stop> CoilALRule(const Inputs& in);

} // namespace ampero
