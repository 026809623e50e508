// SPDX-License-Identifier: GPL-3.0-or-later
// The combinations of two and three resistors, from a series or the own
// parts, and the series values they draw from.
#include "core/calculators.h"
#include "core/combination.h"
#include "tests/core/rows.h"
#include "tests/core/threebrute.h"

namespace ampero {
namespace {

// The target in ohms, the variant (3 own parts); the lines nearest, in series, parallel, of three parts; the own parts.
ROW(CombRow, const char* target; int series; std::array<const char*, 4> lines; std::vector<double> own{};)

const CombRow kComb[] = {
    {"E12_667", "667", 0, {"Närmast: 680 Ω (+1,9 %)", "I serie: 560 Ω + 100 Ω = 660 Ω (−1,0 %)", "Parallellt: 1,2 kΩ ∥ 1,5 kΩ = 666,667 Ω (−0,0 %)", "Tre delar: 470 Ω + 150 Ω + 47 Ω = 667 Ω (+0,0 %)"}},
    {"E24_667", "667", 1, {"Närmast: 680 Ω (+1,9 %)", "I serie: 620 Ω + 47 Ω = 667 Ω (+0,0 %)", "Parallellt: 1 kΩ ∥ 2 kΩ = 666,667 Ω (−0,0 %)", "Tre delar: 470 Ω + 150 Ω + 47 Ω = 667 Ω (+0,0 %)"}},
    {"E96_667", "667", 2, {"Närmast: 665 Ω (−0,3 %)", "I serie: 665 Ω + 2 Ω = 667 Ω (+0,0 %)", "Parallellt: 681 Ω ∥ 32,4 kΩ = 666,981 Ω (−0,0 %)", "Tre delar: 226 Ω + 226 Ω + 215 Ω = 667 Ω (+0,0 %)"}},
    {"E12_670TieLargerFirstLowerSum", "670", 0, {"Närmast: 680 Ω (+1,5 %)", "I serie: 560 Ω + 100 Ω = 660 Ω (−1,5 %)", "Parallellt: 680 Ω ∥ 47 kΩ = 670,302 Ω (+0,0 %)", "Tre delar: 330 Ω + 330 Ω + 10 Ω = 670 Ω (+0,0 %)"}},
    {"E12_670NearerByMoreThanNoise", "670.0000005", 0, {"Närmast: 680 Ω (+1,5 %)", "I serie: 560 Ω + 120 Ω = 680 Ω (+1,5 %)", "Parallellt: 680 Ω ∥ 47 kΩ = 670,302 Ω (+0,0 %)", "Tre delar: 330 Ω + 330 Ω + 10 Ω = 670 Ω (−0,0 %)"}},
    {"E12_ParallelEquallyNearSmallerFirst", "667.50672042", 0, {"Närmast: 680 Ω (+1,9 %)", "I serie: 560 Ω + 100 Ω = 660 Ω (−1,1 %)", "Parallellt: 680 Ω ∥ 39 kΩ = 668,347 Ω (+0,1 %)", "Tre delar: 1,5 kΩ ∥ (1,2 kΩ + 2,7 Ω) = 667,499 Ω (−0,0 %)"}},
    {"E12_500EqualParts", "500", 0, {"Närmast: 470 Ω (−6,0 %)", "I serie: 470 Ω + 27 Ω = 497 Ω (−0,6 %)", "Parallellt: 1 kΩ ∥ 1 kΩ = 500 Ω (+0,0 %)", "Tre delar: 1,5 kΩ ∥ 1,5 kΩ ∥ 1,5 kΩ = 500 Ω (+0,0 %)"}},
    {"E96_500TieSmallerFirstOneOhm", "500", 2, {"Närmast: 499 Ω (−0,2 %)", "I serie: 499 Ω + 1 Ω = 500 Ω (+0,0 %)", "Parallellt: 750 Ω ∥ 1,5 kΩ = 500 Ω (+0,0 %)", "Tre delar: 750 Ω ∥ (750 Ω + 750 Ω) = 500 Ω (+0,0 %)"}},
    {"E12_680PairAsNearAsSingle", "680", 0, {"Närmast: 680 Ω (+0,0 %)", "I serie: 560 Ω + 120 Ω = 680 Ω (+0,0 %)", "Parallellt: –", "Tre delar: 270 Ω + (820 Ω ∥ 820 Ω) = 680 Ω (+0,0 %)"}},
    {"E12_20MTwoLargest", "20000000", 0, {"Närmast: 22 MΩ (+10,0 %)", "I serie: 10 MΩ + 10 MΩ = 20 MΩ (+0,0 %)", "Parallellt: –", "Tre delar: 10 MΩ + 8,2 MΩ + 1,8 MΩ = 20 MΩ (+0,0 %)"}},
    {"E12_JustBelowOneOhm", "0.9999999", 0, {"Närmast: 1 Ω (+0,0 %)", "I serie: –", "Parallellt: 1 Ω ∥ 10 MΩ = 1 Ω (+0,0 %)", "Tre delar: 1 Ω ∥ (10 MΩ + 1 Ω) = 1 Ω (+0,0 %)"}},
    {"E12_3R9ExactSumAsIn39", "3.9", 0, {"Närmast: 3,9 Ω (+0,0 %)", "I serie: 2,7 Ω + 1,2 Ω = 3,9 Ω (+0,0 %)", "Parallellt: –", "Tre delar: 1,5 Ω + 1,2 Ω + 1,2 Ω = 3,9 Ω (+0,0 %)"}},
    {"E24_1OhmExactParallel", "1", 1, {"Närmast: 1 Ω (+0,0 %)", "I serie: –", "Parallellt: 1,1 Ω ∥ 11 Ω = 1 Ω (+0,0 %)", "Tre delar: 1,5 Ω ∥ (1,5 Ω + 1,5 Ω) = 1 Ω (+0,0 %)"}},
    {"E12_HalfOhmInOhms", "0.5", 0, {"Närmast: 0,47 Ω (−6,0 %)", "I serie: –", "Parallellt: 1 Ω ∥ 1 Ω = 0,5 Ω (+0,0 %)", "Tre delar: 1,5 Ω ∥ 1,5 Ω ∥ 1,5 Ω = 0,5 Ω (+0,0 %)"}},
    {"E12_2500FewerDistinctThenSmallerLargest", "2500", 0, {"Närmast: 2,7 kΩ (+8,0 %)", "I serie: 1,5 kΩ + 1 kΩ = 2,5 kΩ (+0,0 %)", "Parallellt: 2,7 kΩ ∥ 33 kΩ = 2,4958 kΩ (−0,2 %)", "Tre delar: 1,2 kΩ + 1,2 kΩ + 100 Ω = 2,5 kΩ (+0,0 %)"}},
    {"E12_100kOneValueWithinRounding", "100000", 0, {"Närmast: 100 kΩ (+0,0 %)", "I serie: 82 kΩ + 18 kΩ = 100 kΩ (+0,0 %)", "Parallellt: –", "Tre delar: 150 kΩ ∥ (150 kΩ + 150 kΩ) = 100 kΩ (+0,0 %)"}},
    {"OwnEmpty", "667", 3, {"Inga egna delar – välj Ändra…", "", "", ""}},
    {"OwnOneValueTwiceAndThrice", "1500", 3, {"Närmast: 1 kΩ (−33,3 %)", "I serie: 1 kΩ + 1 kΩ = 2 kΩ (+33,3 %)", "Parallellt: –", "Tre delar: 1 kΩ + (1 kΩ ∥ 1 kΩ) = 1,5 kΩ (+0,0 %)"}, {1000}},
    {"OwnLogTieToHigher", "200", 3, {"Närmast: 400 Ω (+100,0 %)", "I serie: 100 Ω + 100 Ω = 200 Ω (+0,0 %)", "Parallellt: 400 Ω ∥ 400 Ω = 200 Ω (+0,0 %)", "Tre delar: 100 Ω + (100 Ω ∥ 400 Ω) = 180 Ω (−10,0 %)"}, {100, 400}},
    {"OwnFewerDistinctBeforeSmallerLargest", "11", 3, {"Närmast: 7 Ω (−36,4 %)", "I serie: 7 Ω + 4 Ω = 11 Ω (+0,0 %)", "Parallellt: –", "Tre delar: 7 Ω + 2 Ω + 2 Ω = 11 Ω (+0,0 %)"}, {2, 4, 5, 7}},
    {"OwnTiesLargerFirstSmallerLargest", "50", 3, {"Närmast: 40 Ω (−20,0 %)", "I serie: 40 Ω + 10 Ω = 50 Ω (+0,0 %)", "Parallellt: –", "Tre delar: 20 Ω + 20 Ω + 10 Ω = 50 Ω (+0,0 %)"}, {10, 20, 30, 40}},
    {"ZeroNoNearest", "0", 1, {"Närmast: –", "I serie: –", "Parallellt: –", "Tre delar: –"}},
};

class Combination : public testing::TestWithParam<CombRow> {};
TEST_P(Combination, Lines) {
    const CombRow& r = GetParam();
    const Outcome out = EvalCombination({.fields = {r.target}, .variant = r.series, .decimalSep = ',', .ownParts = r.own});
    EXPECT_EQ(out, (Outcome{.captions = {{CombNearest, r.lines[0]}, {CombSeries, r.lines[1]}, {CombParallel, r.lines[2]}, {CombThree, r.lines[3]}}}));
}
ROWS(Komb, Combination, kComb);

// Three parts against every triple, for whole targets from 5 Ω to 3 kΩ, 40 evenly on the log scale.
ROW(TriplesRow, std::vector<double> values;)
const TriplesRow kTriples[] = {{"E6TwoDecades", SeriesValues(ESeries::E6, 10, 820)},
                               {"E12TwoDecades", SeriesValues(ESeries::E12, 10, 820)},
                               {"OwnUneven", {1, 2.2, 3, 7.5, 10, 47, 100, 330, 1000}}};
class Three : public testing::TestWithParam<TriplesRow> {};
TEST_P(Three, AsEveryTriple) {
    const std::vector<ThreeParts> all = brute::EveryTriple(GetParam().values);
    for (int k = 0; k < 40; ++k) {
        const double target = std::round(5 * std::pow(600, k / 39.0));
        const ThreeParts got = NearestThree(GetParam().values, target).value(), want = brute::Nearest(all, target);
        EXPECT_NEAR(got.distance, want.distance, 1e-9 * target) << target;
        EXPECT_EQ(ThreePartsText(got, ','), ThreePartsText(want, ',')) << target;
    }
}
ROWS(Komb, Three, kTriples);

ROW(ValuesRow, ESeries series; double from, to; std::vector<double> values;)
const ValuesRow kValues[] = {
    {"E12OneDecadeBothEnds", ESeries::E12, 1, 10, {1, 1.2, 1.5, 1.8, 2.2, 2.7, 3.3, 3.9, 4.7, 5.6, 6.8, 8.2, 10}},
    {"E96Thousandths", ESeries::E96, 0.1, 0.11, {0.1, 0.102, 0.105, 0.107, 0.11}},
    {"E24BetweenValues", ESeries::E24, 4.8e6, 6e6, {5.1e6, 5.6e6}},
};
class Values : public testing::TestWithParam<ValuesRow> {};
TEST_P(Values, Listed) { EXPECT_EQ(SeriesValues(GetParam().series, GetParam().from, GetParam().to), GetParam().values); }
ROWS(Series, Values, kValues);

} // namespace
} // namespace ampero
