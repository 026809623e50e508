// Coil winding: single-layer air coil from its dimensions, or a coil on a
// core with a known AL value. l, d in cm; L in uH; AL in nH per turn squared.
#pragma once

#include <cstdint>

#include "core/outcome.h"

namespace ampero {

enum CoilField { CoilLength = 0, CoilDiameter = 1, CoilL = 2, CoilN = 3 };

inline constexpr const char* kALMissingMessage = "AL värdet måste vara ifyllt";
inline constexpr const char* kDimensionsMissingMessage = " Längd och Diameter måste vara ifyllda";

float CalcCoilInductance(float l, float d, float n);     // 3 decimals
float CalcCoilTurns(float l, float d, float inductance); // 1 decimal
float CalcInductanceFromAL(float al, float n);           // 3 decimals
float CalcTurnsFromAL(float al, float inductance);       // 1 decimal

// fields: Coil(0..3) texts. selection 3: N; 4: L.
Outcome EvalCoilWinding(int32_t selection, const FieldTexts& fields);
// fields: Coil(0..3) texts (0 and 1 unused); alText: the AL field.
// selection 2: N; 3: L.
Outcome EvalCoilFromAL(int32_t selection, const std::string& alText, const FieldTexts& fields);

} // namespace ampero
