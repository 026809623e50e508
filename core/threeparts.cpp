// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/threeparts.h"

#include <algorithm>
#include <cmath>
#include <tuple>

#include "core/eseries.h"

namespace ampero {

namespace {

// Two combinations whose distances to the target differ by less than this
// part of the target are equally near, as two pairs are.
constexpr double kEquallyNear = 1e-9;

// Parallel parts add as conductances: every step only grows with each part,
// roundings included, so a search over one part may bisect.
double Parallel(double a, double b) { return 1.0 / (1.0 / a + 1.0 / b); }

double Joined(Joint joint, double a, double b, double c) {
    switch (joint) {
    case Joint::Series: return a + b + c;
    case Joint::Parallel: return 1.0 / (1.0 / a + 1.0 / b + 1.0 / c);
    case Joint::PlusParallelPair: return a + Parallel(b, c);
    case Joint::ParallelSeriesPair: return Parallel(a, b + c);
    }
    return 0;
}

// The search over one joint: for each first part a and second part b, the
// third part c that brings the value to the target is found by bisection,
// and it and the one before are weighed. Within the order the line writes
// (a >= b >= c in series, a <= b <= c in parallel, b <= c of a parallel
// pair, b >= c of a series pair) the value grows with b and with c, so the
// b that cannot come within the nearest distance found are passed over.
class Search {
public:
    Search(const std::vector<double>& values, double target)
        : v_(values), target_(target), noise_(kEquallyNear * target) {}

    void Run(Joint joint) {
        // c up to b (series, series pair) or from b on (parallel, parallel pair).
        const bool cBelow = joint == Joint::Series || joint == Joint::ParallelSeriesPair;
        for (auto a = v_.begin(); a != v_.end(); ++a) {
            const auto from = joint == Joint::Parallel ? a : v_.begin();
            const auto to = joint == Joint::Series ? std::next(a) : v_.end();
            const auto least = [&](double b) { return Joined(joint, *a, b, cBelow ? v_.front() : b); };
            const auto most = [&](double b) { return Joined(joint, *a, b, cBelow ? b : v_.back()); };
            // The least value of this a only grows with a.
            if (Above(least(*from))) return;
            auto b = std::ranges::partition_point(from, to, [&](double x) { return Below(most(x)); });
            for (; b != to && !Above(least(*b)); ++b) {
                const auto lo = cBelow ? v_.begin() : b, hi = cBelow ? std::next(b) : v_.end();
                const auto c =
                    std::ranges::lower_bound(lo, hi, target_, {}, [&](double x) { return Joined(joint, *a, *b, x); });
                if (c != lo) Consider(joint, *a, *b, *std::prev(c));
                if (c != hi) Consider(joint, *a, *b, *c);
            }
        }
    }

    std::optional<ThreeParts> Best() const {
        // Fewer distinct values, the smaller largest part, the joint, the parts as written.
        const auto key = [](const ThreeParts& t) {
            const auto [a, b, c] = t.parts;
            return std::tuple(1 + (b != a) + (c != a && c != b), std::max({a, b, c}), t.joint, t.parts);
        };
        if (near_.empty()) return std::nullopt;
        return *std::ranges::min_element(near_, {}, key);
    }

private:
    // A value farther than the nearest found (with the allowance), above or below the target.
    bool Above(double value) const { return value > target_ && value - target_ > nearest_ + noise_; }
    bool Below(double value) const { return value < target_ && target_ - value > nearest_ + noise_; }

    void Consider(Joint joint, double a, double b, double c) {
        const double value = Joined(joint, a, b, c), d = std::fabs(value - target_);
        if (d > nearest_ + noise_) return;
        if (d < nearest_) {
            nearest_ = d;
            std::erase_if(near_, [&](const ThreeParts& t) { return t.distance > nearest_ + noise_; });
        }
        near_.push_back({joint, {a, b, c}, value, d});
    }

    const std::vector<double>& v_;
    double target_, noise_;
    double nearest_ = INFINITY;
    std::vector<ThreeParts> near_{}; // every combination within the allowance of the nearest so far
};

} // namespace

std::optional<ThreeParts> NearestThree(const std::vector<double>& values, double target) {
    if (values.empty() || !(target > 0.0) || !std::isfinite(target)) return std::nullopt;
    Search s(values, target);
    for (const Joint j : {Joint::Series, Joint::Parallel, Joint::PlusParallelPair, Joint::ParallelSeriesPair}) s.Run(j);
    return s.Best();
}

std::string ThreePartsText(const ThreeParts& t, char decimalSep) {
    // Between a and b, before b, between b and c, after c.
    static constexpr const char* kWritten[4][4] = {
        {" + ", "", " + ", ""}, {" ∥ ", "", " ∥ ", ""}, {" + ", "(", " ∥ ", ")"}, {" ∥ ", "(", " + ", ")"}};
    const auto& w = kWritten[static_cast<int>(t.joint)];
    const auto ohms = [&](double v) { return SiText(v, "Ω", decimalSep); };
    return ohms(t.parts[0]) + w[0] + w[1] + ohms(t.parts[1]) + w[2] + ohms(t.parts[2]) + w[3] + " = " + ohms(t.value);
}

} // namespace ampero
