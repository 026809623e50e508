// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/colourcode.h"

namespace ampero {

const std::array<Rgb, 10> kColourCode{{
    {0, 0, 0},       // 0 black
    {158, 0, 0},     // 1 brown
    {255, 0, 0},     // 2 red
    {255, 192, 128}, // 3 orange
    {255, 255, 0},   // 4 yellow
    {0, 255, 0},     // 5 green
    {0, 0, 255},     // 6 blue
    {192, 0, 192},   // 7 violet
    {192, 192, 192}, // 8 grey
    {255, 255, 255}, // 9 white
}};

// 4k7: yellow, a violet darker than the swatch, red.
const std::array<Rgb, 3> kDefaultBands{{
    {255, 255, 0},
    {128, 0, 128},
    {255, 0, 0},
}};

ColourClickResult ApplyColourClick(int32_t& clickCount, int digit, std::string& text) {
    ColourClickResult result;
    if (digit < 0 || digit > 9) return result; // no such swatch
    // The counter only ever holds 0, 1 or 2 between clicks; anything else
    // starts a new value.
    if (clickCount < 0 || clickCount > 2) clickCount = 0;

    if (clickCount == 0) text.clear();
    ++clickCount;

    const char ch = static_cast<char>('0' + digit);
    switch (clickCount) {
    case 1:
        // A leading black adds nothing to the value, but counts as the band.
        if (digit > 0) {
            text.push_back(ch);
            result.band = 0;
        }
        break;
    case 2:
        text.push_back(ch);
        result.band = 1;
        break;
    case 3:
        text.append(static_cast<size_t>(digit), '0'); // the multiplier
        result.band = 2;
        result.complete = true;
        clickCount = 0;
        break;
    default: break;
    }
    return result;
}

} // namespace ampero
