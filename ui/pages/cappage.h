#pragma once

#include <vector>

#include "ui/page.h"

namespace ampero::ui {

class CapPage : public Page {
    Q_OBJECT
public:
    CapPage(QWidget* parent, Shell& shell);

    void Evaluate() override;
    void NewClicked() override;
    void ExitClear() override;
    void Opened() override;
    QWidget* FirstField() const override;

protected:
    void TabChanged(int tab) override;

private:
    std::vector<QLabel*> history_;
};

} // namespace ampero::ui
