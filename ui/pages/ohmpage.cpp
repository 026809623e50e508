// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pages/ohmpage.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPainter>
#include <qdrawutil.h>
#include <QKeyEvent>
#include <QPlainTextEdit>

#include "core/colourcode.h"
#include "core/led.h"
#include "core/ohm.h"
#include "ui/colors.h"
#include "ui/twips.h"

namespace ampero::ui {

namespace {

const char* const kColourNames[] = {
    QT_TRANSLATE_NOOP("Ampero", "svart"),  QT_TRANSLATE_NOOP("Ampero", "brun"),    QT_TRANSLATE_NOOP("Ampero", "röd"),
    QT_TRANSLATE_NOOP("Ampero", "orange"), QT_TRANSLATE_NOOP("Ampero", "gul"),     QT_TRANSLATE_NOOP("Ampero", "grön"),
    QT_TRANSLATE_NOOP("Ampero", "blå"),    QT_TRANSLATE_NOOP("Ampero", "violett"), QT_TRANSLATE_NOOP("Ampero", "grå"),
    QT_TRANSLATE_NOOP("Ampero", "vit"),
};

QColor ToQColor(const Rgb& c) { return QColor(c.r, c.g, c.b); }

// The worked example on the LED tab, one text with its line breaks.
const char* const kLedHelp = QT_TRANSLATE_NOOP("Ampero", "När du trycker <Enter> i Ohmrutan sker uträkning\n"
                                                         "Obs Max mA  är högsta rekommenderade ström\n"
                                                         "enl. databladet.Du kan sänka detta värde till hälften\n"
                                                         "\n"
                                                         "Vf = den spänning som krävs för att tända LED\n"
                                                         "\n"
                                                         "LysDiod  LED : räkneexempel : Drivspänning: 12V\n"
                                                         "Lysdiod: 2 V     15mA\n"
                                                         "(12  -  2)  /  0,015 = 666 ohm = 680 ohm  (E12)\n"
                                                         "\n"
                                                         "Drivspänning:    5V\n"
                                                         "Lysdiod: 2 V    15mA\n"
                                                         "(5 - 2) / 0,015 = 200 ohm      = 220 ohm  (E12)\n"
                                                         "\n"
                                                         "Drivspänning:    5V\n"
                                                         "Lysdiod: 3,6 V    25mA\n"
                                                         "(5 - 3,6) / 0,025 = 56 ohm      = 56 ohm  (E12)\n"
                                                         "\n"
                                                         "Drivspänning:   9V\n"
                                                         "Tre dioder i serie ( 2V  15 mA)\n"
                                                         "( 9 - 6 ) / 0,015 =  200 ohm   =  220 ohm (E12)\n");

} // namespace

// A colour swatch: a filled square that is a button, to the mouse, to the
// keyboard (Tab, then Space or Enter) and to a screen reader.
class SwatchButton : public QAbstractButton {
public:
    SwatchButton(QWidget* parent, QColor colour) : QAbstractButton(parent) {
        setFocusPolicy(Qt::TabFocus);
        QPalette pal = palette();
        pal.setColor(QPalette::Window, colour);
        setPalette(pal);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), palette().color(QPalette::Window));
        qDrawPlainRect(&p, rect(), palette().color(QPalette::WindowText), hasFocus() ? 3 : 1);
    }
    void keyPressEvent(QKeyEvent* e) override {
        if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
            click();
            e->accept();
            return;
        }
        QAbstractButton::keyPressEvent(e);
    }
};

