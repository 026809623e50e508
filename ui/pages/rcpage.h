// SPDX-License-Identifier: GPL-3.0-or-later
// The RC page: the RC network with the two-transistor astable multivibrator,
// the NE 555 timer, the tH/tL entry tab and an Info tab.
#pragma once

#include <vector>

#include "ui/page.h"

class QCheckBox;

namespace ampero::ui {

class RCPage : public Page {
    Q_OBJECT
public:
    RCPage(QWidget* parent, Shell& shell, const PageRow& row);

private:
    void buildRCTab(QWidget* tab);
    void buildNE555Tab(QWidget* tab);
    void buildTHTLTab(QWidget* tab);
    void buildColourChart();
    // Shows the RC stage or the multivibrator with its pulse, after the box.
    void showAstablePictures(bool astable);
    // One of the two NE 555 field groups: fields, lamps and the component
    // pictures with their hints.
    void build555Fields(QWidget* tab, const QString& fieldPrefix, const QString& lampPrefix, const QString& pictureName,
                        const QPoint lampAt[4], std::vector<EntryField*>& fields, std::vector<Lamp*>& lamps);
    // The NE 555 entry rules over one of the two field groups.
    Calculator ne555(int tab, const std::vector<EntryField*>& fields, const std::vector<Lamp*>& lamps) const;

    std::vector<QLabel*> history_;

    // "Astabil vippa"
    std::vector<EntryField*> rc_;
    std::vector<Lamp*> sRC_;
    QCheckBox* chkAsta_ = nullptr;
    QLabel* label2_ = nullptr;
    SvgPicture* rcStage_ = nullptr;
    SvgPicture* multivib_ = nullptr;
    SvgPicture* pulse_ = nullptr;

    // "NE 555"
    std::vector<EntryField*> rc555_;
    std::vector<Lamp*> s555RC_;
    QFrame* pic555_ = nullptr;
    std::vector<QLabel*> lbl555_;

    // "tH och tL"
    std::vector<EntryField*> tHtL_;
    std::vector<Lamp*> stHtL_;
};

} // namespace ampero::ui
