// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pages/rcpage.h"

#include <QCheckBox>
#include <QRadioButton>

#include "core/colourcode.h"
#include "core/ne555.h"
#include "core/rcnetwork.h"
#include "ui/colors.h"
#include "ui/twips.h"

namespace ampero::ui {

namespace {

constexpr int kFieldW = 1755, kFieldH = 420;
constexpr int kLampW = 255, kLampH = 135;
// The component pictures beside the NE 555 and tH/tL fields, 30 x 28 px.
constexpr int kCompW = 450, kCompH = 420;

// Grey ground with light yellow writing, as on the multivibrator's controls.
void PaintGreyYellow(QWidget* w) {
    // A check box fills with its button colour, a label with the window's.
    w->setBackgroundRole(QPalette::Window);
    w->setAutoFillBackground(true);
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, kLampGrey);
    pal.setColor(QPalette::WindowText, kLightYellow);
    pal.setColor(QPalette::ButtonText, kLightYellow);
    w->setPalette(pal);
}

struct CompPicture {
    const char* resource;
    const char* hint;
};

const CompPicture kCompPictures[4] = {
    {"comp_res", QT_TRANSLATE_NOOP("Ampero", "Max Ra  3.3 M - Min Ra 1000 ohm")},
    {"comp_res", QT_TRANSLATE_NOOP("Ampero", "Max Ra  3.3 M - Min Ra 1000 ohm")},
    {"comp_cap", QT_TRANSLATE_NOOP("Ampero", "Min C   1nF ")},
    {"comp_freq", QT_TRANSLATE_NOOP("Ampero", "Max   300 Khz")},
};

const char* const k555Captions[4] = {QT_TRANSLATE_NOOP("Ampero", "Ra  kOhm"), QT_TRANSLATE_NOOP("Ampero", "Rb  kOhm"),
                                     QT_TRANSLATE_NOOP("Ampero", "C  nF"), QT_TRANSLATE_NOOP("Ampero", "f  Hz")};

} // namespace

RCPage::RCPage(QWidget* parent, Shell& shell, const PageRow& row) : Page(parent, shell, row) {
    auto* rcTab = addTab(QT_TRANSLATE_NOOP("Ampero", "Astabil vippa"));
    auto* ne555Tab = addTab(QT_TRANSLATE_NOOP("Ampero", "NE 555"));
    auto* thtlTab = addTab(QT_TRANSLATE_NOOP("Ampero", "tH och tL"));
    auto* infoTab = addTab(QT_TRANSLATE_NOOP("Ampero", "Info"));
    addFrame(rcTab, QStringLiteral("fraRC_0"), QT_TRANSLATE_NOOP("Ampero", "Resistans Kapacitans   RC"),
             QT_TRANSLATE_NOOP("Ampero", "Lågfrekvensräkning  Obs nF och Hz  "));
    addFrame(ne555Tab, QStringLiteral("fraRC_1"), QT_TRANSLATE_NOOP("Ampero", "Resistans Kapacitans  NE 555 Timer"),
             QT_TRANSLATE_NOOP("Ampero", "Lågfrekvensräkning  Obs nF och Hz   Obs 3 inmatningar krävs !  "));
    addFrame(thtlTab, QStringLiteral("fratHtL"),
             QT_TRANSLATE_NOOP("Ampero", "Räkna ut tider Till / Från      tH / tL för NE 555"));
    auto* info =
        MakeLabel(infoTab, QStringLiteral("Label8"),
                  QT_TRANSLATE_NOOP("Ampero", "Alla inmatningar du gör skall bekräftas(valideras) med <Enter>"),
                  Tw(240, 120, 5400, 420), true);
    info->setAlignment(Qt::AlignCenter);
    new SvgPicture(infoTab, QStringLiteral("imgInfoRC_0"), QStringLiteral("info_rc1"), Tw(240, 700, 2700, 2400));
    new SvgPicture(infoTab, QStringLiteral("imgInfoRC_1"), QStringLiteral("info_rc2"), Tw(3060, 700, 2700, 2400));

    history_ = makeHistory(QStringLiteral("Label1"), QStringLiteral("lblRC"), {0, 1, 3, 2});

    buildRCTab(rcTab);
    buildNE555Tab(ne555Tab);
    buildTHTLTab(thtlTab);
    buildColourChart();
}

