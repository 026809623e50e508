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
    CoilPage(QWidget* parent, Shell& shell, const PageRow& row);

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
    // In view in dimension mode: the length and diameter with their frames,
    // the diameter's lamp and the drawing with its dimension lines. In view
    // in AL mode: the AL field, its frame and its drawing.
    std::vector<QWidget*> dimensionView_;
    std::vector<QWidget*> alView_;
    std::vector<QLabel*> history_;
};

} // namespace ampero::ui
