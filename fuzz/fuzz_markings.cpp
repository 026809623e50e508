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
    const size_t first = std::min(text.find_first_not_of(blanks), text.size());
    const std::string head = text.substr(first, text.find_last_not_of(blanks) + 1 - first) + " = "; // trimmed
    const bool labelled = r.known ? r.label.starts_with(head) : r.label == "Okänd märkning" && r.value == 0;
    FUZZ_CHECK(std::isfinite(r.value) && r.value >= 0 && labelled, text + " as " + r.label);
    FUZZ_CHECK(r.bandNames == ampero::BandNames(r.bands) && ((r.known && !cap) || r.bands.empty()), r.label);
    FUZZ_CHECK(again.label == r.label && again.value == r.value && again.bands == r.bands, text + ", not again");
    const std::string kept = ampero::KeepMarkingChars(text);
    const auto chars = std::count_if(kept.begin(), kept.end(), [](char c) { return (c & 0xC0) != 0x80; });
    FUZZ_CHECK(chars <= 16 && ampero::KeepMarkingChars(kept) == kept, kept);
    return 0;
}