void RCPage::buildRCTab(QWidget* tab) {
    makeFieldRow(tab, QStringLiteral("RC"), QStringLiteral("sRC"),
                 {{450, 600, 2160, 255, QT_TRANSLATE_NOOP("Ampero", "Resistans Ohm")},
                  {3570, 600, 5280, 255, QT_TRANSLATE_NOOP("Ampero", "Kapacitans nF")},
                  {3600, 3090, 5280, 2745, QT_TRANSLATE_NOOP("Ampero", "Frekvens Hz")}},
                 rc_, sRC_);

    chkAsta_ = new QCheckBox(tab);
    Tell(chkAsta_, "text", QT_TRANSLATE_NOOP("Ampero", "Astabil vippa"));
    chkAsta_->setObjectName(QStringLiteral("chkAsta"));
    chkAsta_->setGeometry(Tw(240, 1920, 1725, 345));
    PaintGreyYellow(chkAsta_);
    QWidget::setTabOrder(rc_[2], chkAsta_);

    label2_ = MakeLabel(tab, QStringLiteral("Label2"), "t1 = 0.7 * R * C", Tw(540, 3900, 1425, 255));
    label2_->setAlignment(Qt::AlignCenter);
    PaintGreyYellow(label2_);

    // The RC stage and the multivibrator take the same place between the
    // rows of fields, right of the box and clear of the lamp of RC(2); the
    // pulse with its t1 stands over Label2.
    rcStage_ =
        new SvgPicture(tab, QStringLiteral("imgRCStage"), QStringLiteral("rc_stage"), Tw(1980, 1305, 3300, 1695));
    multivib_ =
        new SvgPicture(tab, QStringLiteral("imgMultivib"), QStringLiteral("multivib"), Tw(1980, 1305, 3300, 1695));
    pulse_ = new SvgPicture(tab, QStringLiteral("imgPulseT1"), QStringLiteral("pulse_t1"), Tw(270, 3000, 1950, 900));
    showAstablePictures(false);

    // The box only chooses the relation for the next evaluation; the focus
    // goes back to the first field.
    connect(chkAsta_, &QCheckBox::toggled, this, [this](bool on) { showAstablePictures(on); });
    connect(chkAsta_, &QCheckBox::clicked, this, [this] { rc_[0]->setFocus(Qt::OtherFocusReason); });

    addCalculator({.info = &FindCalculator("RC"),
                   .fields = rc_,
                   .lamps = sRC_,
                   .history = {history_[0], history_[1], history_[2]},
                   .backspaceBlanksComputed = false,
                   .forms = {chkAsta_}});
}

void RCPage::showAstablePictures(bool astable) {
    rcStage_->setVisible(!astable);
    multivib_->setVisible(astable);
    pulse_->setVisible(astable);
    label2_->setVisible(astable);
}

void RCPage::build555Fields(QWidget* tab, const QString& fieldPrefix, const QString& lampPrefix,
                            const QString& pictureName, const QPoint lampAt[4], std::vector<EntryField*>& fields,
                            std::vector<Lamp*>& lamps) {
    // Ra, Rb and C down the left, f at the top right.
    const QPoint at[4] = {{450, 600}, {450, 1860}, {450, 3120}, {3570, 600}};
    for (int i = 0; i < 4; ++i) {
        const QPoint f = at[i];
        fields.push_back(makeField(tab, QStringLiteral("%1_%2").arg(fieldPrefix).arg(i), i,
                                   Tw(f.x(), f.y(), kFieldW, kFieldH), k555Captions[i]));
        // The component stands on the side of its field that faces the
        // middle of the tab.
        const int compLeft = i < 3 ? f.x() + kFieldW + 45 : f.x() - 105 - kCompW - 15;
        auto* comp =
            new SvgPicture(tab, QStringLiteral("%1_%2").arg(pictureName).arg(i),
                           QString::fromLatin1(kCompPictures[i].resource), Tw(compLeft, f.y(), kCompW, kCompH));
        Tell(comp, "toolTip", kCompPictures[i].hint);
    }
    for (int i = 0; i < 4; ++i)
        lamps.push_back(makeLamp(tab, QStringLiteral("%1_%2").arg(lampPrefix).arg(i),
                                 Tw(lampAt[i].x(), lampAt[i].y(), kLampW, kLampH)));
    for (int i = 1; i < 4; ++i)
        QWidget::setTabOrder(fields[static_cast<size_t>(i - 1)], fields[static_cast<size_t>(i)]);
}

Calculator RCPage::ne555(int tab, const std::vector<EntryField*>& fields, const std::vector<Lamp*>& lamps) const {
    return {.info = &FindCalculator("RC555"),
            .tab = tab,
            .fields = fields,
            .lamps = lamps,
            .history = history_,
            // lblRC(1) shows f and lblRC(3) shows Rb: the grid reads Ra f / Rb C.
            .historySource = {0, 3, 2, 1},
            .backspaceBlanksComputed = false,
            .acceptTest = [](int index, const QString& text) -> std::optional<QString> {
                if (std::optional<std::string> refusal = NE555Refusal(index, text.toStdString()))
                    return QString::fromStdString(*refusal);
                return std::nullopt;
            }};
}

