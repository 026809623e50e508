// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/protocol.h"

#include <QApplication>
#include <QKeyEvent>

namespace ampero::ui {

void FocusNextInTabOrder(QWidget* from) {
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QApplication::sendEvent(from, &tab);
}

void WriteOut(EntryField* field, const FieldUnit& unit) {
    const std::string typed = field->text().toStdString();
    if (HasPrefixLetter(typed, unit)) field->setText(QString::fromStdString(ConfirmedText(typed, unit)));
}

EntryProtocol::EntryProtocol(EntryState& state, const Calculator& calc, Evaluate evaluate, Message message)
    : state_(state), c_(calc), evaluate_(std::move(evaluate)), message_(std::move(message)) {
    // A field two calculators share keeps the protocol of the first.
    for (size_t i = 0; i < c_.fields.size(); ++i) {
        if (!c_.fields[i]->handler()) c_.fields[i]->setHandler(this);
        if (i < c_.lamps.size()) c_.lamps[i]->setBuddy(c_.fields[i]);
    }
}

void EntryProtocol::withdraw(int index) {
    state_.EntryConfirmed[static_cast<size_t>(index)] = false;
    c_.lamps[static_cast<size_t>(index)]->setState(LampState::Off);
    if (c_.onWithdrawn) c_.onWithdrawn(index);
}

void EntryProtocol::showHistory(int count) {
    int n = static_cast<int>(c_.history.size());
    if (count >= 0 && count < n) n = count;
    for (int j = 0; j < n; ++j) {
        int src = j < static_cast<int>(c_.historySource.size()) ? c_.historySource[static_cast<size_t>(j)] : j;
        c_.history[static_cast<size_t>(j)]->setText(state_.EntryHistory[static_cast<size_t>(src)]);
    }
}

void EntryProtocol::greyGreenLamps(int count, bool blank) {
    int n = static_cast<int>(c_.lamps.size());
    if (count >= 0 && count < n) n = count;
    for (int j = 0; j < n; ++j) {
        Lamp* lamp = c_.lamps[static_cast<size_t>(j)];
        if (lamp->state() != LampState::Computed) continue;
        lamp->setState(LampState::Off);
        if (blank) c_.fields[static_cast<size_t>(j)]->setText(QString());
    }
}

int EntryProtocol::KeyPress(int i, int key) {
    const size_t ui = static_cast<size_t>(i);
    EntryField* field = c_.fields[ui];
    key = FilterKey(key, KeyRule{true, c_.info->acceptsMinus ? QStringLiteral("-") : QString(), Unit(i)}, field->text());
    if (key == 0) return 0;

    if (state_.EntryConfirmed[ui] && key == kBackspace) {
        withdraw(i);
        showHistory(c_.backspaceHistoryCount);
        greyGreenLamps(c_.backspaceLampCount, c_.backspaceBlanksComputed);
    } else if (state_.EntryConfirmed[ui] && key == kEsc) {
        withdraw(i);
        field->setText(QString());
        showHistory(-1);
    }

    if (state_.ConfirmedCount() >= c_.info->confirmLimit) return 0;

    if (key == kEnter && !field->text().isEmpty()) {
        WriteOut(field, Unit(i)); // the value test judges what was read
        if (c_.acceptTest) {
            if (std::optional<QString> refusal = c_.acceptTest(i, field->text())) {
                field->setText(QString());
                message_(*refusal);
                return key;
            }
        }
        c_.lamps[ui]->setState(LampState::Confirmed);
        state_.EntryConfirmed[ui] = true;
        if (c_.onConfirmed) c_.onConfirmed(i);
        if (c_.focusAfterConfirm) {
            c_.focusAfterConfirm(i);
        } else if (c_.lastGoesToFirst && i == static_cast<int>(c_.fields.size()) - 1) {
            c_.fields.front()->setFocus(Qt::OtherFocusReason);
        } else {
            FocusNextInTabOrder(field);
        }
    }
    return key;
}

void EntryProtocol::KeyUp(int i, int keyCode) {
    if (keyCode == kDelete && state_.EntryConfirmed[static_cast<size_t>(i)]) {
        withdraw(i);
        showHistory(c_.backspaceHistoryCount);
        greyGreenLamps(c_.backspaceLampCount, false);
    }
    if (keyCode == kF12) evaluate_();
}

} // namespace ampero::ui
