// SPDX-License-Identifier: GPL-3.0-or-later
// Part markings read (resistor bands after the "·"), the codes of standard values, the marking field's filter.
#include <cmath>
#include <tuple>

#include "core/marking.h"
#include "tests/core/rows.h"

using namespace ampero;

namespace {

ROW(ReadCase, bool cap; std::string text; std::string label; char sep = ',';)
const ReadCase kReadCases[] = {
    {"Three472", 0, "472", "472 = 4,7 kΩ  ·  gul violett röd guld"},
    {"Three100", 0, "100", "100 = 10 Ω  ·  brun svart svart guld"},
    {"ThreeZero", 0, "000", "000 = 0 Ω  ·  svart"},
    {"ThreeTopMultiplier", 0, "999", "999 = 99 GΩ  ·  vit vit vit guld"},
    {"Four4702", 0, "4702", "4702 = 47 kΩ  ·  gul violett svart röd brun"},
    {"Four1000", 0, "1000", "1000 = 100 Ω  ·  brun svart svart svart brun"},
    {"Four1002", 0, "1002", "1002 = 10 kΩ  ·  brun svart svart röd brun"},
    {"Eia51X", 0, "51X", "51X = 33,2 Ω  ·  orange orange röd guld brun"},
    {"EiaSForX", 0, "01S", "01S = 10 Ω  ·  brun svart svart guld brun"},
    {"EiaHForB", 0, "68H", "68H = 4,99 kΩ  ·  gul vit vit brun brun"},
    {"EiaRIsLetterCode", 0, "68R", "68R = 68 Ω  ·  blå grå svart guld"},
    {"LeadingZeroBandsFromValue", 0, "010", "010 = 1 Ω  ·  brun svart guld guld"},
    {"LeadingZeroHighMultiplier", 0, "047", "047 = 40 MΩ  ·  gul svart blå guld"},
    {"LeadingZeroFourDigits", 0, "0100", "0100 = 10 Ω  ·  brun svart svart guld brun"},
    {"SubOhmInOhms", 0, "R47", "R47 = 0,47 Ω  ·  gul violett silver guld"},
    {"Letter4K7", 0, "4K7", "4K7 = 4,7 kΩ  ·  gul violett röd guld"},
    {"Letter47K", 0, "47K", "47K = 47 kΩ  ·  gul violett orange guld"},
    {"Letter2M2", 0, "2M2", "2M2 = 2,2 MΩ  ·  röd röd grön guld"},
    {"Letter1L5", 0, "1L5", "1L5 = 1,5 mΩ  ·  inga färgband"},
    {"LetterOneDigit", 0, "1R", "1R = 1 Ω  ·  brun svart guld guld"},
    {"LetterOneDigitBelowSilver", 0, "R04", "R04 = 40 mΩ  ·  inga färgband"},
    {"LetterThreeDigits", 0, "4K70", "4K70 = 4,7 kΩ  ·  gul violett svart brun brun"},
    {"PointForLetterPointSeparator", 0, "4.7K", "4.7K = 4.7 kΩ  ·  gul violett röd guld", '.'},
    {"CommaForLetterSmallBlanks", 0, " \t4,7k ", "4,7k = 4,7 kΩ  ·  gul violett röd guld"},
    {"CapTwoDigits", 1, "47", "47 = 47 pF"},
    {"CapThree222", 1, "222", "222 = 2,2 nF"},
    {"CapThreeNine", 1, "479", "479 = 4,7 pF"},
    {"Cap4n7", 1, "4n7", "4n7 = 4,7 nF"},
    {"CapTolerance5", 1, "4n7J", "4n7J = 4,7 nF ±5 %"},
    {"CapSixDigitsAboveMilli", 1, "1234567000u", "1234567000u = 1234570 mF"},
    {"Cap2u2", 1, "2u2", "2u2 = 2,2 µF"},
    {"Cap2Micro2", 1, "2µ2", "2µ2 = 2,2 µF"},
    {"Capp47PointSeparator", 1, "p47", "p47 = 0.47 pF", '.'},
    {"Cap100n", 1, "100n", "100n = 100 nF"},
    {"CapCommaForLetter", 1, "2,2n", "2,2n = 2,2 nF"},
    {"CapTolerance10", 1, "104K", "104K = 100 nF ±10 %"},
    {"UnknownTwoDigits", 0, "47", "Okänd märkning"},
    {"UnknownTwoLetters", 0, "4K7K", "Okänd märkning"},
    {"UnknownEia00", 0, "00A", "Okänd märkning"},
    {"UnknownEia97", 0, "97A", "Okänd märkning"},
    {"UnknownEmpty", 0, "", "Okänd märkning"},
    {"UnknownWord", 0, "abc", "Okänd märkning"},
    {"WriteE12_680As681", 0, SmdCode(68, 1, ESeries::E12), "681 = 680 Ω  ·  blå grå brun guld"},
    {"WriteE24_10kAs103", 0, SmdCode(10, 3, ESeries::E24), "103 = 10 kΩ  ·  brun svart orange guld"},
    {"WriteAndRead4R7", 0, SmdCode(47, -1, ESeries::E12), "4R7 = 4,7 Ω  ·  gul violett guld guld"},
    {"WriteE24_1R0", 0, SmdCode(10, -1, ESeries::E24), "1R0 = 1 Ω  ·  brun svart guld guld"},
    {"WriteAndReadR47", 0, SmdCode(47, -2, ESeries::E12), "R47 = 0,47 Ω  ·  gul violett silver guld"},
    {"WriteAndReadEia80A", 0, SmdCode(665, 0, ESeries::E96), "80A = 665 Ω  ·  blå blå grön svart brun"},
    {"WriteAndReadEia01C", 0, SmdCode(100, 2, ESeries::E96), "01C = 10 kΩ  ·  brun svart svart röd brun"},
    {"KeepDropsOthersReadSmallEia", 0, KeepMarkingChars(" 5\xCE_1z Ω!"), "51z = 0,332 Ω  ·  inga färgband"},
    {"KeepSixteenFourDigitsNoBands", 0, KeepMarkingChars("000000000001K2345"), "000000000001K234 = 1,234 kΩ  ·  inga färgband"},
    {"KeepSixteenNotBytesZeroTolerance20", 1, KeepMarkingChars("0µ0000000000000M1"), "0µ0000000000000M = 0 pF ±20 %"},
    {"KeepGreekMuReadAsMicro", 1, KeepMarkingChars("2μ2"), "2μ2 = 2,2 µF"},
};

class Read : public ::testing::TestWithParam<ReadCase> {};
TEST_P(Read, Label) {
    const ReadCase& c = GetParam();
    const MarkingReading r = ReadMarking(c.text, c.cap, c.sep);
    const size_t dot = c.label.find("·");
    const std::string names = dot == std::string::npos || c.label.ends_with("band") ? "" : c.label.substr(dot + 4);
    EXPECT_EQ(std::tuple(r.label, r.known, r.bandNames, BandNames(r.bands)), std::tuple(c.label, c.label != "Okänd märkning", names, names));
}
ROWS(Marking, Read, kReadCases);

// Every resistor its code carries (1 Ω .. 9,76 MΩ among them) reads back with the part's bands; no code beyond, no bands above vit.
TEST(Marking, CodesReadBack) {
    for (const auto& [s, low, high] : {std::tuple{ESeries::E12, -15, 9}, {ESeries::E24, -15, 9}, {ESeries::E96, -3, 5}})
        for (int m : SeriesMantissas(s)) {
            EXPECT_EQ(SmdCode(m, low - 1, s) + SmdCode(m, high + 1, s) + BandNames(PartBands(m, 10, s)), "") << m;
            for (int e = low; e <= high; ++e) {
                const MarkingReading r = ReadMarking(SmdCode(m, e, s), false, ',');
                EXPECT_NEAR(r.value, m * std::pow(10.0, e), m * std::pow(10.0, e) * 1e-9) << r.label;
                EXPECT_EQ(r.bands, PartBands(m, e, s)) << r.label;
            }
        }
}

} // namespace
