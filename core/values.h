// SPDX-License-Identifier: GPL-3.0-or-later
// Values as the bench writes them: "4k7", "2n2", "100n", "4R7", "4,7 kΩ".
// A field that holds a physical quantity has a unit (its caption's: Ω, kΩ,
// V, mA, pF, nF, µH, MHz …); it takes one SI prefix letter, as the decimal
// point ("4k7") or after the number ("4.7k"), and reads it in its own unit:
// "4k7" in an ohm field is 4700, "4n7" in a pF field 4700, "100k" in a MHz
// field 0.1. A field without a unit (turns, cm, the AL value) takes none.
// This is the one reader of a field's text: everything that reads a value
// from a field goes through ReadValue.
#pragma once

#include <string>
#include <string_view>

namespace ampero {

// A field's unit: the quantity's symbol ("Ω", "V", "A", "W", "F", "H",
// "Hz"; empty for a field without a unit) and the power of ten of the
// field's unit to it (kΩ 3, mA -3, pF -12, µH -6, MHz 6).
struct FieldUnit {
    std::string symbol;
    int exponent = 0;
    bool HasUnit() const { return !symbol.empty(); }
    bool InOhms() const { return symbol == "Ω"; }
    bool operator==(const FieldUnit&) const = default;
};

// A unit as a caption writes it: "Ω", "kΩ", "V", "mA", "W", "pF", "nF",
// "µH", "Hz", "MHz"; anything else ("cm", "-", "") is a field without a unit.
FieldUnit UnitFrom(std::string_view token);

// The prefix letters a field with a unit takes: p n u µ μ m k K M G, and in
// a field in ohms also R and r (×1). `c` is a Unicode code point.
bool IsPrefixLetter(char32_t c, const FieldUnit& unit);

// Whether the text (UTF-8) holds one of the field's prefix letters.
bool HasPrefixLetter(std::string_view utf8, const FieldUnit& unit);

// The value of a field's text in the field's unit. The number is read from
// the start as ParsePrefix reads it; one prefix letter right after it
// continues it once, as the decimal point where none came before ("4k7",
// "k47", "R47") or as the end of the number where one did ("4.7k7" reads
// 4.7k, as "1.2.3" reads 1.2). The prefix and the field's unit are put
// together before the one conversion, so "4k7" is exactly 4700. A field
// without a unit reads exactly as ParsePrefix. Never inf or nan: a value
// beyond the double range is the largest finite one, as ParsePrefix gives.
double ReadValue(std::string_view utf8, const FieldUnit& unit);

// What Enter leaves in a field: a text with a prefix letter is replaced by
// its value in the field's unit, written as a result is ("4k7" -> "4700",
// "100n" in an nF field -> "100"); any other text stays exactly as typed.
std::string ConfirmedText(std::string_view utf8, const FieldUnit& unit);

// A paste made ready for the field: no-break spaces read as blanks, blanks
// and line breaks at its ends dropped, "," read as ".", a trailing symbol of the field's own quantity
// dropped (Ω, "ohm" in any case, F, H, Hz, V, A, W), and one blank between
// the number and its prefix letter or that symbol: "4,7 kΩ" -> "4.7k",
// "100 nF" -> "100n", "470 ohm" -> "470". Nothing else is changed: whether
// it may go in is for ReadsWhole to say of the field's text with it.
std::string CleanPaste(std::string_view utf8Clip, const FieldUnit& unit);

// Whether a whole field text reads as one value: digits with at most one
// point, an exponent with digits, at most one of the field's prefix letters
// (after the number, or in place of its point with digits after it), a
// leading minus only where `minus`. "4k7", "4.7k", "k47", "1E3k", "-4k7"
// (with minus); not "", "k", "4k7k", "4.7k7", "1 000", "4x7".
bool ReadsWhole(std::string_view utf8, const FieldUnit& unit, bool minus);

} // namespace ampero
