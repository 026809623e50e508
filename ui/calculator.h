// SPDX-License-Identifier: GPL-3.0-or-later
// One calculator on its tab, described once: the core row it runs, its
// widgets, how its entry protocol differs, and what the page's three buttons
// do with it. The page builds the widgets and fills one of these; "Räkna",
// F12, "Ny", "Exit", the tab changes and the keys in its fields are then
// served from the description alone.
#pragma once

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "core/calculators.h"
#include "ui/entryfield.h"

namespace ampero::ui {

// A check box or option button in a given state; no button: always true.
struct ButtonState {
    QAbstractButton* button = nullptr;
    bool checked = true;
    bool holds() const { return !button || button->isChecked() == checked; }
};

struct Calculator {
    const CalculatorInfo* info = nullptr; // the core row: fields, limits, routine, entry rule
    int tab = 0;                          // the tab it sits on
    std::vector<EntryField*> fields{};      // by field index
    std::vector<Lamp*> lamps{};             // by field index; none where it confirms nothing
    std::vector<QLabel*> history{};         // the history captions
    std::vector<int> historySource{};       // caption j shows field historySource[j]; empty: j
    std::vector<QWidget*> captions{};       // the result captions by the routine's caption slot: a text each
    // The fields copied into the history after an evaluation; filled with
    // every field when described, for a calculator that confirms values.
    std::vector<int> historyCopy{};

    // The page's buttons.
    bool pageButtons = true;          // false: a calculator with buttons of its own
    bool newFromAnyTab = false;       // "Ny" clears it whichever tab is shown
    bool evaluatesFromAnyTab = false; // "Räkna" evaluates it from a tab without a calculator

    // The entry protocol. Backspace and Delete show this many history
    // captions and grey this many lamps (-1: all); Esc fills every caption.
    int backspaceHistoryCount = -1;
    int backspaceLampCount = -1;
    bool backspaceBlanksComputed = true; // Backspace empties the computed fields
    // After a confirmation the last field gives the focus to field 0 when
    // true, otherwise (and for every other field) the focus moves on in tab
    // order; focusAfterConfirm, where given, replaces both.
    bool lastGoesToFirst = true;
    std::function<void(int index)> focusAfterConfirm{};
    // A value test on Enter: a refusal message, or nothing to accept.
    std::function<std::optional<QString>(int index, const QString& text)> acceptTest{};
    std::function<void(int index)> onConfirmed{}; // after field `index` has been confirmed
    std::function<void(int index)> onWithdrawn{}; // after its confirmation has been withdrawn

    // What only reads a widget. The calculator is in use while `active`
    // holds (those sharing a tab); its second form is 1 + the index of the
    // first checked button of `forms`, 0 where none is; `aside` gives the
    // text beside the fields; `shownAfter` come up after an evaluation.
    ButtonState active{};
    std::vector<QAbstractButton*> forms{};
    QLineEdit* aside = nullptr;
    std::vector<QWidget*> shownAfter{};
    // A change of `forms` answers again for the values the answer on screen
    // is for, as long as every field and lamp is as that answer left them;
    // otherwise the captions are emptied: they always belong to the form shown.
    bool formRecomputes = false;
    // The user's own parts go in beside the fields (the series choice "Egna").
    bool ownParts = false;
    // The page's own part after an evaluation and after "Ny".
    std::function<void()> evaluated{};
    std::function<void()> cleared{};

    bool confirms() const { return info && info->confirmLimit > 0; }
    int variant() const {
        for (size_t k = 0; k < forms.size(); ++k)
            if (forms[k]->isChecked()) return static_cast<int>(k) + 1;
        return 0;
    }
};

} // namespace ampero::ui
