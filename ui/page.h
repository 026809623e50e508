// A calculator page: a panel with its tab control, the "Räkna", "&Ny" and
// "E&xit" buttons, the "F 12" reminder and the "Historia" captions.
#pragma once

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <array>
#include <initializer_list>
#include <memory>
#include <vector>

#include "core/outcome.h"
#include "ui/protocol.h"
#include "ui/shell.h"
#include "ui/widgets.h"

namespace ampero::ui {

struct PageIndexes {
    int pan;   // pan(i)
    int eval;  // cmdEval index
    int newer; // cmdNew index
    int exit;  // cmdExit index
};

class Page : public QFrame {
    Q_OBJECT
public:
    Page(QWidget* parent, Shell& shell, PageIndexes idx, const QString& tabName);

    QTabWidget* tabs() const { return tabs_; }
    const PageIndexes& indexes() const { return idx_; }

    // cmdEval_Click, cmdNew_Click and the Exit clearing for this page.
    virtual void Evaluate() = 0;
    virtual void NewClicked() = 0;
    // Exit from any page but the Ohm page clears the fields of this page
    // that Exit clears (the Ohm page clears itself on its own Exit).
    virtual void ExitClear() = 0;
    // Navigation: the page is about to be shown; give the first field the
    // focus afterwards.
    virtual void Opened() {}
    virtual QWidget* FirstField() const = 0;

protected:
    // The user picked another tab.
    virtual void TabChanged(int tab) = 0;

    QWidget* addTab(const QString& caption);
    QGroupBox* addFrame(QWidget* tab, const QString& name, const QString& caption, const QString& hint = {});
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
    EntryField* makeField(QWidget* tab, const QString& name, int index, const QRect& geometry, const QString& caption,
                          const QString& frameName = {});
    Lamp* makeLamp(QWidget* tab, const QString& name, const QRect& geometry);
    EntryProtocol* makeProtocol(ProtocolParams params);

    // Applies an evaluation: messages, then results (lamps green), then captions.
    void apply(const Outcome& outcome, const std::vector<EntryField*>& fields, const std::vector<Lamp*>& lamps);

    // Clears fields a..b with their lamps and history captions, and the history.
    void clearFields(const std::vector<EntryField*>& fields, const std::vector<Lamp*>& lamps,
                     const std::vector<QLabel*>& captions, int first, int last);

    static std::vector<std::string> Texts(const std::vector<EntryField*>& fields);
    void copyHistory(const std::vector<EntryField*>& fields, int first, int last);

    Shell& shell_;
    EntryState& state_;
    PageIndexes idx_;
    QTabWidget* tabs_;
    QPushButton* eval_;
    QPushButton* new_;
    QPushButton* exit_;
    std::vector<std::unique_ptr<EntryProtocol>> protocols_;
};

} // namespace ampero::ui
