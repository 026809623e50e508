// SPDX-License-Identifier: GPL-3.0-or-later
// The user's own resistors, as a list written in the "Egna delar" dialog:
// one value per line, or separated by semicolons, by a comma and a blank, or
// by blanks, each as an entry field reads it ("4k7", "470R", "10 k", "1M",
// "4,7 kΩ", "220").
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ampero {

// The values a list may hold: 0,1 Ω to 100 MΩ.
inline constexpr double kSmallestOwnPart = 0.1;
inline constexpr double kLargestOwnPart = 1e8;

struct PartsList {
    std::vector<double> values;           // in ohms, ascending, each once
    std::vector<std::string> unreadable;  // the words that are no value in range, as written
};

// Reads a list. A comma between digits is the decimal comma; a blank before a
// prefix letter or a unit belongs to the value ("10 k" is one value, "4k7
// 10k 220R" three).
PartsList ReadPartsList(std::string_view utf8);

// The list as it is kept: the values written as results are, a blank between.
std::string PartsListText(const std::vector<double>& values);

} // namespace ampero
