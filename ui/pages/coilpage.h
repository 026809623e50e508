#pragma once

#include <vector>

#include "ui/page.h"

namespace ampero::ui {

class CoilPage : public Page {
    Q_OBJECT
public:
    CoilPage(QWidget* parent, Shell& shell);

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
