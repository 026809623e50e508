// SPDX-License-Identifier: GPL-3.0-or-later
// The two calculators of part markings: reading what is printed on a part,
// and the two-resistor combinations with the bands and SMD code of the
// nearest part.
#pragma once

#include "core/combination.h"
#include "core/outcome.h"

namespace ampero {

// The marking reader's captions: the line "472 = 4,7 kΩ  ·  gul violett röd
// guld", and what the picture shows: the band names ("inga färgband" for a
// bare body), or "kondensator:" and the code.
enum MarkingCaption { MarkingLine = 0, MarkingPicture = 1 };
inline constexpr const char* kCapacitorPicture = "kondensator:";

// Field 0 is the marking as typed; the variant 1 reads it as a capacitor's.
Outcome EvalMarking(const Inputs& in);

// The combinations (EvalCombination), the nearest line followed by the
// part's bands and SMD code ("Närmast: 680 Ω (+1,9 %)  ·  blå grå brun guld
// ·  SMD 681"), and the nearest part's band names in caption 3 for its picture
// ("" where there is no nearest part). An own part has the bands of its
// significant digits (one or two give four bands, three five, more none) and an SMD
// code only where it is an E24 value (three digits or the letter code) or
// else an E96 value (EIA-96).
inline constexpr int kCombinationPicture = CombPicture;
Outcome EvalCombinationWithParts(const Inputs& in);

} // namespace ampero
