// SPDX-License-Identifier: GPL-3.0-or-later
// The bench tools: the voltage divider with the best standard pair, two
// standard resistors for one value, reading a part's marking, and an Info tab.
#pragma once

#include <vector>

#include "ui/page.h"
#include "ui/partpicture.h"

class QRadioButton;

namespace ampero::ui {

class ToolPage : public Page {
    Q_OBJECT
public:
    ToolPage(QWidget* parent, Shell& shell, const PageRow& row);

    // Kombination with this resistance as its target, confirmed and computed.
    bool CombinesResistances() const override { return true; }
    void OpenWithResistance(double ohms) override;

protected:
    void exited() override;

private:
    static void clearLines(const std::vector<QWidget*>& lines);
    void buildDividerTab(QWidget* tab);
    void buildCombinationTab(QWidget* tab);
    void buildMarkingTab(QWidget* tab);
    void buildInfoTab(QWidget* tab);
    // Three option buttons "E12", "E24", "E96", E24 chosen; returns E24 and E96.
    std::vector<QAbstractButton*> seriesChoice(QWidget* tab, const QString& prefix, int left, int top);

    std::vector<QLabel*> history_;
    std::vector<EntryField*> div_;
    std::vector<Lamp*> divLamps_;
    std::vector<EntryField*> komb_;
    std::vector<Lamp*> kombLamps_;
    std::vector<QWidget*> kombRows_;
    std::vector<EntryField*> mark_;
    std::vector<QWidget*> markShown_;
    std::unique_ptr<KeyHandler> markKeys_;
    Calculator* marking_ = nullptr;
};

} // namespace ampero::ui
