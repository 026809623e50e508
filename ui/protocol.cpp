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
    : s_(state), p_(std::move(params)), evaluate_(std::move(evaluate)), message_(std::move(message)) {
    for (size_t i = 0; i < p_.fields.size(); ++i) {
        if (!p_.fields[i]) continue;
        p_.fields[i]->setHandler(this);
        if (i < p_.lamps.size() && p_.lamps[i]) p_.lamps[i]->setBuddy(p_.fields[i]);
    }
}

void EntryProtocol::withdraw(int index) {
    s_.EntryConfirmed[static_cast<size_t>(index)] = false;
    p_.lamps[static_cast<size_t>(index)]->setColor(kLampGrey);
    --s_.ConfirmedCount;
}

void EntryProtocol::showHistory(int count) {
    int n = static_cast<int>(p_.history.size());
    if (count >= 0 && count < n) n = count;
    for (int j = 0; j < n; ++j) {
        int src = j < static_cast<int>(p_.historySource.size()) ? p_.historySource[static_cast<size_t>(j)] : j;
        p_.history[static_cast<size_t>(j)]->setText(s_.EntryHistory[static_cast<size_t>(src)]);
    }
}

void EntryProtocol::greyGreenLamps(int count, bool blank) {
    int n = static_cast<int>(p_.lamps.size());
    if (count >= 0 && count < n) n = count;
    for (int j = 0; j < n; ++j) {
        Lamp* lamp = p_.lamps[static_cast<size_t>(j)];
        if (lamp->color() != kLampGreen) continue;
        lamp->setColor(kLampGrey);
        if (blank && j < static_cast<int>(p_.fields.size()) && p_.fields[static_cast<size_t>(j)])
            p_.fields[static_cast<size_t>(j)]->setText(QString());
    }
}

int EntryProtocol::KeyPress(int i, int key) {
    const bool digit = key >= '0' && key <= '9';
    const bool extra = key > 0 && key < 0x10000 && p_.extraKeys.contains(QChar(key));
    if (!(key == 8 || key == 13 || key == 27 || key == ',' || key == '.' || digit || extra)) return 0;

    const size_t ui = static_cast<size_t>(i);
    EntryField* field = p_.fields[ui];
    if (s_.EntryConfirmed[ui] && key == 8) {
        withdraw(i);
        showHistory(p_.backspaceHistoryCount);
        greyGreenLamps(p_.backspaceLampCount, p_.backspaceBlanksComputed);
    } else if (s_.EntryConfirmed[ui] && key == 27) {
        withdraw(i);
        field->setText(QString());
        showHistory(-1);
    }

    if (s_.ConfirmedCount >= p_.confirmLimit) return 0;

    if (key == 13 && !field->text().isEmpty()) {
        if (p_.acceptTest) {
            if (std::optional<QString> refusal = p_.acceptTest(i, field->text())) {
                field->setText(QString());
                message_(*refusal);
                return key;
            }
        }
        p_.lamps[ui]->setColor(kLampRed);
        if (!s_.EntryConfirmed[ui]) {
            s_.EntryConfirmed[ui] = true;
            ++s_.ConfirmedCount;
        }
        if (p_.onConfirmed) p_.onConfirmed(i);
        if (p_.focusAfterConfirm) {
            p_.focusAfterConfirm(i);
        } else if (p_.lastGoesToFirst && i == static_cast<int>(p_.fields.size()) - 1) {
            p_.fields.front()->setFocus(Qt::OtherFocusReason);
        } else {
            FocusNextInTabOrder(field);
        }
    }
    if (key == ',') key = '.';
    return key;
}

void EntryProtocol::KeyUp(int i, int keyCode) {
    if (keyCode == 46 && s_.EntryConfirmed[static_cast<size_t>(i)]) {
        withdraw(i);
        showHistory(p_.backspaceHistoryCount);
        greyGreenLamps(p_.backspaceLampCount, false);
    }
    if (keyCode == 123) evaluate_(p_.evaluateIndex);
}

} // namespace ampero::ui
