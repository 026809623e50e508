// SPDX-License-Identifier: GPL-3.0-or-later
// What one evaluation of the two-resistor combinations costs, per series and
// for targets across the range: the median and the mean of many runs (the
// slowest run says more about the other loads on the machine).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "core/combination.h"

using namespace ampero;

int main() {
    using Clock = std::chrono::steady_clock;
    constexpr int kRuns = 200;
    const char* const targets[] = {"0.3", "4.7", "667", "33333", "1500000", "20000000"};
    const char* const names[] = {"E12", "E24", "E96"};
    double worstMedian = 0;
    std::printf("EvalCombination, µs per evaluation over %d runs\n%-6s %10s %10s %10s\n", kRuns, "series", "target", "median", "mean");
    for (int series = 0; series < 3; ++series) {
        for (const char* target : targets) {
            const Inputs in{.fields = {target}, .confirmed = {true}, .variant = series, .decimalSep = ','};
            std::vector<double> times;
            size_t written = 0; // keeps the evaluations from being left out
            for (int run = 0; run < kRuns; ++run) {
                const auto start = Clock::now();
                const Outcome out = EvalCombination(in);
                times.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
                written += out.captions.size();
            }
            double total = 0;
            for (const double t : times) total += t;
            std::nth_element(times.begin(), times.begin() + kRuns / 2, times.end());
            const double median = times[kRuns / 2];
            worstMedian = std::max(worstMedian, median);
            std::printf("%-6s %10s %10.1f %10.1f%s\n", names[series], target, median, total / kRuns, written ? "" : " ?");
        }
    }
    std::printf("largest median: %.1f µs (each must stay within 5000 µs)\n", worstMedian);
    return 0;
}
