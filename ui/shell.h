// SPDX-License-Identifier: GPL-3.0-or-later
// What the pages need from the window.
#pragma once

#include <QLineEdit>
#include <QString>

#include "ui/entrystate.h"
#include "ui/settings.h"

namespace ampero::ui {

class Page;

class Shell {
public:
    virtual ~Shell() = default;
    virtual EntryState& State() = 0;
    // What is remembered between runs.
    virtual Settings& Remembered() = 0;
    // A page's Exit: back to the start page, clearing what that page's
    // row says.
    virtual void Exited(Page& page) = 0;
    // A modal message box titled "Ampero" with an OK button and no icon.
    virtual void ShowMessage(const QString& text) = 0;
    // The standard-values line under the pages; it empties by itself when
    // the text of `result` changes. An empty text empties it now. Where it
    // speaks of a resistance (ohms > 0), a click on it shows two standard
    // resistors that make that value.
    virtual void ShowStandard(const QString& text, QLineEdit* result, double ohms = 0) = 0;
    virtual bool StandardShown() const = 0;
};

} // namespace ampero::ui
