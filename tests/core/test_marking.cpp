// SPDX-License-Identifier: GPL-3.0-or-later
// Part markings: reading SMD and capacitor codes, colour bands, the codes of
// standard values, and what the marking field keeps.
#include <cmath>
#include <tuple>

#include "core/marking.h"
#include "tests/core/rows.h"

using namespace ampero;

namespace {

ROW(ReadCase, bool cap; const char* text; std::string label; char sep = ',';)
const ReadCase kReadCases[] = {
    {"Three472", 0, "472", "472 = 4,7 kΩ  ·  gul violett röd guld"},
    {"Three100", 0, "100", "100 = 10 Ω  ·  brun svart svart guld"},
    {"Three681", 0, "681", "681 = 680 Ω  ·  blå grå brun guld"},
    {"ThreeZero", 0, "000", "000 = 0 Ω  ·  svart"},
    {"ThreeTopMultiplier", 0, "999", "999 = 99 GΩ  ·  vit vit vit guld"},
    {"Four4702", 0, "4702", "4702 = 47 kΩ  ·  gul violett svart röd brun"},
    {"Four1000", 0, "1000", "1000 = 100 Ω  ·  brun svart svart svart brun"},
    {"Four1002", 0, "1002", "1002 = 10 kΩ  ·  brun svart svart röd brun"},
    {"Eia01C", 0, "01C", "01C = 10 kΩ  ·  brun svart svart röd brun"},
    {"Eia80A", 0, "80A", "80A = 665 Ω  ·  blå blå grön svart brun"},
    {"Eia51X", 0, "51X", "51X = 33,2 Ω  ·  orange orange röd guld brun"},
    {"Eia96Z", 0, "96z", "96z = 976 mΩ  ·  inga färgband"},
    {"Eia96F", 0, "96F", "96F = 97,6 MΩ  ·  vit violett blå grön brun"},
    {"Letter4R7", 0, "4R7", "4R7 = 4,7 Ω  ·  gul violett guld guld"},
    {"LetterR47", 0, "R47", "R47 = 470 mΩ  ·  gul violett silver guld"},
    {"Letter4K7", 0, "4K7", "4K7 = 4,7 kΩ  ·  gul violett röd guld"},
    {"Letter47K", 0, "47K", "47K = 47 kΩ  ·  gul violett orange guld"},
    {"Letter2M2", 0, "2M2", "2M2 = 2,2 MΩ  ·  röd röd grön guld"},
    {"Letter1G", 0, "1G", "1G = 1 GΩ  ·  brun svart grå guld"},
    {"Letter1L5", 0, "1L5", "1L5 = 1,5 mΩ  ·  inga färgband"},
    {"LetterOneDigit", 0, "1R", "1R = 1 Ω  ·  brun svart guld guld"},
    {"LetterThreeDigits", 0, "4K70", "4K70 = 4,7 kΩ  ·  gul violett svart brun brun"},
    {"LetterFourDigits", 0, "4K700", "4K700 = 4,7 kΩ  ·  inga färgband"},
    {"LetterLeadingZeros", 0, "R047", "R047 = 47 mΩ  ·  inga färgband"},
    {"LetterZero", 0, "0R0", "0R0 = 0 Ω  ·  svart"},
    {"PointForLetter", 0, "4.7K", "4.7K = 4,7 kΩ  ·  gul violett röd guld"},
    {"CommaForLetter", 0, "4,7k", "4,7k = 4,7 kΩ  ·  gul violett röd guld"},
    {"BlanksAndSmallLetters", 0, " \tr47  ", "r47 = 470 mΩ  ·  gul violett silver guld"},
    {"PointSeparator", 0, "4K7", "4K7 = 4.7 kΩ  ·  gul violett röd guld", '.'},
    {"CapTwoDigits", 1, "47", "47 = 47 pF"},
    {"CapThree104", 1, "104", "104 = 100 nF"},
    {"CapThree222", 1, "222", "222 = 2,2 nF"},
    {"CapThreeNine", 1, "479", "479 = 4,7 pF"},
    {"CapThreeEight", 1, "478", "478 = 0,47 pF"},
    {"Cap4n7", 1, "4n7", "4n7 = 4,7 nF"},
    {"Cap2u2", 1, "2u2", "2u2 = 2,2 µF"},
    {"Cap2Micro2", 1, "2µ2", "2µ2 = 2,2 µF"},
    {"Cap2GreekMu2", 1, "2μ2", "2μ2 = 2,2 µF"},
    {"Capp47", 1, "p47", "p47 = 0,47 pF"},
    {"Cap100n", 1, "100n", "100n = 100 nF"},
    {"CapMilli", 1, "1000U", "1000U = 1 mF"},
    {"CapAboveMilli", 1, "2200000u", "2200000u = 2200 mF"},
    {"CapCommaForLetter", 1, "2,2n", "2,2n = 2,2 nF"},
    {"CapTolerance10", 1, "104K", "104K = 100 nF ±10 %"},
    {"CapTolerance5", 1, "4n7J", "4n7J = 4,7 nF ±5 %"},
    {"CapTolerance20", 1, "47m", "47m = 47 pF ±20 %"},
    {"CapPointSeparator", 1, "p47", "p47 = 0.47 pF", '.'},
    {"TwoDigitsResistor", 0, "47", "Okänd märkning"},
    {"TwoLetters", 0, "4K7K", "Okänd märkning"},
    {"EiaZeroPlace", 0, "00A", "Okänd märkning"},
    {"EiaPlace97", 0, "97A", "Okänd märkning"},
    {"Empty", 0, " ", "Okänd märkning"},
    {"Word", 0, "abc", "Okänd märkning"},
    {"LetterAlone", 0, "R", "Okänd märkning"},
    {"PointNoLetter", 0, "4.7", "Okänd märkning"},
    {"CapFourDigits", 1, "1000", "Okänd märkning"},
    {"CapResistorLetter", 1, "4K7", "Okänd märkning"},
    {"CapToleranceAlone", 1, "K", "Okänd märkning"},
};

class Read : public ::testing::TestWithParam<ReadCase> {};
TEST_P(Read, Label) {
    const ReadCase& c = GetParam();
    const MarkingReading r = ReadMarking(c.text, c.cap, c.sep);
    const size_t dot = c.label.find("·"); // the band names follow it
    const std::string names = dot == std::string::npos || c.label.ends_with("färgband") ? "" : c.label.substr(dot + 4);
    EXPECT_EQ(r.label, c.label);
    EXPECT_EQ(std::tuple(r.known, r.bandNames, BandNames(r.bands)), std::tuple(c.label != "Okänd märkning", names, names));
}
ROWS(Marking, Read, kReadCases);

ROW(CodeCase, int mantissa; int exponent; ESeries series; const char* code; std::vector<int> bands;)
const CodeCase kCodeCases[] = {
    {"E12_680", 68, 1, ESeries::E12, "681", {6, 8, 1, kGuld}},
    {"E24_10k", 10, 3, ESeries::E24, "103", {1, 0, 3, kGuld}},
    {"E12_82G", 82, 9, ESeries::E12, "829", {8, 2, 9, kGuld}},
    {"E12_820G", 82, 10, ESeries::E12, "", {}},
    {"E12_4R7", 47, -1, ESeries::E12, "4R7", {4, 7, kGuld, kGuld}},
    {"E24_1R0", 10, -1, ESeries::E24, "1R0", {1, 0, kGuld, kGuld}},
    {"E12_R47", 47, -2, ESeries::E12, "R47", {4, 7, kSilver, kGuld}},
    {"E6_R047", 47, -3, ESeries::E6, "R047", {}},
    {"E12_LongestLetterCode", 10, -15, ESeries::E12, "R000000000000010", {}},
    {"E12_TooLongLetterCode", 10, -16, ESeries::E12, "", {}},
    {"E12_NotInSeries", 11, 0, ESeries::E12, "", {}},
    {"E96_665", 665, 0, ESeries::E96, "80A", {6, 6, 5, 0, 1}},
    {"E96_10k", 100, 2, ESeries::E96, "01C", {1, 0, 0, 2, 1}},
    {"E96_33R2", 332, -1, ESeries::E96, "51X", {3, 3, 2, kGuld, 1}},
    {"E96_Lowest", 100, -3, ESeries::E96, "01Z", {}},
    {"E96_BelowZ", 976, -4, ESeries::E96, "", {}},
    {"E96_Highest", 976, 5, ESeries::E96, "96F", {9, 7, 6, 5, 1}},
    {"E96_AboveF", 100, 6, ESeries::E96, "", {1, 0, 0, 6, 1}},
    {"E96_NotInSeries", 101, 0, ESeries::E96, "", {}},
};

class Code : public ::testing::TestWithParam<CodeCase> {};
TEST_P(Code, AndBands) {
    const CodeCase& c = GetParam();
    EXPECT_EQ(SmdCode(c.mantissa, c.exponent, c.series), c.code);
    EXPECT_EQ(PartBands(c.mantissa, c.exponent, c.series), c.bands);
}
ROWS(Marking, Code, kCodeCases);

ROW(KeepCase, const char* text; const char* kept;)
const KeepCase kKeepCases[] = {
    {"DropsBlanksAndSigns", " 4k7 Ω!-+", "4k7"},
    {"KeepsBothMicros", "2µ2 2μ2", "2µ22μ2"},
    {"KeepsSeparators", "4,7.K", "4,7.K"},
    {"DropsOtherLettersAndBrokenBytes", "åÄ\xCE_\xB5z", "z"},
    {"SixteenCharacters", "12345678901234567", "1234567890123456"},
    {"SixteenMicros", "µµµµµµµµµµµµµµµµμ", "µµµµµµµµµµµµµµµµ"},
};

class Keep : public ::testing::TestWithParam<KeepCase> {};
TEST_P(Keep, Chars) { EXPECT_EQ(KeepMarkingChars(GetParam().text), GetParam().kept); }
ROWS(Marking, Keep, kKeepCases);

// The code of every standard resistor from 1 Ω to 9,76 MΩ reads back as it.
TEST(Marking, CodesReadBack) {
    for (ESeries s : {ESeries::E12, ESeries::E24, ESeries::E96})
        for (int m : SeriesMantissas(s))
            for (int e = m < 100 ? -1 : -2; m * std::pow(10.0, e) < 9.77e6; ++e) {
                const std::string code = SmdCode(m, e, s);
                EXPECT_NEAR(ReadMarking(code, false, ',').value, m * std::pow(10.0, e), m * std::pow(10.0, e) * 1e-9) << code;
            }
}

} // namespace
