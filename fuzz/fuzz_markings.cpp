// SPDX-License-Identifier: GPL-3.0-or-later
// Markings read from any text: finite, never negative; "Okänd märkning" or the trimmed text first; bands for a
// known resistor only; the same twice. The field's filter keeps at most 16 characters, its own output unchanged.
#include "core/marking.h"
#include "fuzz/fuzz_common.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzcheck::Input in{data, size};
    const uint8_t flags = in.Byte();
    const bool cap = flags & 1;
    const char sep = flags & 2 ? '.' : ',';
    const std::string text = in.Rest(), blanks = " \t\n\r\f\v";
    const ampero::MarkingReading r = ampero::ReadMarking(text, cap, sep), again = ampero::ReadMarking(text, cap, sep);
    const std::string what = "\"" + text + "\" as " + r.label;
    const size_t first = std::min(text.find_first_not_of(blanks), text.size());
    FUZZ_CHECK(std::isfinite(r.value) && r.value >= 0 && (r.known || r.value == 0), what);
    FUZZ_CHECK(r.known ? r.label.starts_with(text.substr(first, text.find_last_not_of(blanks) + 1 - first) + " = ") : r.label == "Okänd märkning", what);
    FUZZ_CHECK(r.bandNames == ampero::BandNames(r.bands) && ((r.known && !cap) || r.bands.empty()), what);
    FUZZ_CHECK(again.label == r.label && again.value == r.value && again.bands == r.bands, what + ", not again");
    const std::string kept = ampero::KeepMarkingChars(text);
    FUZZ_CHECK(std::count_if(kept.begin(), kept.end(), [](char c) { return (c & 0xC0) != 0x80; }) <= 16, kept);
    FUZZ_CHECK(ampero::KeepMarkingChars(kept) == kept, kept);
    return 0;
}
