// SPDX-License-Identifier: GPL-3.0-or-later
// The rules around the evaluations: the entry rules,
// the NE 555 field acceptance, the microfarad caption and the colour code.
#include <stdexcept>

#include "core/calculators.h"
#include "core/capacitive.h"
#include "core/coilwinding.h"
#include "core/colourcode.h"
#include "core/impedance.h"
#include "core/ne555.h"
#include "tests/core/rows.h"

namespace ampero {
namespace {

ROW(StopRow, const char* calc; FieldTexts fields; const char* message; bool clear;)  // message nullptr: goes on
ROW(RefusalRow, int index; const char* text; const char* message;)                  // message nullptr: accepted
// The counter and the field text before the clicks, the digits clicked, the
// text after them, the band each click set (-1 none) and the counter after.
ROW(ClickRow, int32_t count; const char* text; std::vector<int> digits; const char* after; std::vector<int> bands; int32_t countAfter;)

constexpr const char* kRange = "Endast heltal 1 - 3300 tillåtet";
constexpr const char* kMinC = "Endast heltal >= 1 tillåtet";
constexpr const char* kMaxF = "300000 är max tillåtet";

const StopRow kStops[] = {
    {"CoilLengthEmpty", "Coil", {"", "1", "4", ""}, kDimensionsMissingMessage, false},
    {"CoilDimensionsFilled", "Coil", {"5", "1", "", ""}, nullptr, false},
    {"ALEmpty", "AL", {"", "3", "100", ""}, kALMissingMessage, true},
    {"ALFilled", "AL", {"250", "", "", ""}, nullptr, false},
    {"FrequencyEmpty", "iRes", {"100", "", "100", "5"}, kFrequencyMissingMessage, true},
    {"FrequencyFilled", "iRes", {"", "1", "", ""}, nullptr, false},
};

const RefusalRow kRefusals[] = {
    {"RaMax", 0, "3300", nullptr},
    {"RaAboveMax", 0, "3301", kRange},
    {"RaFractionAboveMax", 0, "3300.1", kRange},
    {"RaMin", 0, "1", nullptr},
    {"RaBelowMin", 0, "0.999", kRange},
    {"RaFraction", 0, "2.5", nullptr},
    {"RbZero", 1, "0", kRange},
    {"CMin", 2, "1", nullptr},
    {"CBelowMin", 2, "0.9", kMinC},
    {"CSaturated", 2, "1E400", nullptr},
    {"FMax", 3, "300000", nullptr},
    {"FFractionAtMax", 3, "300000.9", nullptr},
    {"FAboveMax", 3, "300001", kMaxF},
    {"NoSuchField", 4, "", nullptr},
};

// Shown from four characters on: the value in microfarad.
const TextRow kCaptions[] = {
    {"FourCharacters", [] { return MicrofaradCaption("1000"); }, "0.001"},
    {"Comma", [] { return MicrofaradCaption("2200", ','); }, "0,0022"},
    {"ThreeCharacters", [] { return MicrofaradCaption("999"); }, ""},
    {"PrefixRule", [] { return MicrofaradCaption("1.5."); }, "0.0000015"},
    {"ThreeCharactersFourBytes", [] { return MicrofaradCaption("\xC2\xB5" "12"); }, ""},
    {"FourCharactersFiveBytes", [] { return MicrofaradCaption("\xC2\xB5" "123"); }, "0"},
};

const ClickRow kClicks[] = {
    {"FourKSeven", 0, "typed", {4, 7, 2}, "4700", {0, 1, 2}, 0},
    {"LeadingBlack", 0, "470", {0, 2, 2}, "200", {-1, 1, 2}, 0},
    {"AllWhite", 0, "", {9, 9, 9}, "99000000000", {0, 1, 2}, 0},
    {"SecondValueStartsEmpty", 0, "", {4, 7, 2, 1, 0, 1}, "100", {0, 1, 2, 0, 1, 2}, 0},
    {"TwoClicks", 0, "", {5, 6}, "56", {0, 1}, 2},
    {"LeadingBlackOnly", 0, "470", {0}, "", {-1}, 1},
    {"TypedTextKeptAfterFirst", 1, "33", {9, 2}, "33900", {1, 2}, 0},
    {"TypedTextKeptAfterSecond", 2, "339x", {2}, "339x00", {2}, 0},
    {"CounterNegative", -1, "12", {5}, "5", {0}, 1},
    {"CounterLargest", INT32_MAX, "12", {5}, "5", {0}, 1},
    {"NoSwatchAbove", 1, "4", {10}, "4", {-1}, 1},
};

// A name that is no calculator's is a fault in the window's descriptions.
TEST(Calculators, UnknownNameThrows) { EXPECT_THROW(FindCalculator("Nope"), std::out_of_range); }

class Stops : public testing::TestWithParam<StopRow> {};
TEST_P(Stops, BeforeEvaluating) {
    const StopRow& r = GetParam();
    const std::optional<Stop> stop = FindCalculator(r.calc).rule(Inputs{r.fields});
    ASSERT_EQ(stop.has_value(), r.message != nullptr);
    if (stop) {
        EXPECT_EQ(stop->message, r.message);
        EXPECT_EQ(stop->clear, r.clear);
    }
}
ROWS(EntryRule, Stops, kStops);

class Refusal : public testing::TestWithParam<RefusalRow> {};
TEST_P(Refusal, OnEnter) {
    const std::optional<std::string> m = NE555Refusal(GetParam().index, GetParam().text);
    EXPECT_EQ(m.value_or("accepted"), GetParam().message ? GetParam().message : "accepted");
}
ROWS(NE555, Refusal, kRefusals);

class Caption : public testing::TestWithParam<TextRow> {};
TEST_P(Caption, Microfarad) { EXPECT_EQ(GetParam().compute(), GetParam().expected); }
ROWS(Capacitive, Caption, kCaptions);

class Clicks : public testing::TestWithParam<ClickRow> {};
TEST_P(Clicks, BuildTheValue) {
    const ClickRow& r = GetParam();
    int32_t count = r.count;
    std::string text = r.text;
    std::vector<int> bands;
    for (int digit : r.digits) {
        const ColourClickResult click = ApplyColourClick(count, digit, text);
        bands.push_back(click.band);
        EXPECT_EQ(click.complete, click.band == 2) << "the third band completes the value";
    }
    EXPECT_EQ(text, r.after);
    EXPECT_EQ(bands, r.bands);
    EXPECT_EQ(count, r.countAfter);
}
ROWS(ColourCode, Clicks, kClicks);

} // namespace
} // namespace ampero
