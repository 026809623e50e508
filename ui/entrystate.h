// SPDX-License-Identifier: GPL-3.0-or-later
// The one record of entry state that all calculators of the window share,
// indexed by field index only.
#pragma once

#include <QString>
#include <array>
#include <cstdint>

namespace ampero::ui {

struct EntryState {
    std::array<bool, 4> EntryConfirmed{};
    int32_t ConfirmedCount = 0;
    std::array<QString, 4> EntryHistory{};

    // Clears the flags and the count; the history stays.
    void ResetEntryState() {
        EntryConfirmed.fill(false);
        ConfirmedCount = 0;
    }

    // Sum of the indexes of the true flags in [first, last].
    int32_t Selection(int first, int last) const {
        int32_t s = 0;
        for (int i = first; i <= last; ++i)
            if (EntryConfirmed[static_cast<size_t>(i)]) s += i;
        return s;
    }
    int32_t Count(int first, int last) const {
        int32_t n = 0;
        for (int i = first; i <= last; ++i)
            if (EntryConfirmed[static_cast<size_t>(i)]) ++n;
        return n;
    }
};

} // namespace ampero::ui
