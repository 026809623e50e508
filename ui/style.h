// SPDX-License-Identifier: GPL-3.0-or-later
// The look every Ampero window shares: Fusion style, the window's palette.
#pragma once

namespace ampero::ui {

void SetupApplicationLook();

// A menu bar's property: a map from a title to the number of blanks the
// style draws before it (the title itself has none).
inline constexpr const char* kLeadingBlanks = "leadingBlanks";

} // namespace ampero::ui
