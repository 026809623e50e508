// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pages/respage.h"

#include <QRadioButton>

#include "core/impedance.h"
#include "core/resonance.h"
#include "ui/colors.h"
#include "ui/twips.h"

namespace ampero::ui {

namespace {

// The meter needle: the pivot stays put, the free end swings. It rests at
// the left stop until the page is first opened, stands up high when the page
// opens and drops into the dip once a result has been computed.
const QPoint kNeedlePivot(4460, 3810);
const QPoint kNeedleRest(4290, 3810);
const QPoint kNeedleOpened(4568, 3720);
const QPoint kNeedleDip(4382, 3720);

QPoint NeedlePoint(QPoint twips) { return TwPoint(twips.x(), twips.y()); }

const char* const kFrequencyHint = QT_TRANSLATE_NOOP("Ampero", "Här måste alltid Frekvensboxen vara ifylld  ");

// A caption printed on a picture: no background of its own.
QLabel* PictureCaption(QWidget* parent, const QString& name, const QString& text, const QRect& geometry,
                       Qt::Alignment align, int pixelSize) {
    QLabel* l = MakeFitLabel(parent, name, geometry);
    l->setText(text);
    l->setAttribute(Qt::WA_TranslucentBackground);
    l->setAutoFillBackground(false);
    l->setAlignment(align);
    QFont f = FormFont();
    f.setPixelSize(pixelSize);
    l->setFont(f);
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, QColor(32, 40, 48)); // the ink of the drawing
    l->setPalette(pal);
    return l;
}

} // namespace

ResPage::ResPage(QWidget* parent, Shell& shell, const PageRow& row) : Page(parent, shell, row) {
    auto* resTab = addTab(QT_TRANSLATE_NOOP("Ampero", "Resonans Fq"));
    auto* impTab = addTab(QT_TRANSLATE_NOOP("Ampero", "Icke Resonans"));
    auto* infoTab = addTab(QT_TRANSLATE_NOOP("Ampero", "Info"));
    buildResonanceTab(resTab);
    buildImpedanceTab(impTab);
    buildInfoTab(infoTab);
    history_ = makeHistory(QStringLiteral("lblHiReso"), QStringLiteral("lblRes"));

    // The resonance tab has three fields and fills three of the captions.
    // Any number of confirmed fields evaluates: with too few the selection
    // computes nothing, but the needle still dips and the history is taken.
    addCalculator({.info = &FindCalculator("Res"),
                   .fields = res_,
                   .lamps = resLamps_,
                   .history = {history_[0], history_[1], history_[2]},
                   .onConfirmed =
                       [this](int i) {
                           if (i == ResC) lblcReso_->setText(res_[ResC]->text());
                       },
                   .evaluated = [this] { needle_->setStart(NeedlePoint(kNeedleDip)); },
                   .cleared = [this] { lblcReso_->setText(QString()); }});

    // The impedance tab: frequency and two more; negative values allowed;
    // the focus always moves on in tab order, past iRes(3) to iResR2.
    addCalculator({.info = &FindCalculator("iRes"),
                   .tab = 1,
                   .fields = ires_,
                   .lamps = iresLamps_,
                   .history = history_,
                   .lastGoesToFirst = false,
                   .forms = {optPar_},
                   .aside = iResR2_});
}

void ResPage::buildResonanceTab(QWidget* tab) {
    fraRes0_ = addFrame(tab, QStringLiteral("fraRes_0"), QT_TRANSLATE_NOOP("Ampero", "Resonans"));

    // Capacitor, coil and grid-dip meter; the meter's pivot lies at picture
    // px (147, 164), which is where the needle is fixed.
    auto* pic = new SvgPicture(tab, QStringLiteral("imgReso"), QStringLiteral("res_lc"), QRect(150, 90, 227, 187));
    const QPoint origin = pic->pos();

    makeFieldRow(tab, QStringLiteral("Res"), QStringLiteral("sRes"),
                 {{450, 600, 2160, 255, QT_TRANSLATE_NOOP("Ampero", "Kapacitans pF")},
                  {3570, 600, 5280, 255, QT_TRANSLATE_NOOP("Ampero", "Frekvens Mhz")},
                  {450, 3120, 2160, 2760, QT_TRANSLATE_NOOP("Ampero", "Induktans µH")}},
                 res_, resLamps_);

    // The capacitor's value printed on its body, with its unit after it. The
    // drawing prints that "pF" itself; the caption lies exactly over it in
    // the same face, so it reads the same with or without the drawing.
    lblcReso_ = PictureCaption(tab, QStringLiteral("LblcReso"), QString(),
                               QRect(origin + QPoint(12, 34), QSize(58, 18)), Qt::AlignRight | Qt::AlignVCenter, 11);
    PictureCaption(tab, QStringLiteral("LblmFReso_0"), QStringLiteral("pF"),
                   QRect(origin + QPoint(73, 37), QSize(20, 14)), Qt::AlignLeft | Qt::AlignTop, 11);
    // The meter's dial is marked in pF too, on the face under the pivot.
    PictureCaption(tab, QStringLiteral("LblmFReso_1"), QStringLiteral("pF"),
                   QRect(origin + QPoint(137, 168), QSize(20, 12)), Qt::AlignCenter, 9);

    needle_ = new LineShape(tab, QStringLiteral("LnjInstr"), NeedlePoint(kNeedleRest), NeedlePoint(kNeedlePivot),
                            kLampRed, 2);
    needle_->raise();
    // The display frames stand in front of the drawing.
    pic->lower();
    fraRes0_->lower();
}

