// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/partmarks.h"

#include <optional>
#include <string>

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
    std::string picture = r.bandNames.empty() ? "inga färgband" : r.bandNames;
    if (capacitor) picture = kCapacitorPicture + (r.known ? Trimmed(typed) : "");
    out.captions.push_back({MarkingPicture, picture});
    return out;
}

Outcome EvalCombinationWithParts(const Inputs& in) {
    Outcome out = EvalCombination(in);
    const ESeries series = ChosenSeries(in.variant);
    const std::optional<Standard> s = NearestStandard(FieldValue(in.fields, 0), series);
    if (!s || out.captions.empty()) return out;
    const std::string bands = BandNames(PartBands(s->mantissa, s->exponent, series));
    const std::string code = SmdCode(s->mantissa, s->exponent, series);
    std::string& line = out.captions.front().text;
    line += "  ·  " + (bands.empty() ? std::string("inga färgband") : bands);
    if (!code.empty()) line += "  ·  SMD " + code;
    out.captions.push_back({kCombinationPicture, bands.empty() ? "inga färgband" : bands});
    return out;
}

} // namespace ampero
