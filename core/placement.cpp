// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/placement.h"

#include <cmath>

namespace ampero {

int64_t CenteredOrigin(double screenSize, double windowSize) {
    double diff = std::nearbyint(screenSize - windowSize);
    if (!std::isfinite(diff) || std::fabs(diff) > 9.0e15) return 0;
    return static_cast<int64_t>(diff) / 2;
}

} // namespace ampero
