// SPDX-License-Identifier: GPL-3.0-or-later
// The capacitor page: capacitive reactance with the microfarad display on
// the capacitor, the reciprocal-sum list (capacitors in series, resistors in
// parallel), and an Info tab.
#pragma once

#include <memory>
#include <vector>

#include "ui/page.h"

namespace ampero::ui {

class CapPage : public Page {
    Q_OBJECT
public:
    CapPage(QWidget* parent, Shell& shell, const PageRow& row);

protected:
    void retold() override;

private:
    void buildXcTab(QWidget* tab);
    void buildSerieTab(QWidget* tab);
    // Follows every change of a reactance field: the capacitance in
    // microfarad on the capacitor of the picture.
    void Cap_Change();

    std::vector<EntryField*> cap_;
    std::vector<Lamp*> lamps_;
    std::vector<QLabel*> history_;
    QLabel* microfarad_ = nullptr;
    std::vector<EntryField*> serie_;
    PlainKeys serieKeys_;
    QPushButton* serieNy_ = nullptr;
    QPushButton* serieCalc_ = nullptr;
};

} // namespace ampero::ui
