// SPDX-License-Identifier: GPL-3.0-or-later
// The entry protocol every calculator field runs: keys filtered, Enter
// confirms (red lamp), Backspace / Esc / Delete withdraw a confirmation and
// show the history, F12 evaluates. One implementation, read from each
// calculator's description.
#pragma once

#include <QString>
#include <functional>

#include "ui/calculator.h"
#include "ui/entryfield.h"
#include "ui/entrystate.h"
#include "ui/keys.h"

namespace ampero::ui {

// A text with a prefix letter replaced by its value in the field's unit
// ("4k7" -> "4700"), so the user sees what was read; other texts stay.
void WriteOut(EntryField* field, const FieldUnit& unit);

class EntryProtocol : public KeyHandler {
public:
    using Evaluate = std::function<void()>;
    using Message = std::function<void(const QString&)>;

    // Serves the fields of `calc`, which outlives the protocol.
    EntryProtocol(EntryState& state, const Calculator& calc, Evaluate evaluate, Message message);

    int KeyPress(int index, int key) override;
    void KeyUp(int index, int keyCode) override;
    // At the confirm limit a paste is discarded like a key.
    bool TakesPaste(int) const override { return state_.ConfirmedCount() < c_.info->confirmLimit; }
    bool TakesMinus() const override { return c_.info->acceptsMinus; }
    bool Confirmed(int index) const override { return state_.EntryConfirmed[static_cast<size_t>(index)]; }
    FieldUnit Unit(int index) const override { return UnitOf(*c_.info, index); }

private:
    void withdraw(int index);
    void showHistory(int count);
    void greyGreenLamps(int count, bool blank);

    EntryState& state_;
    const Calculator& c_;
    Evaluate evaluate_;
    Message message_;
};

// The fields outside the protocol (the LED fields, the series list): the key
// rule without Esc; Enter writes a value with a prefix letter out, as it does
// before a confirmation, and then does what the page gives it, as F12 does.
class PlainKeys : public KeyHandler {
public:
    std::function<void(int index)> enter; // after Enter has been let through
    std::function<void()> f12;            // F12 released
    const CalculatorInfo* info = nullptr;              // the fields' units, where they have any
    const std::vector<EntryField*>* fields = nullptr;  // by index, where they have units

    int KeyPress(int index, int key) override {
        EntryField* field = fields ? (*fields)[static_cast<size_t>(index)] : nullptr;
        key = FilterKey(key, KeyRule{false, {}, Unit(index)}, field ? field->text() : QString());
        if (key == kEnter && field) WriteOut(field, Unit(index));
        if (key == kEnter && enter) enter(index);
        return key;
    }
    FieldUnit Unit(int index) const override { return info ? UnitOf(*info, index) : FieldUnit{}; }
    void KeyUp(int, int keyCode) override {
        if (keyCode == kF12 && f12) f12();
    }
};

// Moves the focus to the next control in tab order, as the Tab key does.
void FocusNextInTabOrder(QWidget* from);

} // namespace ampero::ui
