// SPDX-License-Identifier: GPL-3.0-or-later
// The language the window speaks. Every text a user sees is written in
// Swedish where the window is built, marked for the catalogue with
// QT_TRANSLATE_NOOP("Ampero", …), and set through Tell(): the widget keeps
// its Swedish text and shows it in the language chosen, and Retell() writes
// it again when the language changes. Swedish is the program's own language
// and loads no catalogue of its own; English loads i18n/ampero_en.ts,
// compiled in. Another language is one more catalogue and one more row of
// kLanguages.
#pragma once

#include <QString>
#include <QStringList>
#include <span>

class QObject;
class QTabWidget;

namespace ampero::ui {

struct LanguageRow {
    const char* code;  // "sv", "en": the catalogue ampero_<code>.qm, Qt's qt_<code>.qm
    const char* name;  // in its own language, as the menu shows it
    bool ownCatalogue; // Swedish, the source language, has none
    bool decimalPoint; // the lines written for reading use "." (else the locale's separator)
};
std::span<const LanguageRow> Languages();

// Shows the program, Qt's own texts and the core's lines in language
// `index` (a row of Languages(); anything else is Swedish). Every widget
// gets a LanguageChange when the language differs from the one shown.
void UseLanguage(int index);
int ShownLanguage();

// The decimal separator of the lines written for reading ("Närmast: 4,7 kΩ").
char ReadingSeparator();

// A Swedish text in the language shown.
QString Tr(const char* swedish);

// Sets `property` of `o` ("text", "title", "toolTip", "accessibleName",
// "windowTitle", …) to `swedish` in the language shown, %1, %2 … taking
// `args`, each shown in the language too; Retell() sets it again.
void Tell(QObject* o, const char* property, const char* swedish, const QStringList& args = {});
// The same for the caption of a tab.
void TellTab(QTabWidget* tabs, int index, const char* swedish);
// Writes every text told to `root` and the objects below it again.
void Retell(QObject* root);

} // namespace ampero::ui
