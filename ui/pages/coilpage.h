// SPDX-License-Identifier: GPL-3.0-or-later
// The coil page: inductive reactance, coil winding (from the dimensions of
// an air coil or from the AL value of a core), and an Info tab.
#pragma once

#include <vector>

#include "ui/page.h"

class QCheckBox;

namespace ampero::ui {

class CoilPage : public Page {
    Q_OBJECT
public:
    CoilPage(QWidget* parent, Shell& shell);

private:
    void buildXlTab(QWidget* tab);
    void buildWindingTab(QWidget* tab);
    // A click on the AL check box switches between dimension and AL mode.
    void chkAL_Click();

    std::vector<EntryField*> ind_;
    std::vector<Lamp*> indLamps_;
    std::vector<EntryField*> coil_;
    std::vector<Lamp*> coilLamps_;
    EntryField* al_ = nullptr;
    QCheckBox* chkAL_ = nullptr;
    // Shown in dimension mode: the length and diameter frames and the drawing
    // with its dimension lines. Shown in AL mode: the AL frame and drawing.
    QWidget* imgSpol1_ = nullptr;
    QWidget* imgSpol2_ = nullptr;
    QWidget* imgSpol5_ = nullptr;
    QWidget* imgSpol6_ = nullptr;
    QWidget* imgAL_ = nullptr;
    std::vector<QWidget*> lines_;
    std::vector<QLabel*> history_;
};

} // namespace ampero::ui
