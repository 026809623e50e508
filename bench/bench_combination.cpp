// SPDX-License-Identifier: GPL-3.0-or-later
// What one evaluation of the two-resistor combinations costs, per series and
// for targets across the range: the median and the mean of many runs (the
// slowest run says more about the other loads on the machine); and what the
// search for three parts alone costs over E96.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

#include "core/combination.h"
#include "core/numrules.h"
#include "core/threeparts.h"

using namespace ampero;

namespace {

using Clock = std::chrono::steady_clock;

// Runs `once` `runs` times; the median and the mean in µs.
std::pair<double, double> Time(int runs, const std::function<size_t()>& once, size_t& written) {
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        const auto start = Clock::now();
        written += once();
        times.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    }
    double total = 0;
    for (const double t : times) total += t;
    std::nth_element(times.begin(), times.begin() + runs / 2, times.end());
    return {times[static_cast<size_t>(runs / 2)], total / runs};
}

} // namespace

int main() {
    constexpr int kRuns = 200, kThreeRuns = 21;
    const char* const targets[] = {"0.3", "4.7", "667", "33333", "1500000", "20000000"};
    const char* const names[] = {"E12", "E24", "E96"};
    size_t written = 0; // keeps the evaluations from being left out
    double worstMedian = 0;
    std::printf("EvalCombination, µs per evaluation over %d runs\n%-6s %10s %10s %10s\n", kRuns, "series", "target", "median", "mean");
    for (int series = 0; series < 3; ++series) {
        for (const char* target : targets) {
            const Inputs in{.fields = {target}, .confirmed = {true}, .variant = series, .decimalSep = ','};
            const auto [median, mean] = Time(kRuns, [&] { return EvalCombination(in).captions.size(); }, written);
            worstMedian = std::max(worstMedian, median);
            std::printf("%-6s %10s %10.1f %10.1f\n", names[series], target, median, mean);
        }
    }
    std::printf("largest median: %.1f µs (each must stay within 5000 µs)\n\n", worstMedian);

    // The three parts alone: E96 from 1 Ω to 10 MΩ.
    const std::vector<double> e96 = SeriesValues(ESeries::E96, kSmallestResistor, kLargestResistor);
    double worstThree = 0;
    std::printf("NearestThree over E96 (%zu values), ms per search over %d runs\n%10s %10s %10s  %s\n", e96.size(),
                kThreeRuns, "target", "median", "mean", "found");
    for (const char* target : targets) {
        const double t = ParsePrefix(target);
        const auto [median, mean] = Time(kThreeRuns, [&] { return NearestThree(e96, t).has_value() ? size_t{1} : 0; }, written);
        worstThree = std::max(worstThree, median / 1000);
        std::printf("%10s %10.2f %10.2f  %s\n", target, median / 1000, mean / 1000,
                    ThreePartsText(*NearestThree(e96, t), '.').c_str());
    }
    std::printf("largest median: %.2f ms (each must stay within 50 ms)%s\n", worstThree, written ? "" : " ?");
    return 0;
}
