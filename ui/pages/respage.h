// SPDX-License-Identifier: GPL-3.0-or-later
// The resonance page: LC resonance with the grid-dip meter's needle, the
// impedance of a capacitor and a coil in parallel or in series, and an
// Info tab.
#pragma once

#include <vector>

#include "ui/page.h"

class QRadioButton;

namespace ampero::ui {

class ResPage : public Page {
    Q_OBJECT
public:
    ResPage(QWidget* parent, Shell& shell, const PageRow& row);

    void Opened() override;

private:
    void buildResonanceTab(QWidget* tab);
    void buildImpedanceTab(QWidget* tab);
    void buildInfoTab(QWidget* tab);
    void optPar_Click();
    void optSerie_Click();

    std::vector<QLabel*> history_;

    // "Resonans Fq"
    QGroupBox* fraRes0_ = nullptr;
    std::vector<EntryField*> res_;
    std::vector<Lamp*> resLamps_;
    LineShape* needle_ = nullptr;
    QLabel* lblcReso_ = nullptr;

    // "Icke Resonans"
    std::vector<EntryField*> ires_;
    std::vector<Lamp*> iresLamps_;
    EntryField* iResR2_ = nullptr;
    QRadioButton* optPar_ = nullptr;
    QRadioButton* optSerie_ = nullptr;
    SvgPicture* imgPar_ = nullptr;
    SvgPicture* imgSerie_ = nullptr;
};

} // namespace ampero::ui
