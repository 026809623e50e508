// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/marking.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <optional>
#include <span>

namespace ampero {

namespace {

constexpr std::array<const char*, 12> kColourNames = {
    QT_TRANSLATE_NOOP("Ampero", "svart"),
    QT_TRANSLATE_NOOP("Ampero", "brun"),
    QT_TRANSLATE_NOOP("Ampero", "röd"),
    QT_TRANSLATE_NOOP("Ampero", "orange"),
    QT_TRANSLATE_NOOP("Ampero", "gul"),
    QT_TRANSLATE_NOOP("Ampero", "grön"),
    QT_TRANSLATE_NOOP("Ampero", "blå"),
    QT_TRANSLATE_NOOP("Ampero", "violett"),
    QT_TRANSLATE_NOOP("Ampero", "grå"),
    QT_TRANSLATE_NOOP("Ampero", "vit"),
    QT_TRANSLATE_NOOP("Ampero", "guld"),
    QT_TRANSLATE_NOOP("Ampero", "silver"),
};

constexpr std::string_view kMicro = "\xC2\xB5";   // µ, U+00B5
constexpr std::string_view kGreekMu = "\xCE\xBC"; // μ, U+03BC
constexpr std::string_view kBlanks = " \t\n\r\f\v";

// The letters of an EIA-96 code, ×10^-3 .. ×10^5; S and H are also
// written for ×0,1 and ×10 (R, the other letter for ×0,01, is the letter
// code's decimal point here: "68R" is 68 Ω).
constexpr std::string_view kEiaLetters = "ZYXABCDEF";
constexpr std::string_view kEiaAlternatives = "SH", kEiaAlternativeFor = "XB";
// The letter codes: the letter stands for the decimal point and a power of ten.
constexpr std::string_view kOhmLetters = "RKMGL";
constexpr int kOhmExponents[] = {0, 3, 6, 9, -3};
constexpr std::string_view kFaradLetters = "PNU"; // of picofarads
constexpr int kFaradExponents[] = {0, 3, 6};
// A capacitor's tolerance letter after its code.
constexpr std::string_view kToleranceLetters = "JKM";
constexpr int kTolerancePercent[] = {5, 10, 20};

// A longer code does not fit the marking field.
constexpr int kMaxChars = 16;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsDigits(std::string_view s) { return std::all_of(s.begin(), s.end(), IsDigit); }
bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// A marking as significant digits and a power of ten: "472" is 47 × 10^2
// (ohms), "4n7" 47 × 10^2 (picofarads).
struct Part {
    std::string digits;
    int exponent;
};

// digits × 10^exponent. Up to 15 digits are exact in a double and so are the
// powers of ten up to 10^22: the value of a code takes a single rounding.
double Scaled(std::string_view digits, int exponent) {
    double d = 0;
    for (char c : digits) d = d * 10 + (c - '0');
    if (d == 0) return 0;
    double p = 1;
    for (long long i = 0; i < std::llabs(exponent) && std::isfinite(p); ++i) p *= 10;
    return exponent >= 0 ? d * p : d / p;
}

// One of `letters` for the decimal point, digits before and/or after it:
// "4K7", "R47", "47K". Leading zeros of the digits are dropped ("R047" is
// 47 × 10^-3), so the bands start at the first digit that counts.
std::optional<Part> LetterCode(std::string_view s, std::string_view letters, const int* exponents) {
    const size_t at = s.find_first_of(letters);
    if (at == std::string_view::npos || s.size() < 2) return std::nullopt;
    const std::string_view before = s.substr(0, at), after = s.substr(at + 1);
    if (!IsDigits(before) || !IsDigits(after)) return std::nullopt;
    std::string digits = std::string(before) + std::string(after);
    digits.erase(0, digits.find_first_not_of('0'));
    return Part{digits, exponents[letters.find(s[at])] - static_cast<int>(after.size())};
}

// "4.7K", "4,7k", "2,2n": the letter typed at the end and a point or comma
// where the letter code has it. Written back as the letter code ("4K7");
// any other text comes back as it is.
std::string PointToLetter(std::string s, std::string_view letters) {
    const size_t point = s.find_first_of(".,");
    if (point != std::string::npos && letters.find(s.back()) != std::string_view::npos) {
        s[point] = s.back();
        s.pop_back();
    }
    return s;
}

// `s` as Normalised writes it.
std::optional<Part> ResistorPart(const std::string& s) {
    if (s.size() == 3 && IsDigits(s)) return Part{s.substr(0, 2), s[2] - '0'};
    if (s.size() == 4 && IsDigits(s)) return Part{s.substr(0, 3), s[3] - '0'};
    // An EIA-96 code: two digits and a letter (read only from three characters:
    // an empty text has no last one).
    size_t letter = std::string_view::npos;
    if (s.size() == 3) {
        const size_t alternative = kEiaAlternatives.find(s[2]);
        letter = kEiaLetters.find(alternative == std::string_view::npos ? s[2] : kEiaAlternativeFor[alternative]);
    }
    if (letter != std::string_view::npos && IsDigit(s[0]) && IsDigit(s[1])) {
        const int place = (s[0] - '0') * 10 + (s[1] - '0'); // 01 = 100 .. 96 = 976
        if (place < 1 || place > 96) return std::nullopt;
        return Part{std::to_string(SeriesMantissas(ESeries::E96)[static_cast<size_t>(place - 1)]),
                    static_cast<int>(letter) - 3};
    }
    return LetterCode(PointToLetter(s, kOhmLetters), kOhmLetters, kOhmExponents);
}

// In picofarads; `tolerance` takes the percent of a tolerance letter.
std::optional<Part> CapacitorPart(std::string s, int& tolerance) {
    const size_t t = s.empty() ? std::string::npos : kToleranceLetters.find(s.back());
    if (t != std::string::npos) {
        tolerance = kTolerancePercent[t];
        s.pop_back();
    }
    if (!s.empty() && s.size() <= 2 && IsDigits(s)) return Part{s, 0};
    if (s.size() == 3 && IsDigits(s)) {
        const int e = s[2] - '0'; // 8 and 9 stand for ×0,01 and ×0,1
        return Part{s.substr(0, 2), e == 8 ? -2 : e == 9 ? -1 : e};
    }
    return LetterCode(PointToLetter(s, kFaradLetters), kFaradLetters, kFaradExponents);
}

// The text without the blanks around it.
std::string_view Trimmed(std::string_view t) {
    const size_t first = t.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return t.substr(first, t.find_last_not_of(kBlanks) - first + 1);
}

// The letters in capitals and the micro sign, either of them, as 'U'; any
// other byte as it is, which no form of a marking accepts.
std::string Normalised(std::string_view t) {
    std::string s;
    for (size_t i = 0; i < t.size(); ++i) {
        const std::string_view two = t.substr(i, 2);
        if (two == kMicro || two == kGreekMu) {
            s += 'U';
            ++i;
        } else {
            s += t[i] >= 'a' && t[i] <= 'z' ? static_cast<char>(t[i] - 'a' + 'A') : t[i];
        }
    }
    return s;
}

// Farads with the prefix p, n, µ or m that brings the number between 1 and
// 999 as far as those reach, to six significant digits, trailing zeros
// dropped: 4.7E-9 -> "4,7 nF", 4.7E-13 -> "0,47 pF", 1.5 -> "1500 mF".
std::string CapacitanceText(double farads, char sep) {
    static const char* const kPrefixes[] = {"p", "n", "µ", "m"};
    if (farads == 0) return "0 pF";
    char buf[32];
    const auto res = std::to_chars(buf, buf + sizeof buf, farads, std::chars_format::scientific, 5);
    const std::string sci(buf, res.ptr); // "4.70000e-09", rounded once
    const int lead = std::stoi(sci.substr(sci.find('e') + 1));
    const int prefix = std::clamp(lead >= 0 ? lead / 3 : -((2 - lead) / 3), -4, -1);
    std::string digits = sci.substr(0, 1) + sci.substr(2, 5);
    int point = lead + 1 - 3 * prefix; // digits before the separator
    if (point <= 0) {
        digits.insert(0, static_cast<size_t>(1 - point), '0');
        point = 1;
    }
    if (point > static_cast<int>(digits.size())) digits.append(static_cast<size_t>(point) - digits.size(), '0');
    std::string fraction = digits.substr(static_cast<size_t>(point));
    fraction.erase(fraction.find_last_not_of('0') + 1);
    digits.resize(static_cast<size_t>(point));
    if (!fraction.empty()) digits += sep + fraction;
    return digits + " " + kPrefixes[prefix + 4] + "F";
}

// The place of `mantissa` in the series' list, -1 when it is not there.
int PlaceIn(int mantissa, ESeries series) {
    const std::span<const int> list = SeriesMantissas(series);
    const auto it = std::find(list.begin(), list.end(), mantissa);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

} // namespace

const char* ColourName(int colour) {
    if (colour < 0 || colour >= static_cast<int>(kColourNames.size())) return "";
    return kColourNames[static_cast<size_t>(colour)];
}

std::string BandNames(const std::vector<int>& bands) {
    std::string names;
    for (size_t i = 0; i < bands.size(); ++i) {
        if (i > 0) names += ' ';
        names += Say(ColourName(bands[i]));
    }
    return names;
}

std::vector<int> Bands(std::string_view digits, int exponent) {
    if (!IsDigits(digits)) return {};
    if (digits.find_first_not_of('0') == std::string_view::npos) return {0}; // 0 Ω
    // A single digit is written as two: "4" as "40" one place lower.
    const int pad = digits.size() == 1 ? 1 : 0;
    if (digits.size() > 3 || exponent < -2 + pad || exponent > 9 + pad) return {};
    std::vector<int> bands;
    for (char c : digits) bands.push_back(c - '0');
    if (pad) bands.push_back(0);
    const int multiplier = exponent - pad;
    bands.push_back(multiplier >= 0 ? multiplier : multiplier == -1 ? kGuld : kSilver);
    bands.push_back(bands.size() == 3 ? kGuld : 1); // 5 % or 1 % (brun)
    return bands;
}

MarkingReading ReadMarking(std::string_view utf8Text, bool capacitor, char decimalSep) {
    MarkingReading r;
    r.label = Say(QT_TRANSLATE_NOOP("Ampero", "Okänd märkning"));
    const std::string_view typed = Trimmed(utf8Text);
    const std::string s = Normalised(typed);
    int tolerance = 0;
    const std::optional<Part> part = capacitor ? CapacitorPart(s, tolerance) : ResistorPart(s);
    if (!part) return r;
    const double value = Scaled(part->digits, part->exponent - (capacitor ? 12 : 0));
    if (!std::isfinite(value)) return r;
    r.known = true;
    r.value = value;
    r.label = std::string(typed) + " = ";
    if (capacitor) {
        r.label += CapacitanceText(value, decimalSep);
        if (tolerance > 0) r.label += " ±" + std::to_string(tolerance) + " %";
        return r;
    }
    // The bands are written from the value, not from the code's digits:
    // "010" is 1 Ω (brun svart guld guld), with as many digits as the code has.
    std::string digits = part->digits;
    int exponent = part->exponent;
    const size_t lead = digits.find_first_not_of('0');
    if (lead != std::string::npos && lead > 0) {
        digits = digits.substr(lead) + std::string(lead, '0');
        exponent -= static_cast<int>(lead);
    }
    r.bands = Bands(digits, exponent);
    r.bandNames = BandNames(r.bands);
    r.label += SiText(value, "Ω", decimalSep) + "  ·  " + (r.bands.empty() ? Say(kNoBands) : r.bandNames);
    return r;
}

std::string SmdCode(int mantissa, int exponent, ESeries series) {
    const int place = PlaceIn(mantissa, series);
    if (place < 0) return "";
    if (series == ESeries::E96) {
        if (exponent < -3 || exponent > 5) return "";
        const int n = place + 1, letter = exponent + 3; // 01 .. 96, Z .. F
        return {static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10),
                kEiaLetters[static_cast<size_t>(letter)]};
    }
    const std::string d = std::to_string(mantissa);
    if (exponent >= 0) return exponent <= 9 ? d + static_cast<char>('0' + exponent) : "";
    if (exponent == -1) return d.substr(0, 1) + "R" + d.substr(1); // "4R7"
    // "R47", "R047", as long as the field takes it.
    if (1 - exponent > kMaxChars) return "";
    std::string code(static_cast<size_t>(-1 - exponent), '0');
    code.front() = 'R';
    return code + d;
}

std::vector<int> PartBands(int mantissa, int exponent, ESeries series) {
    if (PlaceIn(mantissa, series) < 0) return {};
    return Bands(std::to_string(mantissa), exponent);
}

std::string KeepMarkingChars(std::string_view utf8) {
    std::string kept;
    int count = 0;
    for (size_t i = 0; i < utf8.size() && count < kMaxChars; ++i) {
        const std::string_view two = utf8.substr(i, 2);
        if (two == kMicro || two == kGreekMu) {
            kept += two;
            ++i;
            ++count;
        } else if (IsDigit(utf8[i]) || IsAsciiLetter(utf8[i]) || utf8[i] == ',' || utf8[i] == '.') {
            kept += utf8[i];
            ++count;
        }
    }
    return kept;
}

} // namespace ampero
