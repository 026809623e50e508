// SPDX-License-Identifier: GPL-3.0-or-later
// One calculator on its tab, described once: the core row it runs, its
// widgets, and what the page's three buttons do with it. The page builds the
// widgets and fills one of these; "Räkna", F12, "Ny", "Exit" and the tab
// changes are then served by the page from the description alone.
#pragma once

#include <QLabel>
#include <QString>
#include <functional>
#include <vector>

#include "core/calculators.h"
#include "ui/entryfield.h"

namespace ampero::ui {

class EntryProtocol;

struct Calculator {
    const CalculatorInfo* info = nullptr; // the core row: fields, limits, routine, entry rule
    int tab = 0;                          // the tab it sits on
    std::vector<EntryField*> fields;      // by field index
    std::vector<Lamp*> lamps;             // by field index; none where it confirms nothing
    std::vector<QLabel*> history;         // the history captions by field index
    std::vector<int> historySource;       // caption j shows field historySource[j]; empty: j
    std::vector<QLabel*> captions;        // the result captions by the routine's caption slot
    // The fields copied into the history after an evaluation; left empty, every
    // field of a calculator that confirms values.
    std::vector<int> historyCopy;
    // Served by "Räkna", "Ny" and "Exit" of the page; false for a calculator
    // with buttons of its own.
    bool pageButtons = true;
    // "Ny" clears this calculator whichever tab is shown.
    bool newFromAnyTab = false;
    // "Räkna" evaluates it from a tab without a calculator of its own.
    bool evaluatesFromAnyTab = false;

    // Which of the calculators sharing a tab is in use; null: always.
    std::function<bool()> active;
    // The second form (astable RC, parallel impedance) and the text beside
    // the fields (the coil's wire resistance); null where there is none.
    std::function<bool()> variant;
    std::function<QString()> aside;
    // The page's own part after an evaluation and after "Ny".
    std::function<void()> evaluated;
    std::function<void()> cleared;

    EntryProtocol* protocol = nullptr;

    bool confirms() const { return info && info->confirmLimit > 0; }
};

} // namespace ampero::ui