void ResPage::buildImpedanceTab(QWidget* tab) {
    addFrame(tab, QStringLiteral("fraRes_1"),
             QT_TRANSLATE_NOOP("Ampero", "  Icke Resonans                         Filterberäkning"), kFrequencyHint);

    imgPar_ = new SvgPicture(tab, QStringLiteral("imgPar"), QStringLiteral("imp_par"), Tw(450, 1350, 2250, 1650));
    imgSerie_ =
        new SvgPicture(tab, QStringLiteral("imgSerie"), QStringLiteral("imp_ser"), Tw(450, 1350, 2250, 1650));
    imgSerie_->hide();

    makeFieldRow(tab, QStringLiteral("iRes"), QStringLiteral("siRes"),
                 {{450, 600, 2160, 255, QT_TRANSLATE_NOOP("Ampero", "Kapacitans pF")},
                  {3570, 600, 5280, 255, QT_TRANSLATE_NOOP("Ampero", "Frekvens Mhz")},
                  {450, 3420, 2160, 3060, QT_TRANSLATE_NOOP("Ampero", "Induktans µH")},
                  {3570, 3420, 5280, 3060, QT_TRANSLATE_NOOP("Ampero", "Impedans Z ohm")}},
                 ires_, iresLamps_);
    // The frequency is always needed; its display says so.
    ires_[ImpF]->setText(QStringLiteral("1"));
    Tell(ires_[ImpF], "toolTip", kFrequencyHint);
    if (auto* frame = tab->findChild<DisplayFrame*>(QStringLiteral("imgiRes_1")))
        Tell(frame, "toolTip", kFrequencyHint);

    optPar_ = new QRadioButton(tab);
    Tell(optPar_, "text", QT_TRANSLATE_NOOP("Ampero", "&Parallell koppling"));
    optPar_->setObjectName(QStringLiteral("optPar"));
    optPar_->setGeometry(Tw(3000, 1500, 2655, 300));
    optPar_->setChecked(true);
    optSerie_ = new QRadioButton(tab);
    Tell(optSerie_, "text", QT_TRANSLATE_NOOP("Ampero", "Ser&ie koppling"));
    optSerie_->setObjectName(QStringLiteral("optSerie"));
    optSerie_->setGeometry(Tw(3000, 1860, 2655, 300));
    connect(optPar_, &QRadioButton::clicked, this, [this] { optPar_Click(); });
    connect(optSerie_, &QRadioButton::clicked, this, [this] { optSerie_Click(); });

    auto* lblR2 =
        MakeLabel(tab, QStringLiteral("lblR2"), QT_TRANSLATE_NOOP("Ampero", "Motstånd  Rs"), Tw(3000, 2445, 1320, 300));
    lblR2->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // The coil's wire resistance: a plain field outside the entry protocol,
    // read at every evaluation.
    iResR2_ = new EntryField(tab, QStringLiteral("iResR2"), 0, nullptr, kFieldNormal, kFieldNormal);
    iResR2_->setText(QStringLiteral("0"));
    iResR2_->setGeometry(Tw(4335, 2385, 1320, 390));
    Tell(iResR2_, "toolTip", QT_TRANSLATE_NOOP("Ampero", "Spolens trådresistans ohm  "));
    Tell(iResR2_, "accessibleName", QT_TRANSLATE_NOOP("Ampero", "Motstånd Rs ohm"));
    QFont rf = FieldFont();
    rf.setPixelSize(13);
    iResR2_->setFont(rf);

    QWidget::setTabOrder(ires_[ImpZ], iResR2_);
    QWidget::setTabOrder(iResR2_, optPar_);
    QWidget::setTabOrder(optPar_, optSerie_);
}

void ResPage::buildInfoTab(QWidget* tab) {
    new SvgPicture(tab, QStringLiteral("imgInfoRes"), QStringLiteral("info_res"), Tw(120, 60, 4950, 3300));
    // One text, its runs of blanks included, as the label has always shown it.
    auto* l6 =
        MakeLabel(tab, QStringLiteral("Label6"),
                  QT_TRANSLATE_NOOP("Ampero", "Alla inmatningar du gör skall bekräftas(valideras) med <Enter> . Du får "
                                              "röd lampa.            Grön visar svaret"
                                              "                                                            "
                                              "                                                             "
                                              "Icke Resonans kräver tre(3) inmatningar för att kunna räkna. Frekvens "
                                              "måste alltid vara en av dom. Svar Impedans  Z"),
                  Tw(120, 3420, 5600, 1000), true);
    QFont small = FormFont();
    small.setPixelSize(10);
    l6->setFont(small);
    auto* red = new Lamp(tab, QStringLiteral("sRes_3"), LampState::Confirmed);
    red->setGeometry(Tw(5250, 600, 255, 255));
    auto* green = new Lamp(tab, QStringLiteral("sRes_4"), LampState::Computed);
    green->setGeometry(Tw(5250, 1000, 255, 255));
}

void ResPage::Opened() {
    needle_->setStart(NeedlePoint(kNeedleOpened));
    fraRes0_->setVisible(true);
}

void ResPage::optPar_Click() {
    imgPar_->show();
    imgSerie_->hide();
    ires_[0]->setFocus(Qt::OtherFocusReason);
}

void ResPage::optSerie_Click() {
    imgSerie_->show();
    imgPar_->hide();
    ires_[0]->setFocus(Qt::OtherFocusReason);
}

} // namespace ampero::ui