void RCPage::buildNE555Tab(QWidget* tab) {
    const QPoint lamps[4] = {{2130, 255}, {2130, 1500}, {2130, 2760}, {5280, 255}};
    build555Fields(tab, QStringLiteral("RC555"), QStringLiteral("s555RC"), QStringLiteral("imgKomp555"), lamps, rc555_,
                   s555RC_);

    // The result box, shown after the first evaluation.
    pic555_ = new QFrame(tab);
    pic555_->setObjectName(QStringLiteral("pic555"));
    pic555_->setGeometry(Tw(2730, 1650, 2895, 2145));
    pic555_->setFrameShape(QFrame::Box);
    pic555_->setFrameShadow(QFrame::Plain);
    pic555_->setLineWidth(1);
    pic555_->setAutoFillBackground(true);
    QPalette pal = pic555_->palette();
    pal.setColor(QPalette::Window, QColor(250, 248, 232));
    pal.setColor(QPalette::WindowText, QColor(32, 40, 48));
    pic555_->setPalette(pal);
    new SvgPicture(pic555_, QStringLiteral("imgPuls"), QStringLiteral("ne555_pulse"), Tw(570, 270, 2220, 465));
    const int tops[3] = {1110, 1500, 1800};
    const char* const fixed[3] = {QT_TRANSLATE_NOOP("Ampero", " Till / Från %"),
                                  QT_TRANSLATE_NOOP("Ampero", " Hög   1    tH"),
                                  QT_TRANSLATE_NOOP("Ampero", " Låg    0    tL")};
    lbl555_.resize(6);
    for (int k = 0; k < 3; ++k) {
        lbl555_[static_cast<size_t>(k)] =
            MakeLabel(pic555_, QStringLiteral("lbl555_%1").arg(k), fixed[k], Tw(0, tops[k], 1395, 315));
        auto* result = MakeFitLabel(pic555_, QStringLiteral("lbl555_%1").arg(k + 3), Tw(1410, tops[k], 1485, 315));
        result->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        lbl555_[static_cast<size_t>(k) + 3] = result;
    }
    for (QLabel* l : lbl555_) l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    pic555_->hide();

    Calculator timer = ne555(1, rc555_, s555RC_);
    timer.captions = {lbl555_[4], lbl555_[5], lbl555_[3]}; // high time, low time, split
    timer.shownAfter = {pic555_};
    addCalculator(std::move(timer));
}

void RCPage::buildTHTLTab(QWidget* tab) {
    const QPoint lamps[4] = {{2160, 240}, {2160, 1500}, {2160, 2760}, {5280, 240}};
    build555Fields(tab, QStringLiteral("tHtL"), QStringLiteral("stHtL"), QStringLiteral("imgKomptHtL"), lamps, tHtL_,
                   stHtL_);
    auto* high = new QRadioButton(tab);
    Tell(high, "text", QT_TRANSLATE_NOOP("Ampero", "Räkna på tid Hög"));
    high->setObjectName(QStringLiteral("opttH"));
    high->setGeometry(Tw(3420, 2910, 2175, 315));
    auto* low = new QRadioButton(tab);
    Tell(low, "text", QT_TRANSLATE_NOOP("Ampero", "Räkna på tid Låg"));
    low->setObjectName(QStringLiteral("Option1"));
    low->setGeometry(Tw(3420, 3450, 2145, 315));
    high->setChecked(true);
    // The same entry rules as the NE 555 tab; it computes nothing.
    Calculator times = ne555(2, tHtL_, stHtL_);
    times.pageButtons = false;
    addCalculator(std::move(times));
}

void RCPage::buildColourChart() {
    // The passive colour chart under the tab control.
    auto* chart = new QGroupBox(this);
    Tell(chart, "title", QT_TRANSLATE_NOOP("Ampero", "Färgkod"));
    chart->setObjectName(QStringLiteral("FraColCode"));
    chart->setGeometry(Tw(120, 4875, 3735, 1095));
    for (int d = 0; d < 10; ++d) {
        const Rgb& c = kColourCode[static_cast<size_t>(d)];
        new ColourSwatch(chart, QStringLiteral("ShaCol_%1").arg(d), QColor(c.r, c.g, c.b), Tw(120 + 360 * d, 240, 300, 525));
    }
    // The digits under the squares: text to read, nothing to edit.
    auto* nr = MakeLabel(chart, QStringLiteral("txtColNr"), " 0     1    2    3    4     5    6    7    8     9",
                         Tw(120, 780, 3525, 255));
    Tell(nr, "accessibleName", QT_TRANSLATE_NOOP("Ampero", "Färgkodens siffror"));
    nr->setContentsMargins(2, 0, 2, 0);
    nr->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    nr->setAutoFillBackground(true);
    QPalette pal = nr->palette();
    pal.setColor(QPalette::Window, kLampGrey);
    pal.setColor(QPalette::WindowText, kFormGrey);
    nr->setPalette(pal);
}

} // namespace ampero::ui
