// SPDX-License-Identifier: GPL-3.0-or-later
// The one shape of every evaluation: Inputs in, Outcome out. The window only
// applies an outcome: first the messages (modal, in order), then the field
// texts (each lamp turns green), then the captions.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace ampero {

using FieldTexts = std::vector<std::string>;

// A calculator that confirms values has at most this many fields: one flag
// and one history slot each.
inline constexpr int kConfirmingFields = 4;

// What an evaluation reads: the calculator's field texts, which of them the
// user confirmed, and the choices beside the fields.
struct Inputs {
    FieldTexts fields{};                             // by field index
    std::array<bool, kConfirmingFields> confirmed{}; // by field index
    // The form chosen beside the fields: 0 the first; 1 the astable RC
    // network, the parallel impedance; the standard series 0 E12, 1 E24,
    // 2 E96, or 3 the user's own parts.
    int variant = 0;
    std::string aside{};                             // a text beside the fields: the coil's wire resistance
    char decimalSep = '.';           // the locale's, for captions written with it
    // The user's own resistors in ohms, ascending, each once, all above 0.
    std::vector<double> ownParts{};

    // The selection value: the sum of the indexes of the confirmed fields.
    int32_t Selection() const {
        int32_t s = 0;
        for (int i = 0; i < kConfirmingFields; ++i) s += confirmed[static_cast<size_t>(i)] ? i : 0;
        return s;
    }
    int Count() const {
        int n = 0;
        for (bool c : confirmed) n += c ? 1 : 0;
        return n;
    }
};

struct FieldResult {
    int index;        // field index within the calculator
    std::string text; // written as is
    bool operator==(const FieldResult&) const = default;
};

struct CaptionResult {
    int slot;         // the calculator's own caption slot, e.g. NE555HighTime
    std::string text;
    bool operator==(const CaptionResult&) const = default;
};

struct Outcome {
    std::vector<std::string> messages{};
    std::vector<FieldResult> fields{};
    std::vector<CaptionResult> captions{};
    // The line under the page in place of the nearest standard values of the
    // first result; empty: those values, where the result has any.
    std::string note{};

    bool Empty() const { return messages.empty() && fields.empty() && captions.empty() && note.empty(); }
    bool operator==(const Outcome&) const = default;
};

using Evaluator = Outcome (*)(const Inputs&);

// An entry rule that stops an evaluation before it starts: the message to
// show, and whether the calculator is then cleared as by "Ny".
struct Stop {
    std::string message;
    bool clear = false;
};
using EntryRule = std::optional<Stop> (*)(const Inputs&);

// Field `index` of an evaluation's texts; a field that is not there is empty.
inline const std::string& FieldText(const FieldTexts& fields, int index) {
    static const std::string empty;
    return index >= 0 && index < static_cast<int>(fields.size()) ? fields[static_cast<size_t>(index)] : empty;
}

} // namespace ampero
