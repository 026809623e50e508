// SPDX-License-Identifier: GPL-3.0-or-later
// Three resistors for one value: the nearest of the four ways of joining
// three parts drawn from a list.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace ampero {

// How three parts are joined, in the order a tie prefers them.
enum class Joint {
    Series,            // a + b + c,       a >= b >= c
    Parallel,          // a ∥ b ∥ c,       a <= b <= c
    PlusParallelPair,  // a + (b ∥ c),     b <= c
    ParallelSeriesPair // a ∥ (b + c),     b >= c
};

// Three parts as the line writes them, left to right, and what they make.
struct ThreeParts {
    Joint joint{};
    std::array<double, 3> parts{};
    double value{};
    double distance{}; // |value − target|
};

// The combination of three parts of `values` (ascending, each above 0; a
// value may serve more than once) nearest to `target`. Of combinations
// equally near (their distances differ by less than 1E-9 of the target) the
// one with fewer distinct values wins, then the one with the smaller largest
// part, then the joint in the order of Joint, then the smaller parts as
// written, left to right. Empty for an empty list or a target not above 0.
std::optional<ThreeParts> NearestThree(const std::vector<double>& values, double target);

// "1 kΩ + (2,2 kΩ ∥ 4,7 kΩ) = 2,49855 kΩ": the parts and the value written
// with SiText.
std::string ThreePartsText(const ThreeParts& t, char decimalSep);

} // namespace ampero
