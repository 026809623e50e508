// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/values.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <span>
#include <utility>

#include "core/numrules.h"

namespace ampero {

namespace {

// A written exponent is read up to this size: anything larger saturates or
// underflows whatever the mantissa (which would need a billion digits).
constexpr long kExponentCap = 1000000000;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The code point at byte i (i < size) and its length in bytes. Only ASCII
// and two-byte sequences (µ, μ) are decoded; any other byte reads as
// U+FFFD of one byte, which is no letter (so a lone 0xB5 is not µ).
std::pair<char32_t, size_t> CodePoint(std::string_view s, size_t i) {
    const auto b = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
    if (b(i) >= 0xC2 && b(i) < 0xE0 && i + 1 < s.size() && (b(i + 1) & 0xC0) == 0x80)
        return {static_cast<char32_t>((b(i) & 0x1F) << 6 | (b(i + 1) & 0x3F)), 2};
    return {b(i) < 0x80 ? static_cast<char32_t>(b(i)) : U'\uFFFD', 1};
}

// The power of ten of an SI prefix letter.
std::optional<int> PrefixPower(char32_t c) {
    switch (c) {
    case U'p': return -12;
    case U'n': return -9;
    case U'u':
    case U'\u00B5':
    case U'\u03BC': return -6;
    case U'm': return -3;
    case U'k':
    case U'K': return 3;
    case U'M': return 6;
    case U'G': return 9;
    default: return std::nullopt;
    }
}

// The power of ten of a prefix letter of the field's.
std::optional<int> FieldPrefix(char32_t c, const FieldUnit& unit) {
    if (!unit.HasUnit()) return std::nullopt;
    if (unit.InOhms() && (c == U'R' || c == U'r')) return 0;
    return PrefixPower(c);
}

// The field's prefix letter at byte i: its power and length; length 0 where
// there is none.
std::pair<int, size_t> LetterAt(std::string_view s, size_t i, const FieldUnit& unit) {
    if (i >= s.size()) return {0, 0};
    const auto [c, len] = CodePoint(s, i);
    const std::optional<int> power = FieldPrefix(c, unit);
    return {power.value_or(0), power ? len : 0};
}

// The length of the field's prefix letter that ends the text, 0 if none.
size_t FinalLetter(std::string_view t, const FieldUnit& unit) {
    for (const size_t len : {size_t{1}, size_t{2}})
        if (t.size() >= len && LetterAt(t, t.size() - len, unit).second == len) return len;
    return 0;
}

// What the reader takes from the start of a text: the number's characters as
// from_chars reads them, its written exponent and the prefix letter's shift.
struct Number {
    bool negative = false;
    std::string mantissa; // "4.7", ".47", "12", "5."
    size_t digits = 0;
    long exponent = 0;
    int shift = 0;  // the letter's power less the field unit's; 0 without a letter
    size_t end = 0; // the first byte not read
};

Number Scan(std::string_view s, const FieldUnit& unit) {
    Number n;
    size_t i = std::min(s.find_first_not_of(" \t"), s.size());
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) n.negative = s[i++] == '-';
    const auto digits = [&] {
        for (; i < s.size() && IsDigit(s[i]); ++n.digits) n.mantissa += s[i++];
    };
    digits();
    const bool point = i < s.size() && s[i] == '.';
    if (point) {
        n.mantissa += s[i++];
        digits();
    }
    bool exponent = false;
    if (n.digits > 0 && i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
        size_t j = i + 1;
        const bool negative = j < s.size() && s[j] == '-';
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        long e = 0;
        for (exponent = j < s.size() && IsDigit(s[j]); j < s.size() && IsDigit(s[j]); ++j)
            e = std::min(e * 10 + (s[j] - '0'), kExponentCap);
        if (exponent) {
            n.exponent = negative ? -e : e;
            i = j;
        }
    }
    if (const auto [power, len] = LetterAt(s, i, unit); len > 0) {
        n.shift = power - unit.exponent;
        i += len;
        if (!point && !exponent) { // the letter is the decimal point
            n.mantissa += '.';
            digits();
        }
    }
    n.end = i;
    return n;
}

// Whether the text ends with `word`, ASCII letters compared without case
// where `caseless`.
bool EndsWith(std::string_view t, std::string_view word, bool caseless) {
    const auto lower = [caseless](char c) { return caseless && c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return t.size() >= word.size() &&
           std::equal(word.begin(), word.end(), t.end() - static_cast<std::ptrdiff_t>(word.size()),
                      [&](char a, char b) { return lower(a) == lower(b); });
}

// The length of the symbol of the field's own quantity that ends the text.
size_t FinalSymbol(std::string_view t, const FieldUnit& unit) {
    const bool caseless = unit.InOhms() || unit.symbol == "Hz";
    const std::string_view words[] = {"Ω", "\u2126", "ohm", unit.symbol};
    for (std::string_view word : unit.InOhms() ? std::span(words).first(3) : std::span(words).last(1))
        if (EndsWith(t, word, caseless)) return word.size();
    return 0;
}

} // namespace

FieldUnit UnitFrom(std::string_view token) {
    for (const char* symbol : {"Ω", "V", "A", "W", "F", "H", "Hz"}) {
        if (!token.ends_with(symbol)) continue;
        const std::string_view prefix = token.substr(0, token.size() - std::strlen(symbol));
        if (prefix.empty()) return {symbol, 0};
        const auto [c, len] = CodePoint(prefix, 0);
        if (const std::optional<int> power = PrefixPower(c); power && len == prefix.size()) return {symbol, *power};
    }
    return {};
}

bool IsPrefixLetter(char32_t c, const FieldUnit& unit) { return FieldPrefix(c, unit).has_value(); }

bool HasPrefixLetter(std::string_view utf8, const FieldUnit& unit) {
    for (size_t i = 0; i < utf8.size(); i += CodePoint(utf8, i).second)
        if (LetterAt(utf8, i, unit).second > 0) return true;
    return false;
}

// The number, the exponent and the shift go into one decimal text that
// ParsePrefix converts once (and saturates as it does).
double ReadValue(std::string_view utf8, const FieldUnit& unit) {
    const Number n = Scan(utf8, unit);
    if (n.digits == 0) return 0.0;
    return ParsePrefix((n.negative ? "-" : "") + n.mantissa + "e" + std::to_string(n.exponent + n.shift));
}

std::string ConfirmedText(std::string_view utf8, const FieldUnit& unit) {
    return HasPrefixLetter(utf8, unit) ? ResultText(ReadValue(utf8, unit)) : std::string(utf8);
}

std::string CleanPaste(std::string_view utf8Clip, const FieldUnit& unit) {
    // A value copied from a web page or a catalogue has no-break spaces ("4,7 kΩ").
    std::string clip;
    for (size_t i = 0; i < utf8Clip.size(); ++i) {
        const size_t noBreak = utf8Clip.substr(i, 2) == "\xC2\xA0" ? 2 : utf8Clip.substr(i, 3) == "\xE2\x80\xAF" ? 3 : 0;
        clip += noBreak ? ' ' : utf8Clip[i];
        if (noBreak) i += noBreak - 1;
    }
    const std::string_view blanks = " \t\r\n";
    const size_t first = std::min(clip.find_first_not_of(blanks), clip.size());
    std::string t(clip.substr(first, clip.find_last_not_of(blanks) + 1 - first));
    std::replace(t.begin(), t.end(), ',', '.');
    if (!unit.HasUnit()) return t;
    const size_t symbol = FinalSymbol(t, unit);
    t.resize(t.size() - symbol);
    const size_t letter = FinalLetter(t, unit);
    if (symbol > 0 && t.ends_with(' '))
        t.pop_back();
    else if (letter > 0 && t.size() > letter && t[t.size() - letter - 1] == ' ')
        t.erase(t.size() - letter - 1, 1);
    return t;
}

bool ReadsWhole(std::string_view utf8, const FieldUnit& unit, bool minus) {
    const Number n = Scan(utf8, unit);
    return n.digits > 0 && n.end == utf8.size() && utf8[0] != ' ' && utf8[0] != '\t' && utf8[0] != '+' &&
           (minus || utf8[0] != '-');
}

} // namespace ampero
