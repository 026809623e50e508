// SPDX-License-Identifier: GPL-3.0-or-later
// Where the window goes at start: centred on the screen.
#pragma once

#include <cstdint>

namespace ampero {

// (screen - window) rounded to a whole number, then halved with a whole-
// number division that truncates toward zero. Negative when the window is
// larger than the screen.
int64_t CenteredOrigin(double screenSize, double windowSize);

} // namespace ampero
