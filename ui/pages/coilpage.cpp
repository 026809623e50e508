#include "ui/pages/coilpage.h"

#include "ui/colors.h"
#include "ui/twips.h"

namespace ampero::ui {

CoilPage::CoilPage(QWidget* parent, Shell& shell)
    : Page(parent, shell, PageIndexes{3, 2, 1, 1}, QStringLiteral("TabCoil")) {
    auto* xlTab = addTab(QStringLiteral("Spolar XL"));
    auto* windTab = addTab(QStringLiteral(" Tillverka Spolar"));
    auto* infoTab = addTab(QStringLiteral("Info"));
    addFrame(xlTab, QStringLiteral("fraInd_0"), QStringLiteral("Spole"));
    addFrame(windTab, QStringLiteral("fraInd_1"), QStringLiteral("Tillverka Spole"),
             QStringLiteral("Längd och diameter måste alltid vara med. Här krävs 3 uppgifter    "));
    new SvgPicture(infoTab, QStringLiteral("imgInfoCoil"), QStringLiteral("info_coil"), TabTw(240, 120, 5250, 3000));
    auto* l9 = MakeLabel(infoTab, QStringLiteral("Label9"),
                         QStringLiteral("Tillverka Spolar måste ha 3 värde . Diameter och Längd måste vara med"),
                         TabTw(240, 3300, 5400, 420), true);
    l9->setAlignment(Qt::AlignCenter);
    history_ = makeHistory(QStringLiteral("LblHiInd"), QStringLiteral("lblInd"));
}

void CoilPage::Evaluate() {}
void CoilPage::NewClicked() {}
void CoilPage::ExitClear() {}
void CoilPage::Opened() {}
QWidget* CoilPage::FirstField() const { return nullptr; }
void CoilPage::TabChanged(int) { state_.ResetEntryState(); }

} // namespace ampero::ui
