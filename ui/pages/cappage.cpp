// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pages/cappage.h"

#include "core/capacitive.h"
#include "core/seriescaps.h"
#include "ui/colors.h"
#include "ui/twips.h"

namespace ampero::ui {

namespace {

// The generator-and-capacitor picture sits between the fields, right of the
// reactance display. Its overlays are placed in the picture's own pixels.
constexpr int kPictureLeft = 2430, kPictureTop = 1335, kPictureW = 3300, kPictureH = 2250;
const QRect kDotOnDial(25, 35, 10, 10);  // the generator's pilot light
const QRect kPrintBand(108, 62, 92, 16); // band on the capacitor's body, "µF" follows
const QRect kPicoUnit(140, 44, 60, 16);  // unit of the capacitance field
const QColor kPilotGreen(0, 192, 0);

// The series list, in twips from the corner of its frame.
constexpr int kSerieLefts[4] = {360, 1680, 3000, 4320};
constexpr int kSerieRowTops[2] = {1500, 2190};
constexpr int kSerieW = 1020, kSerieH = 375;

const char* const kSerieInstruction =
    QT_TRANSLATE_NOOP("Ampero", "Här kan du räkna på seriekopplade kapacitanser   och parallellkopplade motstånd."
                                "                               Tänk på att använda samma sort tex .    pF , ohm");

QFont SerieFont(int pixels) {
    QFont f = FieldFont();
    f.setPixelSize(pixels);
    return f;
}

} // namespace

// The series list: Enter moves on in tab order, from the eighth value back
// to the first; F12 on release calculates. Tab moves the focus by itself and
// is never inserted as a character.
CapPage::CapPage(QWidget* parent, Shell& shell, const PageRow& row) : Page(parent, shell, row) {
    auto* xcTab = addTab(QT_TRANSLATE_NOOP("Ampero", "Kondensator XC"));
    auto* serieTab = addTab(QT_TRANSLATE_NOOP("Ampero", "Seriekoppling"));
    auto* infoTab = addTab(QT_TRANSLATE_NOOP("Ampero", "Info"));
    addFrame(xcTab, QStringLiteral("fraCap_0"), QT_TRANSLATE_NOOP("Ampero", "Kondensator"));
    buildXcTab(xcTab);
    buildSerieTab(serieTab);

    new SvgPicture(infoTab, QStringLiteral("imgInfoCap"), QStringLiteral("info_cap"), Tw(180, 120, 3600, 3450));
    auto* l7 = MakeLabel(infoTab, QStringLiteral("Label7"),
                         QT_TRANSLATE_NOOP("Ampero", "Alla inmatningar du gör skall bekräftas(valideras) med <Enter> ."
                                                     " Du får röd lampa.            Grön visar svaret."),
                         Tw(3900, 300, 1860, 2400), true);
    l7->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    QFont small = FormFont();
    small.setPixelSize(10);
    l7->setFont(small);
    auto* red = new Lamp(infoTab, QStringLiteral("sRes_6"), LampState::Confirmed);
    red->setGeometry(Tw(4200, 2900, 255, 255));
    auto* green = new Lamp(infoTab, QStringLiteral("sRes_5"), LampState::Computed);
    green->setGeometry(Tw(4200, 3300, 255, 255));

    history_ = makeHistory(QStringLiteral("LblHiCap"), QStringLiteral("lblCap"), {0, 1, 2, 3}, 3);

    addCalculator(
        {.info = &FindCalculator("Cap"), .fields = cap_, .lamps = lamps_, .history = history_, .newFromAnyTab = true});
    Calculator& list =
        addCalculator({.info = &FindCalculator("Serie"), .tab = 1, .fields = serie_, .pageButtons = false});
    serieKeys_.enter = [this](int i) {
        if (i == 7)
            serie_[0]->setFocus(Qt::OtherFocusReason);
        else
            FocusNextInTabOrder(serie_[static_cast<size_t>(i)]);
    };
    serieKeys_.f12 = [this, &list] { evaluate(list); };
    connect(serieCalc_, &QPushButton::clicked, this, [this, &list] { evaluate(list); });
    connect(serieNy_, &QPushButton::clicked, this, [this] {
        for (EntryField* f : serie_) f->setText(QString());
    });
}

void CapPage::buildXcTab(QWidget* tab) {
    auto* picture = new SvgPicture(tab, QStringLiteral("imgCapXC"), QStringLiteral("cap_xc"),
                                   Tw(kPictureLeft, kPictureTop, kPictureW, kPictureH));
    auto* dot = new Lamp(picture, QStringLiteral("sCap_3"), kPilotGreen);
    dot->setGeometry(kDotOnDial);

    QFont print = FormFont();
    print.setPixelSize(10);
    microfarad_ = MakeFitLabel(picture, QStringLiteral("lblcCap"), kPrintBand);
    static_cast<FitLabel*>(microfarad_)->setBackdrop(QColor(0xf4, 0xec, 0xd8)); // the band's own colour
    microfarad_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    microfarad_->setFont(print);
    microfarad_->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* pico = MakeLabel(picture, QStringLiteral("LblmFC_1"), "pF", kPicoUnit);
    pico->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    pico->setFont(print);
    pico->setAttribute(Qt::WA_TransparentForMouseEvents);

    makeFieldRow(tab, QStringLiteral("Cap"), QStringLiteral("sCap"),
                 {{450, 600, 2160, 255, QT_TRANSLATE_NOOP("Ampero", "Frekvens Mhz")},
                  {3570, 600, 5280, 255, QT_TRANSLATE_NOOP("Ampero", "Kapacitans pF")},
                  {450, 3120, 2160, 2760, QT_TRANSLATE_NOOP("Ampero", "Reaktans Ohm")}},
                 cap_, lamps_);
    for (EntryField* field : cap_) connect(field, &QLineEdit::textChanged, this, [this] { Cap_Change(); });
}

void CapPage::buildSerieTab(QWidget* tab) {
    QGroupBox* frame = addFrame(tab, QStringLiteral("fraCap_1"), QT_TRANSLATE_NOOP("Ampero", "Seriekoppling "));

    auto* instruction =
        MakeLabel(frame, QStringLiteral("lblSerie_17"), kSerieInstruction, Tw(360, 330, 4800, 840), true);
    instruction->setAlignment(Qt::AlignTop | Qt::AlignLeft);

    auto label = [frame](int i, const char* text, const QRect& r) {
        return MakeLabel(frame, QStringLiteral("lblSerie_%1").arg(i), text, r);
    };

    // Two rows of four values, " +" after each of the first seven, " =" after the eighth.
    for (int i = 0; i < 8; ++i) {
        const int left = kSerieLefts[i % 4];
        const int top = kSerieRowTops[i / 4];
        label(i, (" " + QByteArray::number(i + 1)).constData(), Tw(left, top - 255, kSerieW, 240));
        auto* f =
            new EntryField(frame, QStringLiteral("txtSerie_%1").arg(i), i, &serieKeys_, kFieldNormal, kFieldFocus);
        f->setGeometry(Tw(left, top, kSerieW, kSerieH));
        f->setFont(SerieFont(13));
        // The values carry whatever unit the user keeps to (pF or ohm), so
        // a screen reader names them by their place in the list.
        Tell(f, "accessibleName", QT_TRANSLATE_NOOP("Ampero", "Värde %1"), {QString::number(i + 1)});
        serie_.push_back(f);
        const QRect sign = Tw(left + kSerieW + 15, top, 270, kSerieH);
        if (i < 7)
            label(9 + i, " +", sign)->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        else
            label(16, " =", sign)->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }

    // The answer (larger) and the value still to add.
    auto* answer = new EntryField(frame, QStringLiteral("txtSerie_8"), 8, &serieKeys_, kFieldNormal, kFieldFocus);
    answer->setGeometry(Tw(360, 3570, 1700, 450));
    answer->setFont(SerieFont(17));
    Tell(answer, "accessibleName", QT_TRANSLATE_NOOP("Ampero", "Svar"));
    serie_.push_back(answer);
    label(8, QT_TRANSLATE_NOOP("Ampero", "Svar"), Tw(360, 3330, 1700, 240));
    auto* next = new EntryField(frame, QStringLiteral("txtSerie_9"), 9, &serieKeys_, kFieldNormal, kFieldFocus);
    next->setGeometry(Tw(360, 2880, 1700, kSerieH));
    next->setFont(SerieFont(13));
    Tell(next, "accessibleName", QT_TRANSLATE_NOOP("Ampero", "Nästa blir"));
    serie_.push_back(next);
    label(19, QT_TRANSLATE_NOOP("Ampero", "Nästa blir"), Tw(360, 2640, 1700, 240));

    auto* picture =
        new SvgPicture(frame, QStringLiteral("ImgSerieCap"), QStringLiteral("series_caps"), Tw(2145, 2790, 2205, 1305));
    Tell(picture, "accessibleName", QT_TRANSLATE_NOOP("Ampero", "Seriekopplade kondensatorer"));

    auto* ny = serieNy_ = new QPushButton(frame);
    Tell(ny, "text", QT_TRANSLATE_NOOP("Ampero", "Ny"));
    ny->setObjectName(QStringLiteral("cmdSerieNy"));
    ny->setGeometry(Tw(4440, 2940, 1095, 405));
    auto* calc = serieCalc_ = new QPushButton(frame);
    Tell(calc, "text", QT_TRANSLATE_NOOP("Ampero", "Räkna"));
    calc->setObjectName(QStringLiteral("cmdSerieCap"));
    calc->setGeometry(Tw(4440, 3600, 1095, 405));
    label(18, QT_TRANSLATE_NOOP("Ampero", "F 12"), Tw(4440, 4020, 1095, 240))->setAlignment(Qt::AlignCenter);

    QWidget::setTabOrder(calc, serie_[0]);
    for (int i = 1; i <= 8; ++i)
        QWidget::setTabOrder(serie_[static_cast<size_t>(i - 1)], serie_[static_cast<size_t>(i)]);
    QWidget::setTabOrder(serie_[8], ny);
    QWidget::setTabOrder(ny, serie_[9]);
    // After the last field the page's own buttons follow, so the focus
    // stays on the page.
    QWidget::setTabOrder(serie_[9], eval_);
    QWidget::setTabOrder(eval_, new_);
    QWidget::setTabOrder(new_, exit_);
}

// The capacitance on the capacitor is written with the separator of the
// language shown.
void CapPage::retold() { Cap_Change(); }

void CapPage::Cap_Change() {
    microfarad_->setText(QString::fromStdString(MicrofaradCaption(cap_[1]->text().toStdString(), ReadingSeparator())));
}

} // namespace ampero::ui
