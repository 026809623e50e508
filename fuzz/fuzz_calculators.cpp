// SPDX-License-Identifier: GPL-3.0-or-later
// Every row of the calculators table on arbitrary inputs (byte 0 the row, byte
// 1 the confirmed flags in bits 0..3, the variant in bit 4 and a comma locale
// in bit 5, then the aside text and the field texts, one per line).
#include "core/calculators.h"
#include "core/capacitive.h"
#include "core/ne555.h"
#include "core/ohm.h"
#include "fuzz/fuzz_common.h"

using namespace ampero;
using fuzzcheck::HasInfNan, fuzzcheck::Replaced;

namespace {

std::string Describe(const CalculatorInfo& c, const Inputs& in) {
    std::string d = std::string(c.name) + " sum " + std::to_string(in.Selection()) + " aside \"" + in.aside + "\"";
    for (const std::string& f : in.fields) d += " \"" + f + "\"";
    return d + (in.variant ? " variant" : "");
}

void CheckOutcome(const CalculatorInfo& c, const Inputs& in, const Outcome& o, const std::string& what) {
    for (const std::string& m : o.messages) FUZZ_CHECK(!m.empty() && !HasInfNan(m), what + ": message " + m);
    for (const FieldResult& r : o.fields) {
        const std::string at = what + ": field " + std::to_string(r.index) + " := \"" + r.text + "\"";
        FUZZ_CHECK(r.index >= 0 && r.index < c.fieldCount, at);
        FUZZ_CHECK(!HasInfNan(r.text) && fuzzcheck::ReadsBack(r.text), at);
    }
    const bool ne555 = c.eval == EvalNE555;
    for (const CaptionResult& cap : o.captions)
        FUZZ_CHECK(ne555 && cap.slot >= NE555HighTime && cap.slot <= NE555Split && !HasInfNan(cap.text), what + ": caption " + cap.text);
    // Ohm's law and the NE 555 compute from exactly two and three confirmed
    // fields, and never write a confirmed one.
    if (c.eval == EvalOhmsLaw || ne555) {
        const int wanted = ne555 ? 3 : 2;
        FUZZ_CHECK(o.Empty() == (in.Count() != wanted), what + ": evaluated with " + std::to_string(in.Count()));
        for (const FieldResult& r : o.fields) FUZZ_CHECK(!in.confirmed[static_cast<size_t>(r.index)], what + ": wrote an input");
    }
    if (ne555) FUZZ_CHECK(o.Empty() || o.captions.size() == 3, what + ": captions");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzcheck::Input bytes{data, size};
    const auto rows = Calculators();
    const CalculatorInfo& c = rows[bytes.Byte() % rows.size()];
    const uint8_t flags = bytes.Byte();
    Inputs in;
    for (size_t i = 0; i < 4; ++i) in.confirmed[i] = (flags >> i) & 1;
    in.variant = (flags & 0x10) ? 1 : 0;
    in.decimalSep = (flags & 0x20) ? ',' : '.';
    in.fields = bytes.Lines(static_cast<size_t>(c.fieldCount) + 1);
    in.aside = in.fields.front();
    in.fields.erase(in.fields.begin());
    const std::string what = Describe(c, in);

    if (c.rule) {
        const std::optional<Stop> stop = c.rule(in), again = c.rule(in);
        FUZZ_CHECK(stop.has_value() == again.has_value() && (!stop || stop->message == again->message), what + ": rule");
        FUZZ_CHECK(!stop || (!stop->message.empty() && !HasInfNan(stop->message)), what + ": rule message");
    }
    const Outcome o = c.eval(in);
    FUZZ_CHECK(c.eval(in) == o, what + ": two runs differ");
    CheckOutcome(c, in, o, what);
    // The standard-values hint speaks of a field the outcome wrote, or of none.
    const StandardHint hint = StandardHintFor(c, in, o);
    FUZZ_CHECK(!HasInfNan(hint.text) && (hint.field < 0) == hint.text.empty(), what + ": hint " + hint.text);

    Inputs other = in;
    other.decimalSep = in.decimalSep == '.' ? ',' : '.';
    const Outcome p = c.eval(other);
    FUZZ_CHECK(p.fields == o.fields && p.messages == o.messages && p.captions.size() == o.captions.size(), what + ": locale");
    for (size_t i = 0; i < o.captions.size(); ++i)
        FUZZ_CHECK(Replaced(o.captions[i].text, in.decimalSep, '.') == Replaced(p.captions[i].text, other.decimalSep, '.'), what + ": caption " + o.captions[i].text + " against " + p.captions[i].text);

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
