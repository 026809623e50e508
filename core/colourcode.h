// SPDX-License-Identifier: GPL-3.0-or-later
// Building a resistance from three clicked colour bands.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace ampero {

struct Rgb {
    int r, g, b;
    bool operator==(const Rgb&) const = default;
};

// Colour of each digit 0..9 (black .. white).
extern const std::array<Rgb, 10> kColourCode;
// Band colours at start and after New / Exit: yellow, violet, red; the
// narrow fourth band is light grey and never changes.
extern const std::array<Rgb, 3> kDefaultBands;
inline constexpr Rgb kFixedBand{224, 224, 224};

struct ColourClickResult {
    int band = -1;         // band 0..2 that takes the clicked colour, -1 none
    bool complete = false; // third click: End key, focus to the field
};

// One click on swatch `digit` (0..9). `clickCount` is the window's counter
// (0, 1 or 2 between clicks); `text` is the resistance field's text.
ColourClickResult ApplyColourClick(int32_t& clickCount, int digit, std::string& text);

} // namespace ampero
