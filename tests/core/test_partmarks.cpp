// SPDX-License-Identifier: GPL-3.0-or-later
// The marking reader and the combinations with the nearest part's bands and
// SMD code, through their rows of the calculators table.
#include "core/calculators.h"
#include "core/partmarks.h"
#include "tests/core/rows.h"

namespace ampero {
namespace {

// The calculator, the field text and the variant; caption 0 and the picture's text; the own parts.
ROW(PartRow, const char* calc; const char* text; int variant; const char* line; const char* picture; std::vector<double> own{};)
const PartRow kParts[] = {
    {"NearestE12", "Komb", "667", 0, "Närmast: 680 Ω (+1,9 %)  ·  blå grå brun guld  ·  SMD 681", "blå grå brun guld"},
    {"NearestE96", "Komb", "667", 2, "Närmast: 665 Ω (−0,3 %)  ·  blå blå grön svart brun  ·  SMD 80A", "blå blå grön svart brun"},
    {"NearestUnderTenOhms", "Komb", "4.6", 1, "Närmast: 4,7 Ω (+2,2 %)  ·  gul violett guld guld  ·  SMD 4R7", "gul violett guld guld"},
    {"NoNearestNoParts", "Komb", "0", 1, "Närmast: –", ""},
    {"OwnSingleDigitE24CodeBeforeE96", "Komb", "1100", 3, "Närmast: 1 kΩ (−9,1 %)  ·  brun svart röd guld  ·  SMD 102", "brun svart röd guld", {1000, 4990}},
    {"OwnE96Code", "Komb", "5000", 3, "Närmast: 4,99 kΩ (−0,2 %)  ·  gul vit vit brun brun  ·  SMD 68B", "gul vit vit brun brun", {1000, 4990}},
    {"OwnNoStandardNoCodeBelowOneOhm", "Komb", "0.2", 3, "Närmast: 0,25 Ω (+25,0 %)  ·  röd grön silver guld", "röd grön silver guld", {0.25}},
    {"OwnSmallestTarget", "Komb", "1E-15", 3, "Närmast: 1 fΩ (+0,0 %)  ·  inga färgband", "inga färgband", {1e-15}},
    {"OwnTargetBeyondLargest", "Komb", "1.5E15", 3, "Närmast: –", "", {1e15}},
    {"OwnFourDigitsNoBands", "Komb", "1000", 3, "Närmast: 1,234 kΩ (+23,4 %)  ·  inga färgband", "inga färgband", {1234}},
    {"OwnEmpty", "Komb", "1000", 3, "Inga egna delar – välj Ändra…", ""},
    {"ResistorWithBands", "Mark", " 472 ", 0, "472 = 4,7 kΩ  ·  gul violett röd guld", "gul violett röd guld"},
    {"ResistorWithoutBands", "Mark", "1L5", 0, "1L5 = 1,5 mΩ  ·  inga färgband", "inga färgband"},
    {"Capacitor", "Mark", " 104k  ", 1, "104k = 100 nF ±10 %", "kondensator:104k"},
    {"UnknownCapacitor", "Mark", "4K7K", 1, "Okänd märkning", "kondensator:"},
    {"UnknownResistor", "Mark", "abc", 0, "Okänd märkning", "inga färgband"},
    {"OnlyAFormFeedUnknown", "Mark", "\f", 0, "Okänd märkning", "inga färgband"},
    {"EmptyShowsNothing", "Mark", "  ", 1, "", ""},
};
class Parts : public testing::TestWithParam<PartRow> {};
TEST_P(Parts, LineAndPicture) {
    const PartRow& r = GetParam();
    const Outcome out = FindCalculator(r.calc).eval({.fields = {r.text}, .variant = r.variant, .decimalSep = ',', .ownParts = r.own});
    ASSERT_GT(out.captions.size(), std::string(r.calc) == "Mark" ? 1u : 4u);
    EXPECT_EQ(out.captions.front().text, r.line);
    EXPECT_EQ(out.captions[std::string(r.calc) == "Mark" ? MarkingPicture : kCombinationPicture].text, r.picture);
}
ROWS(Markings, Parts, kParts);

} // namespace
} // namespace ampero
