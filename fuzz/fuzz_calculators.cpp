// Every evaluation routine on arbitrary field texts and selection values:
// results only in fields the routine owns and never in a confirmed one,
// every written text a well-formed number that reads back unchanged, no
// "inf" or "nan" in a field, caption or message, and the same answer twice.
//
// Input: byte 0 picks the routine, byte 1 holds flags, bytes 2..5 the
// selection value; the rest are the field texts, one per line.
#include <array>
#include <cfloat>
#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "core/capacitive.h"
#include "core/coilwinding.h"
#include "core/colourcode.h"
#include "core/impedance.h"
#include "core/inductive.h"
#include "core/led.h"
#include "core/ne555.h"
#include "core/numrules.h"
#include "core/ohm.h"
#include "core/rcnetwork.h"
#include "core/resonance.h"
#include "core/seriescaps.h"
#include "fuzz/fuzz_common.h"

// Outcomes compared member by member (found by argument lookup).
namespace ampero {
static bool operator==(const FieldResult& a, const FieldResult& b) { return a.index == b.index && a.text == b.text; }
static bool operator==(const CaptionResult& a, const CaptionResult& b) {
    return a.target == b.target && a.text == b.text;
}
} // namespace ampero

using namespace ampero;
using fuzzcheck::Escaped;
using fuzzcheck::HasInfNan;
using fuzzcheck::IsGeneralNumber;