OhmPage::OhmPage(QWidget* parent, Shell& shell, const PageRow& row) : Page(parent, shell, row) {
    auto* ohmTab = addTab(QT_TRANSLATE_NOOP("Ampero", "Ohm : s Lag"));
    auto* ledTab = addTab(QT_TRANSLATE_NOOP("Ampero", "LED beräkningar"));
    auto* infoTab = addTab(QT_TRANSLATE_NOOP("Ampero", "Info"));
    buildOhmTab(ohmTab);
    buildLedTab(ledTab);
    buildInfoTab(infoTab);

    history_ = makeHistory(QStringLiteral("LblHiOhm"), QStringLiteral("lblOhm"));

    // The ten swatches under the tab control, in view whatever tab is shown.
    for (int d = 0; d < 10; ++d) {
        auto* s = new SwatchButton(this, ToQColor(kColourCode[static_cast<size_t>(d)]));
        s->setObjectName(QStringLiteral("lCol_%1").arg(d));
        s->setGeometry(Tw(840 + 270 * d, 4920, 255, 255));
        Tell(s, "toolTip", QT_TRANSLATE_NOOP("Ampero", "Klicka på färg "));
        Tell(s, "accessibleName", QT_TRANSLATE_NOOP("Ampero", "Färg %1 %2"),
             {QString::number(d), QString::fromUtf8(kColourNames[d])});
        s->setCursor(Qt::PointingHandCursor);
        connect(s, &QAbstractButton::clicked, this, [this, d] { ColourClick(d); });
        swatches_.push_back(s);
    }
    auto* hint = MakeLabel(this, QStringLiteral("lblSkriv"),
                           QT_TRANSLATE_NOOP("Ampero", "Skriv in två värde.  Validera med < Enter >  "),
                           Tw(90, 5310, 3960, 255));
    hint->setAlignment(Qt::AlignCenter);
    QFont hintFont = FormFont();
    hintFont.setPixelSize(10);
    hint->setFont(hintFont);

    // Switching between the Ohm and LED tabs keeps the confirmations.
    tabChangeResets_ = false;
    addCalculator({.info = &FindCalculator("Ohm"),
                   .fields = ohm_,
                   .lamps = lamps_,
                   .history = history_,
                   .newFromAnyTab = true,
                   .evaluatesFromAnyTab = true,
                   .shownAfter = {bulbOn_},
                   .cleared =
                       [this] {
                           bulbOn_->hide();
                           resetBands();
                       }});
    // The LED tab computes on Enter in its last field and on "Räkna".
    Calculator& led = addCalculator({.info = &FindCalculator("txtLed"), .tab = 1, .fields = led_});
    ledKeys_.info = led.info; // volts and milliamperes take a prefix letter
    ledKeys_.fields = &led_;
    ledKeys_.enter = [this, &led](int i) {
        FocusNextInTabOrder(led_[static_cast<size_t>(i)]);
        if (i == 4) evaluate(led);
    };
}

OhmPage::~OhmPage() = default;

void OhmPage::buildOhmTab(QWidget* tab) {
    addFrame(tab, QStringLiteral("fraOhm"), QT_TRANSLATE_NOOP("Ampero", "Ohm :s Lag"));
    new SvgPicture(tab, QStringLiteral("imgResistor"), QStringLiteral("resistor"), QRect(90, 116, 190, 51));
    makeFieldRow(
        tab, QStringLiteral("Ohm"), QStringLiteral("sOhm"),
        {{450, 600, 2160, 255, QT_TRANSLATE_NOOP("Ampero", "Ohm"), 1755, QT_TRANSLATE_NOOP("Ampero", "Resistans Ohm")},
         {3570, 600, 5280, 255, QT_TRANSLATE_NOOP("Ampero", "Volt"), 1755,
          QT_TRANSLATE_NOOP("Ampero", "Spänning Volt")},
         {450, 3120, 2160, 2760, QT_TRANSLATE_NOOP("Ampero", "Watt"), 1755, QT_TRANSLATE_NOOP("Ampero", "Effekt Watt")},
         {3570, 3120, 5280, 2760, QT_TRANSLATE_NOOP("Ampero", "Amper"), 1755,
          QT_TRANSLATE_NOOP("Ampero", "Ström Amper")}},
        ohm_, lamps_);
    for (int i = 0; i < 3; ++i)
        bands_.push_back(new ColourSwatch(tab, QStringLiteral("rCol_%1").arg(i),
                                          ToQColor(kDefaultBands[static_cast<size_t>(i)]),
                                          Tw(2220 + 315 * i, 1860, 300, 525)));
    new ColourSwatch(tab, QStringLiteral("rCol_3"), ToQColor(kFixedBand), Tw(3390, 1860, 75, 525));
    bulbOff_ = new SvgPicture(tab, QStringLiteral("imgLamp_0"), QStringLiteral("bulb_off"), QRect(160, 172, 65, 80));
    bulbOn_ = new SvgPicture(tab, QStringLiteral("imgLamp_1"), QStringLiteral("bulb_on"), QRect(160, 172, 65, 80));
    bulbOn_->hide();
}

