// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/protocol.h"

#include <QApplication>
#include <QKeyEvent>

#include "ui/colors.h"

namespace ampero::ui {

void FocusNextInTabOrder(QWidget* from) {
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QApplication::sendEvent(from, &tab);
}

EntryProtocol::EntryProtocol(EntryState& state, ProtocolParams params, Evaluate evaluate, Message message)
    : state_(state), params_(std::move(params)), evaluate_(std::move(evaluate)), message_(std::move(message)) {
    for (size_t i = 0; i < params_.fields.size(); ++i) {
        if (!params_.fields[i]) continue;
        params_.fields[i]->setHandler(this);
        if (i < params_.lamps.size() && params_.lamps[i]) params_.lamps[i]->setBuddy(params_.fields[i]);
    }
}

void EntryProtocol::withdraw(int index) {
    state_.EntryConfirmed[static_cast<size_t>(index)] = false;
    params_.lamps[static_cast<size_t>(index)]->setColor(kLampGrey);
    --state_.ConfirmedCount;
}

void EntryProtocol::showHistory(int count) {
    int n = static_cast<int>(params_.history.size());
    if (count >= 0 && count < n) n = count;
    for (int j = 0; j < n; ++j) {
        int src = j < static_cast<int>(params_.historySource.size()) ? params_.historySource[static_cast<size_t>(j)] : j;
        params_.history[static_cast<size_t>(j)]->setText(state_.EntryHistory[static_cast<size_t>(src)]);
    }
}

void EntryProtocol::greyGreenLamps(int count, bool blank) {
    int n = static_cast<int>(params_.lamps.size());
    if (count >= 0 && count < n) n = count;
    for (int j = 0; j < n; ++j) {
        Lamp* lamp = params_.lamps[static_cast<size_t>(j)];
        if (lamp->color() != kLampGreen) continue;
        lamp->setColor(kLampGrey);
        if (blank && j < static_cast<int>(params_.fields.size()) && params_.fields[static_cast<size_t>(j)])
            params_.fields[static_cast<size_t>(j)]->setText(QString());
    }
}

int EntryProtocol::KeyPress(int i, int key) {
    key = FilterKey(key, params_.keys);
    if (key == 0) return 0;

    const size_t ui = static_cast<size_t>(i);
    EntryField* field = params_.fields[ui];
    if (state_.EntryConfirmed[ui] && key == kBackspace) {
        withdraw(i);
        showHistory(params_.backspaceHistoryCount);
        greyGreenLamps(params_.backspaceLampCount, params_.backspaceBlanksComputed);
    } else if (state_.EntryConfirmed[ui] && key == kEsc) {
        withdraw(i);
        field->setText(QString());
        showHistory(-1);
    }

    if (state_.ConfirmedCount >= params_.confirmLimit) return 0;

    if (key == kEnter && !field->text().isEmpty()) {
        if (params_.acceptTest) {
            if (std::optional<QString> refusal = params_.acceptTest(i, field->text())) {
                field->setText(QString());
                message_(*refusal);
                return key;
            }
        }
        params_.lamps[ui]->setColor(kLampRed);
        if (!state_.EntryConfirmed[ui]) {
            state_.EntryConfirmed[ui] = true;
            ++state_.ConfirmedCount;
        }
        if (params_.onConfirmed) params_.onConfirmed(i);
        if (params_.focusAfterConfirm) {
            params_.focusAfterConfirm(i);
        } else if (params_.lastGoesToFirst && i == static_cast<int>(params_.fields.size()) - 1) {
            params_.fields.front()->setFocus(Qt::OtherFocusReason);
        } else {
            FocusNextInTabOrder(field);
        }
    }
    return key;
}

void EntryProtocol::KeyUp(int i, int keyCode) {
    if (keyCode == kDelete && state_.EntryConfirmed[static_cast<size_t>(i)]) {
        withdraw(i);
        showHistory(params_.backspaceHistoryCount);
        greyGreenLamps(params_.backspaceLampCount, false);
    }
    if (keyCode == kF12) evaluate_(params_.evaluateIndex);
}

} // namespace ampero::ui
