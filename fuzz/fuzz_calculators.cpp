// SPDX-License-Identifier: GPL-3.0-or-later
// Every row of the calculators table on arbitrary inputs (byte 0 the row, byte
// 1 the confirmed flags in bits 0..3, the variant 0..3 in bits 4 and 6 and a
// comma locale in bit 5, then the aside text and the field texts, one per line).
// The first eight bytes of the aside are also the own parts, each byte
// (m + 1) × 10^(e − 1) ohms with m its bits 0..4 and e its bits 5..7.
#include <set>

#include "core/calculators.h"
#include "core/capacitive.h"
#include "core/combination.h"
#include "core/divider.h"
#include "core/ne555.h"
#include "core/ohm.h"
#include "fuzz/fuzz_common.h"
#include "tests/core/threebrute.h"

using namespace ampero;
using fuzzcheck::HasInfNan, fuzzcheck::Replaced;

namespace {

std::string Describe(const CalculatorInfo& c, const Inputs& in) {
    std::string d = std::string(c.name) + " sum " + std::to_string(in.Selection()) + " aside \"" + in.aside + "\"";
    for (const std::string& f : in.fields) d += " \"" + f + "\"";
    return d + " variant " + std::to_string(in.variant);
}

void CheckOutcome(const CalculatorInfo& c, const Inputs& in, const Outcome& o, const std::string& what) {
    for (const std::string& m : o.messages) FUZZ_CHECK(!m.empty() && !HasInfNan(m), what + ": message " + m);
    for (const FieldResult& r : o.fields) {
        const std::string at = what + ": field " + std::to_string(r.index) + " := \"" + r.text + "\"";
        FUZZ_CHECK(r.index >= 0 && r.index < c.fieldCount, at);
        FUZZ_CHECK(!HasInfNan(r.text) && fuzzcheck::ReadsBack(r.text), at);
    }
    const bool ne555 = c.eval == EvalNE555, divider = c.eval == EvalDivider;
    const bool komb = std::string_view(c.name) == "Komb"; // whatever routine the row runs around EvalCombination
    // Captions come in the order of their slots, from 0 on.
    for (size_t i = 0; i < o.captions.size(); ++i)
        FUZZ_CHECK(o.captions[i].slot == static_cast<int>(i) && !HasInfNan(o.captions[i].text), what + ": caption " + o.captions[i].text);
    FUZZ_CHECK(o.note.empty() || (divider && !HasInfNan(o.note)), what + ": note " + o.note);
    // Ohm's law and the NE 555 compute from exactly two and three confirmed
    // fields, and never write a confirmed one.
    if (c.eval == EvalOhmsLaw || ne555) {
        const int wanted = ne555 ? 3 : 2;
        FUZZ_CHECK(o.Empty() == (in.Count() != wanted), what + ": evaluated with " + std::to_string(in.Count()));
        for (const FieldResult& r : o.fields) FUZZ_CHECK(!in.confirmed[static_cast<size_t>(r.index)], what + ": wrote an input");
    }
    if (ne555) FUZZ_CHECK(o.Empty() || o.captions.size() == 3, what + ": captions");
    if (c.eval == EvalOhmsLaw || divider) FUZZ_CHECK(o.captions.empty(), what + ": captions");
    // The combinations write their four lines and the picture, and nothing
    // else: without a nearest value no two or three parts either, without own
    // parts the message alone; of a few own parts three as near as any triple
    // (within the allowance, and the roundings of distances far beyond the target).
    if (komb) {
        FUZZ_CHECK(o.fields.empty() && o.messages.empty() && o.captions.size() == 5, what + ": lines");
        const bool none = o.captions[0].text.starts_with("Närmast: –"), ownNone = o.captions[0].text == kNoOwnPartsMessage;
        const std::string rest = o.captions[1].text + "|" + o.captions[2].text + "|" + o.captions[3].text + "|" + o.captions[4].text;
        FUZZ_CHECK(ownNone == (in.variant == kOwnPartsVariant && in.ownParts.empty()), what + ": no own parts");
        FUZZ_CHECK(ownNone ? rest == "|||" : none ? rest == "I serie: –|Parallellt: –||Tre delar: –" : rest.find("|Tre delar: ") != std::string::npos && !rest.ends_with("–"), what + ": lines " + rest);
        if (in.variant == kOwnPartsVariant && !none && !ownNone) {
            const double target = FieldValue(in.fields, 0), want = brute::Nearest(brute::EveryTriple(in.ownParts), target).distance;
            FUZZ_CHECK(std::fabs(NearestThree(in.ownParts, target)->distance - want) <= 1e-9 * target + 1e-12 * want, what + ": three parts nearer");
        }
    }
    // The divider answers every time: a message alone, the one field not
    // confirmed of three, or a best pair from 1 Ω to 10 MΩ (of the own parts)
    // with its note.
    if (divider) {
        FUZZ_CHECK(o.messages.size() + (o.fields.empty() ? 0 : 1) == 1, what + ": message or result");
        for (const FieldResult& r : o.fields) FUZZ_CHECK(!in.confirmed[static_cast<size_t>(r.index)], what + ": wrote an input");
        if (o.note.empty()) {
            FUZZ_CHECK(o.fields.empty() || (o.fields.size() == 1 && in.Count() == 3), what + ": fourth value");
        } else {
            FUZZ_CHECK(o.fields.size() == 2 && o.fields[0].index == DividerR1 && o.fields[1].index == DividerR2, what + ": pair");
            for (const FieldResult& r : o.fields)
                FUZZ_CHECK(in.variant == kOwnPartsVariant ? std::ranges::count(in.ownParts, ParsePrefix(r.text)) == 1 : ParsePrefix(r.text) >= kSmallestResistor && ParsePrefix(r.text) <= kLargestResistor, what + ": pair value " + r.text);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzcheck::Input bytes{data, size};
    const auto rows = Calculators();
    const CalculatorInfo& c = rows[bytes.Byte() % rows.size()];
    const uint8_t flags = bytes.Byte();
    Inputs in;
    for (size_t i = 0; i < 4; ++i) in.confirmed[i] = (flags >> i) & 1;
    in.variant = ((flags >> 4) & 1) | ((flags >> 5) & 2);
    in.decimalSep = (flags & 0x20) ? ',' : '.';
    in.fields = bytes.Lines(static_cast<size_t>(c.fieldCount) + 1);
    in.aside = in.fields.front();
    in.fields.erase(in.fields.begin());
    std::set<double> own;
    for (const uint8_t b : in.aside.substr(0, 8)) own.insert(ParsePrefix(std::to_string((b & 31) + 1) + "E" + std::to_string((b >> 5) - 1)));
    in.ownParts.assign(own.begin(), own.end());
    const std::string what = Describe(c, in);

    if (c.rule) {
        const std::optional<Stop> stop = c.rule(in), again = c.rule(in);
        FUZZ_CHECK(stop.has_value() == again.has_value() && (!stop || stop->message == again->message), what + ": rule");
        FUZZ_CHECK(!stop || (!stop->message.empty() && !HasInfNan(stop->message)), what + ": rule message");
    }
    const Outcome o = c.eval(in);
    FUZZ_CHECK(c.eval(in) == o, what + ": two runs differ");
    CheckOutcome(c, in, o, what);
    // The standard-values hint speaks of a field the outcome wrote, or of
    // none; an outcome's own note takes its place.
    const StandardHint hint = StandardHintFor(c, in, o);
    FUZZ_CHECK(!HasInfNan(hint.text) && (hint.field < 0) == hint.text.empty(), what + ": hint " + hint.text);
    FUZZ_CHECK(o.note.empty() || hint.text == o.note, what + ": hint in place of the note " + hint.text);

    Inputs other = in;
    other.decimalSep = in.decimalSep == '.' ? ',' : '.';
    const Outcome p = c.eval(other);
    FUZZ_CHECK(p.fields == o.fields && p.messages == o.messages && p.captions.size() == o.captions.size(), what + ": locale");
    FUZZ_CHECK(Replaced(o.note, in.decimalSep, '.') == Replaced(p.note, other.decimalSep, '.'), what + ": note " + o.note + " against " + p.note);
    // A caption may repeat what was typed (a marking: ",4K = 400 Ω"), whose comma is no separator.
    for (size_t i = 0; i < o.captions.size(); ++i)
        FUZZ_CHECK(Replaced(o.captions[i].text, ',', '.') == Replaced(p.captions[i].text, ',', '.'), what + ": caption " + o.captions[i].text + " against " + p.captions[i].text);

    // The NE 555 field acceptance and the microfarad caption on the same texts.
    for (int i = 0; i < 4; ++i) {
        const std::string& t = FieldText(in.fields, i);
        const std::optional<std::string> refusal = NE555Refusal(i, t);
        FUZZ_CHECK(!refusal || (!refusal->empty() && !HasInfNan(*refusal)), "NE555Refusal " + t);
        const std::string uf = MicrofaradCaption(t, in.decimalSep);
        FUZZ_CHECK(uf.empty() || fuzzcheck::ReadsBack(Replaced(uf, in.decimalSep, '.')), "MicrofaradCaption " + t + " = " + uf);
    }
    return 0;
}
