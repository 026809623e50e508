// SPDX-License-Identifier: GPL-3.0-or-later
// Three parts the slow way, for the core tests and the fuzz target: every
// triple of a list in each joint, written in the line's order, and the
// nearest of them by the rule NearestThree follows.
#pragma once

#include <algorithm>
#include <cmath>
#include <set>
#include <tuple>
#include <vector>

#include "core/threeparts.h"

namespace ampero::brute {

inline std::vector<ThreeParts> EveryTriple(const std::vector<double>& v) {
    std::vector<ThreeParts> all;
    for (const double a : v)
        for (const double b : v)
            for (const double c : v) {
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
    std::vector<ThreeParts> near;
    for (ThreeParts t : all)
        if ((t.distance = std::fabs(t.value - target)) <= nearest + 1e-9 * target) near.push_back(t);
    return std::ranges::min(near, {}, [](const ThreeParts& t) {
        return std::tuple(std::set(t.parts.begin(), t.parts.end()).size(), std::ranges::max(t.parts), t.joint, t.parts);
    });
}

} // namespace ampero::brute
