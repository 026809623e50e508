// SPDX-License-Identifier: GPL-3.0-or-later
// A calculator page: a panel with its tab control, the "Räkna", "&Ny" and
// "E&xit" buttons, the "F 12" reminder and the "Historia" captions. A page
// describes its calculators (ui/calculator.h); the buttons, F12 and the tab
// changes are served here, once, from those descriptions.
#pragma once

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <array>
#include <initializer_list>
#include <memory>
#include <list>
#include <map>
#include <vector>

#include "core/outcome.h"
#include "ui/calculator.h"
#include "ui/pagetable.h"
#include "ui/protocol.h"
#include "ui/shell.h"
#include "ui/widgets.h"

namespace ampero::ui {

class Page : public QFrame {
    Q_OBJECT
public:
    Page(QWidget* parent, Shell& shell, const PageRow& row);

    QTabWidget* tabs() const { return tabs_; }
    const PageRow& row() const { return row_; }
    // The descriptions, in the order they were added.
    const std::list<Calculator>& calculators() const { return calcs_; }

    // "Räkna" and F12: the calculator of the tab shown checks its entry
    // rule and its confirmations, evaluates, and keeps its history.
    void cmdEval_Click();
    // "Ny": clears the calculator of the tab shown.
    void cmdNew_Click();
    // "Exit": back to the start page; the window decides what is cleared.
    void cmdExit_Click();
    // What an Exit clears of this page: the fields and lamps of every
    // calculator served by the page buttons.
    void ExitClear();
    // Navigation: the page is about to be shown.
    virtual void Opened() {}
    // Whether the page makes a resistance from standard parts, and that
    // with this one, once the window has shown the page.
    virtual bool CombinesResistances() const { return false; }
    virtual void OpenWithResistance(double /*ohms*/) {}
    QWidget* FirstField() const;
    // The language has changed and every told text shows in it: the lines
    // of the answers on screen are written again in it, then retold().
    void LanguageChanged();
    // The next (step 1) or previous (step -1) tab, round.
    void turnTab(int step);

protected:
    // Captions, frames and field captions are given in Swedish, marked for
    // the catalogue, and shown in the language chosen.
    QWidget* addTab(const char* caption);
    QGroupBox* addFrame(QWidget* tab, const QString& name, const char* caption, const char* hint = nullptr);
    // The four history captions in a 2x2 grid under the heading; gridOrder
    // gives the index of the label at top left, top right, bottom left,
    // bottom right.
    std::vector<QLabel*> makeHistory(const QString& headingName, const QString& prefix,
                                     std::array<int, 4> gridOrder = {0, 1, 2, 3}, int count = 4);
    // Where a calculator field and its lamp sit on their tab, in twips.
    struct FieldPlace {
        int left, top, lampLeft, lampTop;
        const char* caption; // printed in the frame under the field
        int width = 1755;
        const char* name = nullptr;  // what a screen reader says, where the caption is a unit only
        const char* frame = nullptr; // the frame's name, where it is not "img<field>"
    };
    // The fields "<fieldPrefix>_i" (index i) in their frames and the lamps
    // "<lampPrefix>_i", one after the other in tab order; appended to
    // `fields` and `lamps`.
    void makeFieldRow(QWidget* tab, const QString& fieldPrefix, const QString& lampPrefix,
                      std::initializer_list<FieldPlace> places, std::vector<EntryField*>& fields,
                      std::vector<Lamp*>& lamps);
    // A calculator field in its display frame, with its lamp.
    EntryField* makeField(QWidget* tab, const QString& name, int index, const QRect& geometry, const char* caption,
                          const QString& frameName = {});
    Lamp* makeLamp(QWidget* tab, const QString& name, const QRect& geometry);

    // Takes a calculator's description; one that confirms values gets its
    // entry protocol, which reads the description as it is kept here.
    Calculator& addCalculator(Calculator c);
    // The calculator in use on a tab; null where the tab has none.
    Calculator* calculatorOn(int tab);
    // Runs one calculator's routine and applies its outcome.
    void evaluate(Calculator& c);

    // The page's own part of an Exit.
    virtual void exited() {}
    // The page's own part of a change of language: the texts it set itself
    // from a calculation, written again in the language now shown.
    virtual void retold() {}
    // Answers again for the values the answer on screen is for, with the
    // form now chosen, where every field and lamp is as that answer left
    // them; otherwise empties the captions.
    void answerAgain(Calculator& c);
    // The history captions named by the fields of the calculator in view.
    void nameHistory(const Calculator& c);

    Shell& shell_;
    EntryState& state_;
    const PageRow& row_;
    QTabWidget* tabs_;
    QPushButton* eval_;
    QPushButton* new_;
    QPushButton* exit_;
    bool tabChangeResets_ = true;

private:
    void tabChanged(int tab);
    Inputs inputsOf(const Calculator& c) const;
    void run(Calculator& c, const Inputs& in);
    void apply(const Outcome& outcome, Calculator& c);
    void showHint(Calculator& c, const Inputs& in, const Outcome& outcome);
    void clear(Calculator& c);

    // A list: each description stays where it was made whatever is added
    // after it, for its protocol and the page's hooks keep references to it.
    std::list<Calculator> calcs_;
    std::vector<std::unique_ptr<EntryProtocol>> protocols_;
    // The answer on screen of a calculator whose forms recompute: the field
    // texts and lamps it left and the confirmations it was computed from.
    struct Standing {
        std::vector<QString> texts;
        std::vector<LampState> lamps;
        std::array<bool, kConfirmingFields> confirmed{};
    };
    std::map<const Calculator*, Standing> standing_;
    // What each calculator's last answer was computed from and the lines it
    // wrote, by slot, to write those still on screen again in another
    // language; and the calculator whose answer the standard-values line
    // speaks of.
    struct Told {
        Inputs in;
        std::map<int, QString> lines;
    };
    std::map<Calculator*, Told> told_;
    Calculator* hinted_ = nullptr;
    // The field each history caption is named after now.
    std::map<QWidget*, QWidget*> historyNames_;
};

} // namespace ampero::ui
