// What the pages need from the window.
#pragma once

#include <QString>

#include "ui/entrystate.h"

namespace ampero::ui {

class Shell {
public:
    virtual ~Shell() = default;
    virtual EntryState& State() = 0;
    virtual void cmdEval_Click(int index) = 0;
    virtual void cmdNew_Click(int index) = 0;
    virtual void cmdExit_Click(int index) = 0;
    // A modal message box titled "Ampero" with an OK button and no icon.
    virtual void ShowMessage(const QString& text) = 0;
};

} // namespace ampero::ui
