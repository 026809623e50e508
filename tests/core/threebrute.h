// SPDX-License-Identifier: GPL-3.0-or-later
// Three parts the slow way: every triple of a list in each of the four
// joints, written in the line's order, and the nearest by the same rule as
// NearestThree. The core tests and the fuzz target check the search with it.
#pragma once

#include <algorithm>
#include <cmath>
#include <set>
#include <tuple>
#include <vector>

#include "core/threeparts.h"

namespace ampero::brute {

inline std::vector<ThreeParts> EveryTriple(const std::vector<double>& values) {
    std::vector<ThreeParts> all;
    for (const double a : values)
        for (const double b : values)
            for (const double c : values) {
                if (a >= b && b >= c) all.push_back({Joint::Series, {a, b, c}, a + b + c});
                if (a <= b && b <= c) all.push_back({Joint::Parallel, {a, b, c}, a * b * c / (a * b + a * c + b * c)});
                if (b <= c) all.push_back({Joint::PlusParallelPair, {a, b, c}, a + b * c / (b + c)});
                if (b >= c) all.push_back({Joint::ParallelSeriesPair, {a, b, c}, a * (b + c) / (a + b + c)});
            }
    return all;
}

inline ThreeParts Nearest(const std::vector<ThreeParts>& all, double target) {
    double nearest = INFINITY;
    for (const ThreeParts& t : all) nearest = std::min(nearest, std::fabs(t.value - target));
    const auto key = [&](const ThreeParts& t) {
        return std::tuple(std::fabs(t.value - target) > nearest + 1e-9 * target,
                          std::set(t.parts.begin(), t.parts.end()).size(), std::ranges::max(t.parts), t.joint, t.parts);
    };
    ThreeParts best = all.front();
    for (const ThreeParts& t : all)
        if (std::fabs(t.value - target) <= nearest + 1e-9 * target && key(t) < key(best)) best = t;
    best.distance = std::fabs(best.value - target);
    return best;
}

} // namespace ampero::brute
