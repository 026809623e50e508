// SPDX-License-Identifier: GPL-3.0-or-later
// The one record of entry state that all calculators of the window share,
// indexed by field index only.
#pragma once

#include <QString>
#include <algorithm>
#include <array>

#include "core/outcome.h"

namespace ampero::ui {

struct EntryState {
    std::array<bool, kConfirmingFields> EntryConfirmed{};
    std::array<QString, kConfirmingFields> EntryHistory{};

    int ConfirmedCount() const { return static_cast<int>(std::count(EntryConfirmed.begin(), EntryConfirmed.end(), true)); }
    // Clears the flags; the history stays.
    void ResetEntryState() { EntryConfirmed.fill(false); }
};

} // namespace ampero::ui
