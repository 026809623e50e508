// SPDX-License-Identifier: GPL-3.0-or-later
// The Ohm page: Ohm's law with the resistor colour code, the LED series
// resistor, and an Info tab.
#pragma once

#include <cstdint>
#include <vector>

#include "ui/page.h"

class QPlainTextEdit;

namespace ampero::ui {


class OhmPage : public Page {
    Q_OBJECT
public:
    OhmPage(QWidget* parent, Shell& shell, const PageRow& row);
    ~OhmPage() override;

    // A click on swatch lCol(digit).
    void ColourClick(int digit);

protected:
    void exited() override;

private:
    void buildOhmTab(QWidget* tab);
    void buildLedTab(QWidget* tab);
    void buildInfoTab(QWidget* tab);
    void resetBands();

    std::vector<EntryField*> ohm_;
    std::vector<Lamp*> lamps_;
    std::vector<QLabel*> history_;
    std::vector<ColourSwatch*> bands_;
    std::vector<QWidget*> swatches_;
    std::vector<EntryField*> led_;
    PlainKeys ledKeys_;
    SvgPicture* bulbOff_ = nullptr;
    SvgPicture* bulbOn_ = nullptr;
    int32_t colourClickCount_ = 0;
};

} // namespace ampero::ui
