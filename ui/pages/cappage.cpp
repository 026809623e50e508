#include "ui/pages/cappage.h"

#include "ui/colors.h"
#include "ui/twips.h"

namespace ampero::ui {

CapPage::CapPage(QWidget* parent, Shell& shell)
    : Page(parent, shell, PageIndexes{4, 1, 2, 2}, QStringLiteral("TabCap")) {
    auto* xcTab = addTab(QStringLiteral("Kondensator XC"));
    auto* serieTab = addTab(QStringLiteral("Seriekoppling"));
    auto* infoTab = addTab(QStringLiteral("Info"));
    addFrame(xcTab, QStringLiteral("fraCap_0"), QStringLiteral("Kondensator"));
    addFrame(serieTab, QStringLiteral("fraCap_1"), QStringLiteral("Seriekoppling "));
    new SvgPicture(infoTab, QStringLiteral("imgInfoCap"), QStringLiteral("info_cap"), TabTw(180, 120, 3750, 3450));
    auto* l7 = MakeLabel(infoTab, QStringLiteral("Label7"),
                         QStringLiteral("Alla inmatningar du gör skall bekräftas(valideras) med <Enter> . Du får röd lampa.") +
                             QString(12, QLatin1Char(' ')) + QStringLiteral("Grön visar svaret."),
                         TabTw(4050, 300, 1700, 2400), true);
    l7->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    auto* red = new Lamp(infoTab, QStringLiteral("sRes_6"), kLampRed);
    red->setGeometry(TabTw(4200, 2900, 255, 255));
    auto* green = new Lamp(infoTab, QStringLiteral("sRes_5"), kLampGreen);
    green->setGeometry(TabTw(4200, 3300, 255, 255));
    history_ = makeHistory(QStringLiteral("LblHiCap"), QStringLiteral("lblCap"), {0, 1, 2, 3}, 3);
}

void CapPage::Evaluate() {}
void CapPage::NewClicked() {}
void CapPage::ExitClear() {}
void CapPage::Opened() {}
QWidget* CapPage::FirstField() const { return nullptr; }
void CapPage::TabChanged(int) { state_.ResetEntryState(); }

} // namespace ampero::ui
