// SPDX-License-Identifier: GPL-3.0-or-later
// Voltage divider: Uin over R1 and R2 in series, Uut across R2.
#pragma once

#include "core/outcome.h"
#include "core/wording.h"

namespace ampero {

enum DividerField { DividerUin = 0, DividerR1 = 1, DividerR2 = 2, DividerUut = 3 };

inline constexpr const char* kDividerPositiveMessage =
    QT_TRANSLATE_NOOP("Ampero", "Alla värden måste vara större än noll");
inline constexpr const char* kDividerOrderMessage =
    QT_TRANSLATE_NOOP("Ampero", "Uut måste vara mindre än Uin");
inline constexpr const char* kDividerChoiceMessage =
    QT_TRANSLATE_NOOP("Ampero", "Bekräfta tre värden, eller Uin och Uut för bästa par");

// Three confirmed values give the fourth (6 decimals, 0 on a fault). Uin and
// Uut alone give the best pair of the series the variant chooses (0 E12,
// 1 E24, 2 E96; R2 from 10 kΩ to below 100 kΩ) in R1 and R2, with the note
// "Bästa par ur E24: R1 47 kΩ och R2 91 kΩ ger 3,297 V (−0,1 %)", or of the
// own parts (variant 3; any of them R1 or R2): "Bästa par ur egna delar: …",
// and kNoOwnPartsMessage while there are none. Anything else answers with a
// message.
Outcome EvalDivider(const Inputs& in);

} // namespace ampero
