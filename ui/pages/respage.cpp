#include "ui/pages/respage.h"

#include "ui/colors.h"
#include "ui/twips.h"

namespace ampero::ui {

ResPage::ResPage(QWidget* parent, Shell& shell)
    : Page(parent, shell, PageIndexes{5, 3, 3, 3}, QStringLiteral("TabRes")) {
    auto* resTab = addTab(QStringLiteral("Resonans Fq"));
    auto* impTab = addTab(QStringLiteral("Icke Resonans"));
    auto* infoTab = addTab(QStringLiteral("Info"));
    addFrame(resTab, QStringLiteral("fraRes_0"), QStringLiteral("Resonans"));
    auto* f1 = addFrame(impTab, QStringLiteral("fraRes_1"),
                        QStringLiteral("  Icke Resonans") + QString(25, QLatin1Char(' ')) + QStringLiteral("Filterberäkning"),
                        QStringLiteral("Här måste alltid Frekvensboxen vara ifylld  "));
    Q_UNUSED(f1);
    new SvgPicture(infoTab, QStringLiteral("imgInfoRes"), QStringLiteral("info_res"), TabTw(120, 60, 4950, 3300));
    auto* l6 = MakeLabel(infoTab, QStringLiteral("Label6"),
                         QStringLiteral("Alla inmatningar du gör skall bekräftas(valideras) med <Enter> . Du får röd lampa.") +
                             QString(12, QLatin1Char(' ')) + QStringLiteral("Grön visar svaret") +
                             QString(121, QLatin1Char(' ')) +
                             QStringLiteral("Icke Resonans kräver tre(3) inmatningar för att kunna räkna. Frekvens måste "
                                            "alltid vara en av dom. Svar Impedans  Z"),
                         TabTw(120, 3420, 5600, 1000), true);
    QFont small = FormFont();
    small.setPixelSize(10);
    l6->setFont(small);
    auto* red = new Lamp(infoTab, QStringLiteral("sRes_3"), kLampRed);
    red->setGeometry(TabTw(5250, 600, 255, 255));
    auto* green = new Lamp(infoTab, QStringLiteral("sRes_4"), kLampGreen);
    green->setGeometry(TabTw(5250, 1000, 255, 255));
    history_ = makeHistory(QStringLiteral("lblHiReso"), QStringLiteral("lblRes"));
}

void ResPage::Evaluate() {}
void ResPage::NewClicked() {}
void ResPage::ExitClear() {}
void ResPage::Opened() {}
QWidget* ResPage::FirstField() const { return nullptr; }
void ResPage::TabChanged(int) { state_.ResetEntryState(); }

} // namespace ampero::ui
