// SPDX-License-Identifier: GPL-3.0-or-later
// "Egna delar": the resistors in the user's own drawer, written as a list.
#pragma once

#include <QDialog>
#include <vector>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace ampero::ui {

class OwnPartsDialog : public QDialog {
    Q_OBJECT
public:
    OwnPartsDialog(QWidget* parent, const std::vector<double>& parts);
    // The list read, ascending, each value once; meaningful after OK.
    const std::vector<double>& parts() const { return parts_; }

private:
    void read();

    QPlainTextEdit* text_;
    QLabel* count_;
    QPushButton* ok_;
    std::vector<double> parts_;
};

} // namespace ampero::ui
