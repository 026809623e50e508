// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pages/coilpage.h"

#include <QCheckBox>

#include "core/coilwinding.h"
#include "core/inductive.h"
#include "ui/colors.h"
#include "ui/twips.h"

namespace ampero::ui {

namespace {

// The length field's place, which the AL field shares.
constexpr int kLengthLeft = 450, kLengthTop = 570;

// Generator and coil between the reactance fields; its pilot lamp in the
// picture's own pixels.
constexpr int kXlLeft = 2550, kXlTop = 1395, kXlW = 3000, kXlH = 1950;
const QRect kPilotLamp(17, 23, 10, 10);

// The winding drawings (air coil with its dimensions, coil on a core) share
// one place right of the check box.
constexpr int kDrawLeft = 2460, kDrawTop = 1305, kDrawW = 3000, kDrawH = 1500;

// The dimension lines of the air-coil drawing, in the drawing's pixels: the
// length under the coil body (x 30..150) with end ticks and arrowheads, the
// diameter beside it (y 20..70) with arrowheads.
struct Segment {
    int x1, y1, x2, y2;
};
const Segment kDimensionLines[12] = {
    {30, 86, 150, 86},  {30, 82, 30, 90},   {150, 82, 150, 90}, {30, 86, 35, 83},
    {30, 86, 35, 89},   {150, 86, 145, 83}, {150, 86, 145, 89}, {168, 20, 168, 70},
    {168, 20, 165, 25}, {168, 20, 171, 25}, {168, 70, 165, 65}, {168, 70, 171, 65},
};
const QColor kDimensionInk(24, 28, 60);

} // namespace

CoilPage::CoilPage(QWidget* parent, Shell& shell, const PageRow& row) : Page(parent, shell, row) {
    auto* xlTab = addTab(QT_TRANSLATE_NOOP("Ampero", "Spolar XL"));
    auto* windTab = addTab(QT_TRANSLATE_NOOP("Ampero", " Tillverka Spolar"));
    auto* infoTab = addTab(QT_TRANSLATE_NOOP("Ampero", "Info"));
    addFrame(xlTab, QStringLiteral("fraInd_0"), QT_TRANSLATE_NOOP("Ampero", "Spole"));
    addFrame(windTab, QStringLiteral("fraInd_1"), QT_TRANSLATE_NOOP("Ampero", "Tillverka Spole"),
             QT_TRANSLATE_NOOP("Ampero", "Längd och diameter måste alltid vara med. Här krävs 3 uppgifter    "));
    new SvgPicture(infoTab, QStringLiteral("imgInfoCoil"), QStringLiteral("info_coil"), Tw(240, 120, 5250, 3000));
    auto* l9 =
        MakeLabel(infoTab, QStringLiteral("Label9"),
                  QT_TRANSLATE_NOOP("Ampero", "Tillverka Spolar måste ha 3 värde . Diameter och Längd måste vara med"),
                  Tw(240, 3300, 5400, 420), true);
    l9->setAlignment(Qt::AlignCenter);
    history_ = makeHistory(QStringLiteral("LblHiInd"), QStringLiteral("lblInd"));

    buildXlTab(xlTab);
    buildWindingTab(windTab);

    // Inductive reactance: Backspace and Delete show the three captions of
    // this tab, Esc all four.
    addCalculator({.info = &FindCalculator("Ind"),
                   .fields = ind_,
                   .lamps = indLamps_,
                   .history = history_,
                   .backspaceHistoryCount = 3,
                   .backspaceBlanksComputed = false});

    // Coil winding: three of four; Enter in the turns field goes back to
    // the length when it is in view.
    addCalculator({.info = &FindCalculator("Coil"),
                   .tab = 1,
                   .fields = coil_,
                   .lamps = coilLamps_,
                   .history = history_,
                   .backspaceBlanksComputed = false,
                   .focusAfterConfirm =
                       [this](int i) {
                           if (i == 3 && !coil_[0]->isHidden())
                               coil_[0]->setFocus(Qt::OtherFocusReason);
                           else
                               FocusNextInTabOrder(coil_[static_cast<size_t>(i)]);
                       },
                   .active = {chkAL_, false},
                   .cleared = [this] { al_->setText(QString()); }});

    // A core with a known AL value: the AL field takes the length's place
    // and shares its flag 0 and lamp sCoil(0); it has to be confirmed
    // before the second of the other fields, whose keys the coil winding
    // above serves. Its history keeps the diameter's.
    addCalculator({.info = &FindCalculator("AL"),
                   .tab = 1,
                   .fields = {al_, coil_[1], coil_[2], coil_[3]},
                   .lamps = coilLamps_,
                   .history = history_,
                   .historyCopy = {0, 2, 3},
                   .backspaceHistoryCount = 3,
                   .backspaceLampCount = 3,
                   .backspaceBlanksComputed = false,
                   .lastGoesToFirst = false,
                   .active = {chkAL_, true},
                   .cleared = [this] { coil_[0]->setText(QString()); }});

    // After the last field of a tab the page's own buttons follow, so the
    // focus stays on the page.
    QWidget::setTabOrder(coil_[3], eval_);
    QWidget::setTabOrder(eval_, new_);
    QWidget::setTabOrder(new_, exit_);
}

void CoilPage::buildXlTab(QWidget* tab) {
    auto* picture =
        new SvgPicture(tab, QStringLiteral("imgCoilXL"), QStringLiteral("coil_xl"), Tw(kXlLeft, kXlTop, kXlW, kXlH));
    auto* pilot = new Lamp(picture, QStringLiteral("LampFrek"), kLampRed);
    pilot->setGeometry(kPilotLamp);
    makeFieldRow(tab, QStringLiteral("Ind"), QStringLiteral("sInd"),
                 {{510, 630, 2280, 270, QT_TRANSLATE_NOOP("Ampero", "Frekvens Mhz"), 1740},
                  {3570, 600, 5280, 255, QT_TRANSLATE_NOOP("Ampero", "Induktans µH"), 1770},
                  {480, 3120, 2190, 2760, QT_TRANSLATE_NOOP("Ampero", "Reaktans Ohm"), 1740}},
                 ind_, indLamps_);
}

void CoilPage::buildWindingTab(QWidget* tab) {
    auto* airCoil = new SvgPicture(tab, QStringLiteral("imgSpol5"), QStringLiteral("coil_dim"),
                                   Tw(kDrawLeft, kDrawTop, kDrawW, kDrawH));
    auto* coreCoil = new SvgPicture(tab, QStringLiteral("imgSpol6"), QStringLiteral("coil_al"),
                                    Tw(kDrawLeft, kDrawTop, kDrawW, kDrawH));
    dimensionView_.push_back(airCoil);
    const QPoint origin = airCoil->pos();
    for (const Segment& s : kDimensionLines)
        dimensionView_.push_back(new LineShape(tab, QStringLiteral("Linje_%1").arg(&s - kDimensionLines),
                                               origin + QPoint(s.x1, s.y1), origin + QPoint(s.x2, s.y2),
                                               kDimensionInk));

    // The AL field lies where the length is; only one of them is in view,
    // and the one out of view cannot take the focus either.
    al_ = makeField(tab, QStringLiteral("AL_0"), 0, Tw(kLengthLeft, kLengthTop, 1755, 420),
                    QT_TRANSLATE_NOOP("Ampero", "AL-värde nH/N²"), QStringLiteral("imgAL"));
    alView_ = {coreCoil, tab->findChild<DisplayFrame*>(QStringLiteral("imgAL")), al_};
    for (QWidget* w : alView_) w->hide();

    makeFieldRow(
        tab, QStringLiteral("Coil"), QStringLiteral("sCoil"),
        {{kLengthLeft, kLengthTop, 2160, 225, QT_TRANSLATE_NOOP("Ampero", "Längd cm"), 1755, nullptr, "imgSpol1"},
         {3570, 570, 5280, 225, QT_TRANSLATE_NOOP("Ampero", "Diameter cm"), 1755, nullptr, "imgSpol2"},
         {450, 3120, 2160, 2745, QT_TRANSLATE_NOOP("Ampero", "Induktans µH"), 1785},
         {3600, 3120, 5280, 2745, QT_TRANSLATE_NOOP("Ampero", "Antal Varv")}},
        coil_, coilLamps_);
    // Length and diameter with their frames and the diameter's lamp.
    for (const char* frame : {"imgSpol1", "imgSpol2"})
        dimensionView_.push_back(tab->findChild<DisplayFrame*>(QString::fromLatin1(frame)));
    dimensionView_.insert(dimensionView_.end(), {coilLamps_[1], coil_[0], coil_[1]});

    chkAL_ = new QCheckBox(tab);
    Tell(chkAL_, "text", QT_TRANSLATE_NOOP("Ampero", "A&L-värdet är känt"));
    chkAL_->setObjectName(QStringLiteral("chkAL"));
    chkAL_->setGeometry(Tw(240, 2040, 2130, 255));
    connect(chkAL_, &QCheckBox::clicked, this, [this] { chkAL_Click(); });

    QWidget::setTabOrder(al_, chkAL_);
    QWidget::setTabOrder(chkAL_, coil_[0]);
}

void CoilPage::chkAL_Click() {
    state_.ResetEntryState();
    for (int i = 0; i < 4; ++i) {
        coilLamps_[static_cast<size_t>(i)]->setState(LampState::Off);
        history_[static_cast<size_t>(i)]->setText(QString());
    }
    // The box has just turned: AL mode when it is checked.
    const bool al = chkAL_->isChecked();
    for (QWidget* w : dimensionView_) w->setVisible(!al);
    for (QWidget* w : alView_) w->setVisible(al);
    (al ? al_ : coil_[0])->setFocus(Qt::OtherFocusReason);
    nameHistory(*calculatorOn(tabs_->currentIndex()));
}

} // namespace ampero::ui