namespace {

std::string Describe(const char* routine, int32_t selection, const FieldTexts& fields) {
    std::string d = std::string(routine) + "(selection " + std::to_string(selection) + ";";
    for (const std::string& f : fields) d += " \"" + Escaped(f) + "\"";
    return d + ")";
}

bool SameOutcome(const Outcome& a, const Outcome& b) {
    return a.messages == b.messages && a.fields == b.fields && a.captions == b.captions;
}

enum class Precision { Double, Single };

// A written result reads back by the prefix rule and is written again the
// same way.
bool ReadsBack(const std::string& text, Precision p) {
    const double v = ParsePrefix(text);
    if (p == Precision::Double) return FormatGeneral(v) == text;
    if (std::fabs(v) > static_cast<double>(FLT_MAX)) return false;
    return FormatSingle(static_cast<float>(v)) == text;
}

// The checks every outcome passes. `owned` are the field indexes the routine
// may write; `expected` is the one field left open by the confirmations, or
// -1 when that is not known.
void CheckOutcome(const Outcome& o, const std::set<int>& owned, int expected, Precision p, const std::string& what) {
    for (const std::string& m : o.messages) {
        FUZZ_CHECK(!m.empty(), what + ": empty message");
        FUZZ_CHECK(!HasInfNan(m), what + ": message \"" + m + "\"");
    }
    std::set<int> written;
    for (const FieldResult& r : o.fields) {
        const std::string at = what + ": field " + std::to_string(r.index) + " := \"" + Escaped(r.text) + "\"";
        FUZZ_CHECK(owned.count(r.index) == 1, at + " (not a field of this calculator)");
        FUZZ_CHECK(written.insert(r.index).second, at + " (written twice)");
        if (expected >= 0) FUZZ_CHECK(r.index == expected, at + " (expected field " + std::to_string(expected) + ")");
        FUZZ_CHECK(!HasInfNan(r.text), at);
        FUZZ_CHECK(IsGeneralNumber(r.text, p == Precision::Double ? 15 : 7), at + " (not in the general format)");
        FUZZ_CHECK(ReadsBack(r.text, p), at + " (does not read back)");
    }
    for (const CaptionResult& c : o.captions) {
        const std::string at = what + ": caption " + c.target + " := \"" + Escaped(c.text) + "\"";
        FUZZ_CHECK(!c.target.empty(), at);
        FUZZ_CHECK(!HasInfNan(c.text), at);
        FUZZ_CHECK(c.text.size() <= 64, at);
    }
}

std::string PointToComma(std::string t) {
    for (char& c : t)
        if (c == '.') c = ',';
    return t;
}

// "762.3us", "6.5ms": a number and the unit.
bool IsShownTime(const std::string& t, char sep) {
    if (t.size() < 3) return false;
    const std::string unit = t.substr(t.size() - 2);
    return (unit == "us" || unit == "ms") && IsGeneralNumber(t.substr(0, t.size() - 2), 15, sep);
}

// "66.7 / 33.3 %", or empty when both times are 0.
bool IsSplit(const std::string& t, char sep) {
    if (t.empty()) return true;
    const size_t slash = t.find(" / ");
    if (slash == std::string::npos || t.size() < 2 || t.substr(t.size() - 2) != " %") return false;
    return IsGeneralNumber(t.substr(0, slash), 7, sep) &&
           IsGeneralNumber(t.substr(slash + 3, t.size() - 2 - slash - 3), 7, sep);
}

template <class F> Outcome Twice(F f, const std::string& what) {
    Outcome a = f();
    Outcome b = f();
    FUZZ_CHECK(SameOutcome(a, b), what + ": two runs differ");
    return a;
}

void FuzzOhm(uint8_t flags, const FieldTexts& fields) {
    std::array<bool, 4> confirmed{};
    int count = 0;
    for (size_t i = 0; i < 4; ++i) {
        confirmed[i] = (flags >> i) & 1;
        count += confirmed[i];
    }
    const std::string what = Describe("EvalOhmsLaw", flags & 15, fields);
    Outcome o = Twice([&] { return EvalOhmsLaw(confirmed, fields); }, what);
    CheckOutcome(o, {0, 1, 2, 3}, -1, Precision::Double, what);
    for (const FieldResult& r : o.fields)
        FUZZ_CHECK(!confirmed[static_cast<size_t>(r.index)],
                   what + ": result in confirmed field " + std::to_string(r.index));
    FUZZ_CHECK(count == 2 || o.Empty(), what + ": evaluated without two confirmed fields");
    FUZZ_CHECK(count != 2 || o.fields.size() == 2, what + ": two confirmed fields but not two results");
}

// The three-field calculators: two confirmed of 0..2 leave field 3 - selection.
template <class F> void FuzzThree(const char* name, int32_t selection, const FieldTexts& fields, F eval) {
    const std::string what = Describe(name, selection, fields);
    Outcome o = Twice([&] { return eval(selection, fields); }, what);
    const bool pair = selection >= 1 && selection <= 3;
    CheckOutcome(o, {0, 1, 2}, pair ? 3 - selection : -1, Precision::Double, what);
    FUZZ_CHECK(o.messages.empty() && o.captions.empty(), what + ": unexpected message or caption");
    if (!pair)
        FUZZ_CHECK(o.Empty(), what + ": a result without a pair of confirmed fields");
    else
        FUZZ_CHECK(o.fields.size() == 1, what + ": no result for a pair of confirmed fields");
}

void FuzzNE555(int32_t selection, bool commaLocale, const FieldTexts& fields) {
    const char sep = commaLocale ? ',' : '.';
    const std::string what = Describe("EvalNE555", selection, fields);
    Outcome o = Twice([&] { return EvalNE555(selection, fields, sep); }, what);
    const bool three = selection >= 3 && selection <= 6;
    CheckOutcome(o, {0, 1, 2, 3}, three ? 6 - selection : -1, Precision::Double, what);
    if (!three) {
        FUZZ_CHECK(o.Empty(), what + ": a result without three confirmed fields");
        return;
    }
    FUZZ_CHECK(o.fields.size() == 1, what + ": no result");
    for (const std::string& m : o.messages) FUZZ_CHECK(m == kNegativeResultMessage, what + ": message " + m);
    std::set<std::string> targets;
    for (const CaptionResult& c : o.captions) {
        targets.insert(c.target);
        const std::string at = what + ": " + c.target + " := \"" + Escaped(c.text) + "\"";
        if (c.target == "lbl555_3")
            FUZZ_CHECK(IsSplit(c.text, sep), at);
        else
            FUZZ_CHECK(IsShownTime(c.text, sep), at);
    }
    FUZZ_CHECK((targets == std::set<std::string>{"lbl555_3", "lbl555_4", "lbl555_5"}), what + ": captions");
    if (commaLocale) {
        // Only the separator of the captions differs between the locales.
        Outcome point = EvalNE555(selection, fields, '.');
        FUZZ_CHECK(point.fields == o.fields && point.messages == o.messages, what + ": fields depend on the locale");
        for (size_t i = 0; i < o.captions.size(); ++i)
            FUZZ_CHECK(PointToComma(point.captions[i].text) == o.captions[i].text,
                       what + ": " + o.captions[i].target + " \"" + o.captions[i].text + "\" against \"" +
                           point.captions[i].text + "\"");
    }
}

void FuzzNE555Refusal(int index, const std::string& text) {
    std::optional<std::string> r = NE555Refusal(index, text);
    const std::string what = "NE555Refusal(" + std::to_string(index) + ", \"" + Escaped(text) + "\")";
    if (index < 0 || index > 3) FUZZ_CHECK(!r, what + " refuses a field the rules do not know");
    if (r) FUZZ_CHECK(!r->empty() && !HasInfNan(*r), what + " = " + *r);
    FUZZ_CHECK(NE555Refusal(index, text) == r, what + ": two runs differ");
}

void FuzzCoilWinding(int32_t selection, const FieldTexts& fields) {
    const std::string what = Describe("EvalCoilWinding", selection, fields);
    Outcome o = Twice([&] { return EvalCoilWinding(selection, fields); }, what);
    const bool known = selection == 3 || selection == 4;
    CheckOutcome(o, {2, 3}, known ? 6 - selection : -1, Precision::Single, what);
    FUZZ_CHECK(o.messages.empty() && o.captions.empty(), what);
    if (!known) FUZZ_CHECK(o.Empty(), what + ": a result for an unknown selection");
}

void FuzzCoilFromAL(int32_t selection, const FieldTexts& fields) {
    const FieldTexts coil(fields.begin(), fields.begin() + 4);
    const std::string what = Describe("EvalCoilFromAL", selection, fields);
    Outcome o = Twice([&] { return EvalCoilFromAL(selection, fields[4], coil); }, what);
    const bool known = selection == 2 || selection == 3;
    // AL is confirmation 0; the other confirmed field is 2 or 3.
    CheckOutcome(o, {2, 3}, known ? 5 - selection : -1, Precision::Single, what);
    if (!known) FUZZ_CHECK(o.Empty(), what + ": a result for an unknown selection");
}

void FuzzMicrofarad(bool commaLocale, const std::string& text) {
    const std::string what = "MicrofaradCaption(\"" + Escaped(text) + "\")";
    const std::string c = MicrofaradCaption(text, commaLocale ? ',' : '.');
    FUZZ_CHECK(!HasInfNan(c), what + " = \"" + c + "\"");
    FUZZ_CHECK(c.empty() || IsGeneralNumber(c, 15, commaLocale ? ',' : '.'), what + " = \"" + c + "\"");
    if (commaLocale) FUZZ_CHECK(PointToComma(MicrofaradCaption(text, '.')) == c, what + " depends on the locale");
}

void FuzzSeriesCaps(const FieldTexts& fields) {
    const std::string what = Describe("EvalSeriesCapacitors", 0, fields);
    Outcome o = Twice([&] { return EvalSeriesCapacitors(fields); }, what);
    CheckOutcome(o, {8, 9}, -1, Precision::Double, what);
    FUZZ_CHECK(o.fields.size() <= 1 && o.messages.empty() && o.captions.empty(), what);
}

void FuzzImpedance(int32_t selection, bool parallel, const FieldTexts& fields) {
    const FieldTexts imp(fields.begin(), fields.begin() + 4);
    const float wire = CoilWireResistanceFrom(fields[4]);
    FUZZ_CHECK(std::isfinite(wire), "CoilWireResistanceFrom(\"" + Escaped(fields[4]) + "\") is not finite");
    const std::string what =
        Describe(parallel ? "EvalImpedance[parallel]" : "EvalImpedance[series]", selection, fields);
    Outcome o = Twice([&] { return EvalImpedance(selection, parallel, wire, imp); }, what);
    const bool known = selection == 3 || selection == 4 || selection == 6;
    CheckOutcome(o, {0, 1, 2, 3}, known ? 6 - selection : -1, Precision::Double, what);
    FUZZ_CHECK(o.messages.empty() && o.captions.empty(), what);
    if (!known) FUZZ_CHECK(o.Empty(), what + ": a result for an unknown selection");
}

void FuzzLed(const FieldTexts& fields) {
    const std::string what = Describe("CalcLedSeriesResistor", 0, fields);
    std::optional<std::string> r = CalcLedSeriesResistor(fields);
    FUZZ_CHECK(CalcLedSeriesResistor(fields) == r, what + ": two runs differ");
    if (ParsePrefix(fields[2]) == 0.0) FUZZ_CHECK(!r, what + ": a result with no current");
    if (!r) return;
    const std::string at = what + " = \"" + Escaped(*r) + "\"";
    FUZZ_CHECK(!HasInfNan(*r), at);
    // Whole ohms in the 32-bit range, written as a plain integer.
    FUZZ_CHECK(IsGeneralNumber(*r, 10) && r->find('.') == std::string::npos && r->find('E') == std::string::npos, at);
    const double v = ParsePrefix(*r);
    FUZZ_CHECK(v >= -2147483648.0 && v <= 2147483647.0, at);
}

void FuzzColourClicks(int32_t startCount, const std::string& clicks, const std::string& startText) {
    int32_t count = startCount;
    std::string text = startText;
    // The digits clicked since the counter last stood at 0.
    std::vector<int> bands;
    bool known = false;
    for (unsigned char c : clicks) {
        const int digit = static_cast<int8_t>(c) % 12; // -11..11: some are no swatch
        const int32_t before = count;
        const std::string textBefore = text;
        ColourClickResult r = ApplyColourClick(count, digit, text);
        const std::string what = "ApplyColourClick(count " + std::to_string(before) + ", digit " +
                                 std::to_string(digit) + ", \"" + Escaped(textBefore) + "\") -> count " +
                                 std::to_string(count) + ", \"" + Escaped(text) + "\", band " + std::to_string(r.band);
        if (digit < 0 || digit > 9) {
            FUZZ_CHECK(count == before && text == textBefore && r.band == -1 && !r.complete, what);
            continue;
        }
        FUZZ_CHECK(count >= 0 && count <= 2, what);
        FUZZ_CHECK(r.band >= -1 && r.band <= 2, what);
        FUZZ_CHECK(r.complete == (r.band == 2), what);
        FUZZ_CHECK(!r.complete || count == 0, what);
        // A value is followed from its first click on; one begun before the
        // given start count is not.
        if (before < 0 || before > 2 || before == 0) {
            bands.clear();
            known = true;
        }
        if (!known) continue;
        bands.push_back(digit);
        FUZZ_CHECK(static_cast<int>(bands.size()) == (count == 0 ? 3 : count), what + " (counter out of step)");
        if (r.complete) {
            // Three bands: two digits and the number of zeros.
            const double want = (10.0 * bands[0] + bands[1]) * std::pow(10.0, bands[2]);
            FUZZ_CHECK(ParsePrefix(text) == want, what + " is not " + std::to_string(want));
            FUZZ_CHECK(text.size() <= 11 && text.find_first_not_of("0123456789") == std::string::npos, what);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzcheck::Input in(data, size);
    const uint8_t routine = in.Byte();
    const uint8_t flags = in.Byte();
    const int32_t raw = in.Int32();
    // Mostly the small selection values the window forms, sometimes any.
    const int32_t selection = (flags & 0x40) ? raw : static_cast<int32_t>(static_cast<uint32_t>(raw) % 12) - 2;
    const bool option = flags & 0x10;
    const bool comma = flags & 0x20;

    switch (routine % 14) {
    case 0: FuzzOhm(flags, in.Fields(4)); break;
    case 1:
        FuzzThree(option ? "EvalRCNetwork[astable]" : "EvalRCNetwork", selection, in.Fields(3),
                  [option](int32_t s, const FieldTexts& f) { return EvalRCNetwork(s, option, f); });
        break;
    case 2: FuzzNE555(selection, comma, in.Fields(4)); break;
    case 3: FuzzNE555Refusal(static_cast<int8_t>(raw & 0xff) % 8, in.Rest()); break;
    case 4: FuzzThree("EvalInductiveReactance", selection, in.Fields(3), EvalInductiveReactance); break;
    case 5: FuzzCoilWinding(selection, in.Fields(4)); break;
    case 6: FuzzCoilFromAL(selection, in.Fields(5)); break;
    case 7: FuzzThree("EvalCapacitiveReactance", selection, in.Fields(3), EvalCapacitiveReactance); break;
    case 8: FuzzMicrofarad(comma, in.Rest()); break;
    case 9: FuzzSeriesCaps(in.Fields(10)); break;
    case 10: FuzzThree("EvalResonance", selection, in.Fields(3), EvalResonance); break;
    case 11: FuzzImpedance(selection, option, in.Fields(5)); break;
    case 12: FuzzLed(in.Fields(4)); break;
    case 13: {
        FieldTexts parts = in.Fields(2);
        FuzzColourClicks(raw, parts[0], parts[1]);
        break;
    }
    }
    return 0;
}
