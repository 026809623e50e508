// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/partmarks.h"

#include <charconv>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/combination.h"
#include "core/eseries.h"
#include "core/marking.h"
#include "core/numrules.h"

namespace ampero {

namespace {

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The bands and SMD code of an own part, from its significant digits: 4700 is
// 47 × 10^2, gul violett röd guld and 472.
std::pair<std::vector<int>, std::string> OwnPartMarks(double ohms) {
    char text[32];
    const std::string sci(text, std::to_chars(text, text + sizeof text, ohms, std::chars_format::scientific).ptr);
    const size_t e = sci.find('e');
    const std::string digits = sci.substr(0, 1) + (e > 1 ? sci.substr(2, e - 2) : "");
    const int exponent = std::stoi(sci.substr(e + 1)) - static_cast<int>(digits.size() - 1);
    // The code of the series whose mantissas have `width` digits.
    const auto code = [&](ESeries series, size_t width) -> std::string {
        if (digits.size() > width) return "";
        const size_t pad = width - digits.size();
        return SmdCode(std::stoi(digits + std::string(pad, '0')), exponent - static_cast<int>(pad), series);
    };
    const std::string e24 = code(ESeries::E24, 2);
    return {Bands(digits, exponent), e24.empty() ? code(ESeries::E96, 3) : e24};
}

} // namespace

Outcome EvalMarking(const Inputs& in) {
    const bool capacitor = in.variant != 0;
    const std::string& typed = FieldText(in.fields, 0);
    Outcome out;
    // Nothing typed: nothing to show, as Enter in an empty field does nothing.
    if (Trimmed(typed).empty()) {
        out.captions = {{MarkingLine, ""}, {MarkingPicture, ""}};
        return out;
    }
    const MarkingReading r = ReadMarking(typed, capacitor, in.decimalSep);
    out.captions.push_back({MarkingLine, r.label});
    std::string picture = r.bandNames.empty() ? Say(kNoBands) : r.bandNames;
    if (capacitor) picture = kCapacitorPicture + (r.known ? Trimmed(typed) : "");
    out.captions.push_back({MarkingPicture, picture});
    return out;
}

Outcome EvalCombinationWithParts(const Inputs& in) {
    Outcome out = EvalCombination(in);
    const double target = FieldValue(in.fields, 0);
    std::optional<std::pair<std::vector<int>, std::string>> marks; // of the nearest part
    if (in.variant == kOwnPartsVariant) {
        if (const std::optional<double> v = NearestListed(in.ownParts, target)) marks = OwnPartMarks(*v);
    } else if (const ESeries series = ChosenSeries(in.variant);
               const std::optional<Standard> s = NearestStandard(target, series)) {
        marks = {PartBands(s->mantissa, s->exponent, series), SmdCode(s->mantissa, s->exponent, series)};
    }
    std::string picture;
    if (marks) {
        picture = marks->first.empty() ? Say(kNoBands) : BandNames(marks->first);
        std::string& line = out.captions.front().text;
        line += "  ·  " + picture;
        if (!marks->second.empty()) line += "  ·  SMD " + marks->second;
    }
    // In slot order: before the three parts.
    out.captions.insert(out.captions.begin() + CombPicture, {CombPicture, picture});
    return out;
}

} // namespace ampero
