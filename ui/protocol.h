// SPDX-License-Identifier: GPL-3.0-or-later
// The entry protocol every calculator field runs: keys filtered, Enter
// confirms (red lamp), Backspace / Esc / Delete withdraw a confirmation and
// show the history, F12 evaluates. One implementation, one parameter set per
// calculator.
#pragma once

#include <QLabel>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "ui/entryfield.h"
#include "ui/entrystate.h"
#include "ui/keys.h"

namespace ampero::ui {

struct ProtocolParams {
    std::vector<EntryField*> fields; // by field index
    std::vector<Lamp*> lamps;        // by field index; may be longer than fields
    std::vector<QLabel*> history;    // captions filled when a confirmation is withdrawn
    // Label j shows EntryHistory[historySource[j]]; empty means j itself.
    std::vector<int> historySource;
    // How many captions and lamps Backspace and Delete work on (-1: all);
    // Esc always fills every caption.
    int backspaceHistoryCount = -1;
    int backspaceLampCount = -1;
    int confirmLimit = 2;
    bool backspaceBlanksComputed = true;
    KeyRule keys{true, {}}; // the characters taken; Esc is always passed on
    int evaluateIndex = 0;  // the page's cmdEval index
    // After a confirmation: the last field gives the focus to field 0 when
    // true; otherwise (and for every other field) the focus moves on in tab
    // order. focusAfterConfirm, when set, replaces both.
    bool lastGoesToFirst = true;
    std::function<void(int index)> focusAfterConfirm;
    // A value test on Enter: a refusal message, or nothing to accept.
    std::function<std::optional<QString>(int index, const QString& text)> acceptTest;
    // Runs after field `index` has been confirmed.
    std::function<void(int index)> onConfirmed;
};

class EntryProtocol : public KeyHandler {
public:
    using Evaluate = std::function<void(int evaluateIndex)>;
    using Message = std::function<void(const QString&)>;

    EntryProtocol(EntryState& state, ProtocolParams params, Evaluate evaluate, Message message);

    int KeyPress(int index, int key) override;
    void KeyUp(int index, int keyCode) override;
    // At the confirm limit a paste is discarded like a key.
    bool TakesPaste(int) const override { return state_.ConfirmedCount < params_.confirmLimit; }
    bool TakesMinus() const override { return params_.keys.extra.contains(QLatin1Char('-')); }

private:
    void withdraw(int index);
    void showHistory(int count);
    void greyGreenLamps(int count, bool blank);

    EntryState& state_;
    ProtocolParams params_;
    Evaluate evaluate_;
    Message message_;
};

// The fields outside the protocol (the LED fields, the series list): the key
// rule without Esc; Enter and F12 do what the page gives them.
class PlainKeys : public KeyHandler {
public:
    std::function<void(int index)> enter; // after Enter has been let through
    std::function<void()> f12;            // F12 released

    int KeyPress(int index, int key) override {
        key = FilterKey(key, KeyRule{});
        if (key == kEnter && enter) enter(index);
        return key;
    }
    void KeyUp(int, int keyCode) override {
        if (keyCode == kF12 && f12) f12();
    }
};

// Moves the focus to the next control in tab order, as the Tab key does.
void FocusNextInTabOrder(QWidget* from);

} // namespace ampero::ui
