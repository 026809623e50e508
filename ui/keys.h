// SPDX-License-Identifier: GPL-3.0-or-later
// The key codes the fields pass to their calculators, and the one rule for
// which typed characters a numeric field takes.
#pragma once

#include <QString>

#include "core/values.h"

namespace ampero::ui {

// Key codes as a user types them; printable keys are their character code.
inline constexpr int kBackspace = 8;
inline constexpr int kEnter = 13;
inline constexpr int kEsc = 27;
// Key codes of key releases.
inline constexpr int kDelete = 46;
inline constexpr int kF12 = 123;

// What a field takes besides digits, "," and "." and Backspace and Enter.
struct KeyRule {
    bool esc = false;    // Esc is passed on
    QString extra;       // further characters, e.g. "-" where negative values make sense
    FieldUnit unit = {}; // a field with a unit takes one prefix letter ("4k7")
};

// The code to insert for a typed key into a field holding `text`, or 0 to
// discard it; "," becomes ".". A prefix letter goes in where the field has a
// unit and its text holds no prefix letter yet.
inline int FilterKey(int key, const KeyRule& rule, const QString& text = {}) {
    const bool digit = key >= '0' && key <= '9';
    const bool extra = key > 0 && key < 0x10000 && rule.extra.contains(QChar(key));
    if (key == ',') return '.';
    if (digit || extra || key == '.' || key == kBackspace || key == kEnter || (rule.esc && key == kEsc)) return key;
    if (key > 0 && IsPrefixLetter(char32_t(key), rule.unit) && !HasPrefixLetter(text.toStdString(), rule.unit)) return key;
    return 0;
}

} // namespace ampero::ui
