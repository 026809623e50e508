#include "ui/pages/rcpage.h"

#include "core/colourcode.h"
#include "ui/colors.h"
#include "ui/twips.h"

namespace ampero::ui {

RCPage::RCPage(QWidget* parent, Shell& shell)
    : Page(parent, shell, PageIndexes{6, 4, 4, 4}, QStringLiteral("TabRC")) {
    auto* rcTab = addTab(QStringLiteral("Astabil vippa"));
    auto* ne555Tab = addTab(QStringLiteral("NE 555"));
    auto* thtlTab = addTab(QStringLiteral("tH och tL"));
    auto* infoTab = addTab(QStringLiteral("Info"));
    addFrame(rcTab, QStringLiteral("fraRC_0"), QStringLiteral("Resistans Kapacitans   RC"),
             QStringLiteral("Lågfrekvensräkning  Obs nF och Hz  "));
    addFrame(ne555Tab, QStringLiteral("fraRC_1"), QStringLiteral("Resistans Kapacitans  NE 555 Timer"),
             QStringLiteral("Lågfrekvensräkning  Obs nF och Hz   Obs 3 inmatningar krävs !  "));
    addFrame(thtlTab, QStringLiteral("fratHtL"), QStringLiteral("Räkna ut tider Till / Från      tH / tL för NE 555"));
    auto* info = MakeLabel(infoTab, QStringLiteral("Label8"),
                           QStringLiteral("Alla inmatningar du gör skall bekräftas(valideras) med <Enter>"),
                           TabTw(240, 120, 5400, 420), true);
    info->setAlignment(Qt::AlignCenter);
    new SvgPicture(infoTab, QStringLiteral("imgInfoRC_0"), QStringLiteral("info_rc1"), TabTw(240, 700, 2700, 2400));
    new SvgPicture(infoTab, QStringLiteral("imgInfoRC_1"), QStringLiteral("info_rc2"), TabTw(3060, 700, 2700, 2400));

    history_ = makeHistory(QStringLiteral("Label1"), QStringLiteral("lblRC"), {0, 1, 3, 2});

    // The passive colour chart under the tab control.
    auto* chart = new QGroupBox(QStringLiteral("Färgkod"), this);
    chart->setObjectName(QStringLiteral("FraColCode"));
    chart->setGeometry(Tw(120, 4875, 3735, 1095));
    for (int d = 0; d < 10; ++d) {
        const Rgb& c = kColourCode[static_cast<size_t>(d)];
        auto* sq = new Lamp(chart, QStringLiteral("ShaCol_%1").arg(d), QColor(c.r, c.g, c.b), Lamp::Shape::Rect);
        sq->setGeometry(Tw(120 + 360 * d, 240, 300, 525));
    }
    auto* nr = new QLineEdit(QStringLiteral(" 0     1    2    3    4     5    6    7    8     9"), chart);
    nr->setObjectName(QStringLiteral("txtColNr"));
    nr->setGeometry(Tw(120, 780, 3525, 255));
    nr->setReadOnly(true);
    nr->setFocusPolicy(Qt::NoFocus);
    nr->setFrame(false);
    QPalette pal = nr->palette();
    pal.setColor(QPalette::Base, kLampGrey);
    pal.setColor(QPalette::Text, kFormGrey);
    nr->setPalette(pal);
}

void RCPage::Evaluate() {}
void RCPage::NewClicked() {}
void RCPage::ExitClear() {}
void RCPage::Opened() {}
QWidget* RCPage::FirstField() const { return nullptr; }
void RCPage::TabChanged(int) { state_.ResetEntryState(); }

} // namespace ampero::ui