void OhmPage::buildLedTab(QWidget* tab) {
    new SvgPicture(tab, QStringLiteral("imgLed"), QStringLiteral("leds"), Tw(300, 60, 5295, 1425));
    auto* l3 = MakeLabel(
        tab, QStringLiteral("Label3"),
        QT_TRANSLATE_NOOP("Ampero", "Lysdioder skall normalt alltid serikopplas med en resistans på minus sidan"),
        Tw(300, 1470, 5295, 390), true);
    l3->setAlignment(Qt::AlignCenter);
    QFont small = FormFont();
    small.setPixelSize(10);
    l3->setFont(small);
    auto* l4 =
        MakeLabel(tab, QStringLiteral("Label4"),
                  QT_TRANSLATE_NOOP("Ampero", "Drivspänning      Vf           Max   mA    Antal i ser.   Ohm i serie"),
                  Tw(300, 1890, 5400, 255));
    l4->setFont(small);
    const char* start[] = {"5", "2", "8", "1", "375"};
    const char* const ledNames[] = {QT_TRANSLATE_NOOP("Ampero", "Drivspänning Volt"),
                                    QT_TRANSLATE_NOOP("Ampero", "Vf Volt"), QT_TRANSLATE_NOOP("Ampero", "Max mA"),
                                    QT_TRANSLATE_NOOP("Ampero", "Antal i serie"),
                                    QT_TRANSLATE_NOOP("Ampero", "Ohm i serie")};
    for (int i = 0; i < 5; ++i) {
        auto* f =
            new EntryField(tab, QStringLiteral("txtLed_%1").arg(i), i, &ledKeys_, kLedFieldNormal, kLedFieldFocus);
        f->setGeometry(Tw(300 + (i == 0   ? 0
                                    : i == 1 ? 1110
                                    : i == 2 ? 2190
                                    : i == 3 ? 3300
                                             : 4380),
                             2190, 915, 360));
        QFont ff = FieldFont();
        ff.setPixelSize(13);
        f->setFont(ff);
        f->setText(QString::fromLatin1(start[i]));
        Tell(f, "accessibleName", ledNames[i]);
        led_.push_back(f);
    }
    led_[4]->setReadOnly(true);
    for (int i = 1; i < 5; ++i) QWidget::setTabOrder(led_[static_cast<size_t>(i - 1)], led_[static_cast<size_t>(i)]);
    // After the result the page's own buttons follow, so Enter there leaves
    // the focus on the page.
    QWidget::setTabOrder(led_[4], eval_);
    QWidget::setTabOrder(eval_, new_);
    QWidget::setTabOrder(new_, exit_);
    auto* text1 = new QPlainTextEdit(tab);
    text1->setObjectName(QStringLiteral("Text1"));
    text1->setGeometry(Tw(300, 2610, 5295, 1845));
    text1->setReadOnly(true);
    text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Tell(text1, "plainText", kLedHelp);
    QFont tf(QStringLiteral("DejaVu Sans Mono"));
    tf.setPixelSize(10);
    text1->setFont(tf);
    text1->setFocusPolicy(Qt::ClickFocus);
    Tell(text1, "accessibleName", QT_TRANSLATE_NOOP("Ampero", "LED räkneexempel"));
}

void OhmPage::buildInfoTab(QWidget* tab) {
    auto* l10 =
        MakeLabel(tab, QStringLiteral("Label10"),
                  QT_TRANSLATE_NOOP("Ampero", "I Ohm:s Lag kan du klicka på en färgruta för att få ett färgvärde"),
                  Tw(240, 120, 5400, 420), true);
    l10->setAlignment(Qt::AlignCenter);
    new SvgPicture(tab, QStringLiteral("imgInfoLpt"), QStringLiteral("info_lpt"), Tw(300, 700, 2700, 2250));
    new SvgPicture(tab, QStringLiteral("imgInfoOpto"), QStringLiteral("info_opto"), Tw(3300, 700, 2250, 2250));
    auto* l5 = MakeLabel(tab, QStringLiteral("Label5"),
                         QT_TRANSLATE_NOOP("Ampero", "Optokopplare till  PC   Lpt lämplig motstånd 330 ohm"),
                         Tw(240, 3150, 5400, 420), true);
    l5->setAlignment(Qt::AlignCenter);
}

void OhmPage::resetBands() {
    for (int i = 0; i < 3; ++i)
        bands_[static_cast<size_t>(i)]->setColor(ToQColor(kDefaultBands[static_cast<size_t>(i)]));
}

void OhmPage::exited() {
    state_.ResetEntryState();
    colourClickCount_ = 0;
    bulbOn_->hide();
    resetBands();
}

void OhmPage::ColourClick(int digit) {
    std::string text = ohm_[0]->text().toStdString();
    int32_t count = colourClickCount_;
    const ColourClickResult r = ApplyColourClick(count, digit, text);
    // A click that would make the value longer than the field holds is
    // refused whole, as an over-long paste is.
    if (QString::fromStdString(text).size() > EntryField::kMaxLength) return;
    colourClickCount_ = count;
    ohm_[0]->setText(QString::fromStdString(text));
    if (r.complete) {
        if (QWidget* w = QApplication::focusWidget()) {
            QKeyEvent end(QEvent::KeyPress, Qt::Key_End, Qt::NoModifier);
            QApplication::sendEvent(w, &end);
        }
    }
    if (r.band >= 0)
        bands_[static_cast<size_t>(r.band)]->setColor(
            swatches_[static_cast<size_t>(digit)]->palette().color(QPalette::Window));
    if (r.complete) {
        // The value is in the Ohm's-law field: bring its tab up so the focus
        // can go there.
        if (tabs()->currentIndex() != 0) tabs()->setCurrentIndex(0);
        ohm_[0]->setFocus(Qt::OtherFocusReason);
    }
}

} // namespace ampero::ui
