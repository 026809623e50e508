// SPDX-License-Identifier: GPL-3.0-or-later
// Values as the bench writes them. A row gives a text and a field unit: what
// the text reads and what Enter leaves of it, and as a paste what it is made
// into and whether the field takes it (without a minus; with one where allowed).
#include <cfloat>

#include "core/calculators.h"
#include "core/partslist.h"
#include "tests/core/rows.h"

namespace ampero {
namespace {

ROW(BenchRow, const char* text; const char* unit; double value; const char* confirmed; const char* pasted; bool whole;)
ROW(UnitRow, const char* calculator; int field; const char* symbol; int exponent;)

const BenchRow kBench[] = {
    {"KiloAsPoint", "4k7", "Ω", 4700, "4700", "4k7", true},
    {"NanoInNano", "100n", "nF", 100, "100", "100n", true},
    {"MicroInNano", "2u2", "nF", 2200, "2200", "2u2", true},
    {"NanoInPico", "4n7", "pF", 4700, "4700", "4n7", true},
    {"PicoInNano", "470p", "nF", 0.47, "0.47", "470p", true},
    {"MilliInMicro", "1m", "µH", 1000, "1000", "1m", true},
    {"MicroSign", "2µ2", "µH", 2.2, "2.2", "2µ2", true},
    {"GreekMu", "μ47", "µH", 0.47, "0.47", "μ47", true},
    {"KiloInMega", "100k", "MHz", 0.1, "0.1", "100k", true},
    {"GigaInHertz", "1G5", "Hz", 1.5e9, "1500000000", "1G5", true},
    {"MilliInMilli", "20m", "mA", 20, "20", "20m", true},
    {"MegaInKilo", "3M3", "kΩ", 3300, "3300", "3M3", true},
    {"UpperKilo", "4K7", "W", 4700, "4700", "4K7", true},
    {"OhmR", "R47", "Ω", 0.47, "0.47", "R47", true},
    {"OhmLowerR", "4r7", "kΩ", 0.0047, "0.0047", "4r7", true},
    {"RNotInVolts", "4R7", "V", 4, "4R7", "4R7", false},
    {"LetterAlone", "k", "Ω", 0, "0", "k", false},
    {"LetterAfter", "4k", "Ω", 4000, "4000", "4k", true},
    {"LetterAfterPoint", "4.7k", "Ω", 4700, "4700", "4.7k", true},
    {"SignedBlanked", " \t+4k7", "Ω", 4700, "4700", "+4k7", false},
    {"CommaEnds", "4,7k7", "Ω", 4, "4", "4.7k7", false},
    {"LetterEndsAfterPoint", "4.7k7", "Ω", 4700, "4700", "4.7k7", false},
    {"LetterEndsAfterExponent", "1E3k", "Ω", 1e6, "1000000", "1E3k", true},
    {"SecondLetterEnds", "4k7k", "Ω", 4700, "4700", "4k7k", false},
    {"NoDigitBeforeLetter", ".k5", "Ω", 0, "0", ".k5", false},
    {"ExponentWithoutDigits", "1Ek", "Ω", 1, "1", "1Ek", false},
    {"SixtyFourCharacters", "1000000000000000000000000000000000000000000000000000000000000.5k", "Ω", 1e63, "1E+63", "1000000000000000000000000000000000000000000000000000000000000.5k", true},
    {"Overflow", "-9E307k", "Ω", -DBL_MAX, "-1.79769313486232E+308", "-9E307k", false},
    {"Underflow", "1E-9999999999p", "kΩ", 0, "0", "1E-9999999999p", true},
    {"NoUnit", "4k7", "cm", 4, "4k7", "4k7", false},
    {"NoLetterStays", "4.70", "kΩ", 4.7, "4.70", "4.70", true},
    {"PasteKiloOhm", " 4,7 kΩ\r\n", "Ω", 4, "4", "4.7k", true},
    {"PasteOhmSign", "4k7\u2126", "kΩ", 4.7, "4.7", "4k7", true},
    {"PasteNanoFarad", "100 nF", "nF", 100, "100", "100n", true},
    {"PasteNoBreakSpaces", "\u00A04,7\u202FkΩ", "Ω", 0, "0", "4.7k", true},
    {"PasteFaradTight", "100nF", "pF", 100000, "100000", "100n", true},
    {"PasteMicroHenry", "\t2,2 µH", "µH", 2, "2", "2.2µ", true},
    {"PasteKiloHertz", "10 kHz", "Hz", 10, "10", "10k", true},
    {"PasteMegaHertz", "1 MHZ", "MHz", 1, "1", "1M", true},
    {"PasteVolts", "12 V", "V", 12, "12 V", "12", true},
    {"PasteMilliAmps", "20 mA", "mA", 20, "20", "20m", true},
    {"PasteOhmWord", "470 OHM", "Ω", 470, "470", "470", true},
    {"PasteBlankBeforeR", "470 r", "Ω", 470, "470", "470r", true},
    {"PasteThousands", "1 000", "Ω", 1, "1 000", "1 000", false},
    {"PasteBlankInside", "4 7", "kΩ", 4, "4 7", "4 7", false},
    {"PasteTwoBlanks", "12  V", "V", 12, "12  V", "12 ", false},
    {"PasteFaradInOhms", "100 nF", "Ω", 100, "100", "100 nF", false},
    {"PasteVoltsInOhms", "5V", "Ω", 5, "5V", "5V", false},
    {"PasteNoUnit", " 1,5E3\n", "-", 1, " 1,5E3\n", "1.5E3", true},
};

const UnitRow kUnits[] = {
    {"OhmResistance", "Ohm", 0, "Ω", 0},
    {"LedCurrent", "txtLed", 2, "A", -3},
    {"LedCount", "txtLed", 3, "", 0},
    {"NE555Resistance", "RC555", 1, "Ω", 3},
    {"CapFrequency", "Cap", 0, "Hz", 6},
    {"CoilInductance", "Coil", 2, "H", -6},
    {"CoilLength", "Coil", 0, "", 0},
    {"ImpedanceLast", "iRes", 3, "Ω", 0},
    {"PastTheTokens", "Komb", 1, "", 0},
    {"BeforeTheFields", "Ohm", -1, "", 0},
};

// A list of own parts: the values kept, as they are written back, and the words named as unreadable.
ROW(ListRow, const char* text; const char* kept; std::vector<std::string> unreadable;)
const ListRow kLists[] = {
    {"EachSeparatorAndForm", "4k7; 470R\n10 k, 1M\t220\r\n4,7 kΩ", "220 470 4700 10000 1000000", {}},
    {"CommaBetweenDigitsIsDecimal", "4,7 10,5, 2", "2 4.7 10.5", {}},
    {"UnitAndLetterJoinTheirValue", "10 k 10 kΩ 220 ohm 1 M", "220 10000 1000000", {}},
    {"Bounds", "0.1 100M 0.09 100.1M", "0.1 100000000", {"0.09", "100.1M"}},
    {"UnreadableNamedAsWritten", "4x7 abc 22 5V", "22", {"4x7", "abc", "5V"}},
    {"LetterOnALineOfItsOwn", "10\nk", "10", {"k"}},
    {"Empty", " \n; ", "", {}},
};

class Bench : public testing::TestWithParam<BenchRow> {};
TEST_P(Bench, ReadsConfirmsAndPastes) {
    const BenchRow& r = GetParam();
    const FieldUnit unit = UnitFrom(r.unit);
    EXPECT_EQ(ReadValue(r.text, unit), r.value);
    EXPECT_EQ(ConfirmedText(r.text, unit), r.confirmed);
    const std::string pasted = CleanPaste(r.text, unit);
    EXPECT_EQ(pasted, r.pasted);
    EXPECT_EQ(ReadsWhole(pasted, unit, false), r.whole);
    EXPECT_EQ(ReadsWhole("-" + pasted, unit, true), r.whole);
    EXPECT_FALSE(ReadsWhole("-" + pasted, unit, false));
}
ROWS(Values, Bench, kBench);

class List : public testing::TestWithParam<ListRow> {};
TEST_P(List, ReadsAndKeeps) {
    const PartsList list = ReadPartsList(GetParam().text);
    EXPECT_EQ(PartsListText(list.values), GetParam().kept);
    EXPECT_EQ(list.unreadable, GetParam().unreadable);
    EXPECT_EQ(ReadPartsList(PartsListText(list.values)).values, list.values);
}
ROWS(OwnParts, List, kLists);

class Units : public testing::TestWithParam<UnitRow> {};
TEST_P(Units, OfTheRow) {
    const UnitRow& r = GetParam();
    EXPECT_EQ(UnitOf(FindCalculator(r.calculator), r.field), (FieldUnit{r.symbol, r.exponent}));
}
ROWS(Values, Units, kUnits);

} // namespace
} // namespace ampero
