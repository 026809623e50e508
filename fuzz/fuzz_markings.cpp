// SPDX-License-Identifier: GPL-3.0-or-later
// Part markings on arbitrary text, a first byte choosing capacitor and
// separator: a value never negative, infinite or NaN; unknown exactly when the
// label says so; a label that starts with the trimmed text; bands for a known
// resistor only, named as BandNames names them; the same reading twice. The
// field's filter keeps at most 16 characters and lets its own output through.
#include "core/marking.h"
#include "fuzz/fuzz_common.h"

using namespace ampero;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzcheck::Input in{data, size};
    const uint8_t flags = in.Byte();
    const bool cap = flags & 1;
    const std::string text = in.Rest();
    const MarkingReading r = ReadMarking(text, cap, flags & 2 ? '.' : ',');
    const std::string what = "\"" + text + "\" as " + r.label;
    FUZZ_CHECK(std::isfinite(r.value) && r.value >= 0 && (r.known || r.value == 0), what);
    FUZZ_CHECK(r.known == (r.label != "Okänd märkning"), what);
    const size_t first = std::min(text.find_first_not_of(" \t\n\r\f\v"), text.size());
    const std::string trimmed = text.substr(first, text.find_last_not_of(" \t\n\r\f\v") + 1 - first);
    FUZZ_CHECK(!r.known || r.label.starts_with(trimmed + " = "), what);
    FUZZ_CHECK(r.bandNames == BandNames(r.bands) && ((r.known && !cap) || r.bands.empty()), what);
    const MarkingReading again = ReadMarking(text, cap, flags & 2 ? '.' : ',');
    FUZZ_CHECK(again.label == r.label && again.value == r.value && again.bands == r.bands, what + ", not again");
    const std::string kept = KeepMarkingChars(text);
    FUZZ_CHECK(std::count_if(kept.begin(), kept.end(), [](char c) { return (c & 0xC0) != 0x80; }) <= 16, kept);
    FUZZ_CHECK(KeepMarkingChars(kept) == kept, kept);
    return 0;
}
