// SPDX-License-Identifier: GPL-3.0-or-later
// The bench tools: the voltage divider with the best standard pair, two
// standard resistors for one value, reading a part's marking, and an Info tab.
#pragma once

#include <array>
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
    // The option buttons "E12", "E24", "E96" and "Egna" at the first four
    // places (twips), the one remembered under `key` chosen (E24 at first),
    // and "Ändra…" (cmdEgna_<index>) at the fifth; returns all but E12.
    std::vector<QAbstractButton*> seriesChoice(QWidget* tab, const QString& prefix, int index, const QString& key,
                                               const std::array<QPoint, 5>& places);
    // "Ändra…": the own parts in their dialog; what the list answers is answered again.
    void editOwnParts();

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
    Calculator* divider_ = nullptr;
    Calculator* combination_ = nullptr;
};

} // namespace ampero::ui
