// The resonance page driven as a user drives it: clicks, typed keys, Enter,
// F12, the page buttons, the circuit options; read back from what the window
// shows (field texts, lamp colours, captions, focus, the needle, messages).
#include <QRadioButton>

#include "ui/twips.h"
#include "uitest.h"

using ampero::ui::DisplayFrame;
using ampero::ui::LineShape;
using ampero::ui::SvgPicture;
using ampero::ui::TwPoint;
using uitest::kGreen;
using uitest::kGrey;
using uitest::kRed;
using uitest::Ui;

namespace {

// Replaces the text of a field as a user does: click, select all, type.
void Retype(Ui& ui, const QString& name, const QString& value) {
    ui.click(name);
    ui.key(Qt::Key_A, Qt::ControlModifier);
    if (value.isEmpty())
        ui.backspace();
    else
        ui.type(value);
}

void Confirm(Ui& ui, const QString& name, const QString& value) {
    Retype(ui, name, value);
    ui.enter();
}

QString Res(int i) { return QStringLiteral("Res_%1").arg(i); }
QString IRes(int i) { return QStringLiteral("iRes_%1").arg(i); }
QString SRes(int i) { return QStringLiteral("sRes_%1").arg(i); }
QString SIRes(int i) { return QStringLiteral("siRes_%1").arg(i); }
QString LblRes(int i) { return QStringLiteral("lblRes_%1").arg(i); }

QPoint Needle(Ui& ui) { return ui.get<LineShape>(QStringLiteral("LnjInstr"))->start(); }

void OpenImpedance(Ui& ui) {
    ui.nav(QStringLiteral("cmdReso"));
    ui.selectTab(QStringLiteral("TabRes"), 1);
}

} // namespace

class ResPageTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void captions_data();
    void captions();
    void startState();

    // LC resonance
    void resonance_data();
    void resonance();
    void selectionZero_data();
    void selectionZero();
    void digitsDiscardedAtLimit();
    void tabThereAndBack();
    void needle();
    void capacitorCaption();
    void newOnResonanceTab();
    void resonanceFillsThreeCaptions();

    // Impedance
    void impedance_data();
    void impedance();
    void frequencyMissing_data();
    void frequencyMissing();
    void selectionFiveComputesNothing();
    void focusAfterConfirm_data();
    void focusAfterConfirm();
    void optionChangedAfterEvaluation();
    void keyFilter_data();
    void keyFilter();
    void wireResistanceFieldIsPlain();
    void newOnImpedanceTab();

    void exitClearsBothTabs();
};

// ------------------------------------------------------------ texts

void ResPageTest::captions_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    // clang-format off
    QTest::newRow("C") << "imgRes_0" << "Kapacitans pF";
    QTest::newRow("f") << "imgRes_1" << "Frekvens Mhz";
    QTest::newRow("L") << "imgRes_2" << "Induktans µH";
    QTest::newRow("iC") << "imgiRes_0" << "Kapacitans pF";
    QTest::newRow("if") << "imgiRes_1" << "Frekvens Mhz";
    QTest::newRow("iL") << "imgiRes_2" << "Induktans µH";
    QTest::newRow("iZ") << "imgiRes_3" << "Impedans Z ohm";
    // clang-format on
}

void ResPageTest::captions() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    Ui ui;
    QCOMPARE(ui.get<DisplayFrame>(name)->caption(), caption);
}

void ResPageTest::startState() {
    Ui ui;
    OpenImpedance(ui);
    QCOMPARE(ui.text(IRes(1)), QStringLiteral("1"));
    QCOMPARE(ui.lamp(SIRes(1)), kGrey);
    QCOMPARE(ui.text(QStringLiteral("iResR2")), QStringLiteral("0"));
    QCOMPARE(ui.caption(QStringLiteral("lblR2")), QStringLiteral("Motstånd  Rs"));
    QCOMPARE(ui.caption(QStringLiteral("LblmFReso_0")), QStringLiteral("pF"));
    QCOMPARE(ui.caption(QStringLiteral("LblmFReso_1")), QStringLiteral("pF"));
    auto* par = ui.get<QRadioButton>(QStringLiteral("optPar"));
    auto* ser = ui.get<QRadioButton>(QStringLiteral("optSerie"));
    QCOMPARE(par->text(), QStringLiteral("&Parallell koppling"));
    QCOMPARE(ser->text(), QStringLiteral("Ser&ie koppling"));
    QVERIFY(par->isChecked());
    QVERIFY(!ser->isChecked());
    QVERIFY(ui.get(QStringLiteral("imgPar"))->isVisible());
    QVERIFY(!ui.get(QStringLiteral("imgSerie"))->isVisible());
    const QString hint = QStringLiteral("Här måste alltid Frekvensboxen vara ifylld  ");
    QCOMPARE(ui.get(IRes(1))->toolTip(), hint);
    QCOMPARE(ui.get(QStringLiteral("imgiRes_1"))->toolTip(), hint);
    QCOMPARE(ui.get(QStringLiteral("fraRes_1"))->toolTip(), hint);
    QCOMPARE(ui.get(QStringLiteral("iResR2"))->toolTip(), QStringLiteral("Spolens trådresistans ohm  "));
}

// ------------------------------------------------------------ LC resonance

void ResPageTest::resonance_data() {
    QTest::addColumn<QStringList>("typed");     // "index=text", typed but not confirmed
    QTest::addColumn<QStringList>("confirmed"); // "index=text", confirmed in this order
    QTest::addColumn<int>("target");
    QTest::addColumn<QString>("result");
    QTest::newRow("C and L give f") << QStringList{} << QStringList{"0=100", "2=10"} << 1 << "5.032921";
    QTest::newRow("f and C give L") << QStringList{} << QStringList{"1=5.032921", "0=100"} << 2 << "10";
    QTest::newRow("f and L give C") << QStringList{} << QStringList{"1=5.032921", "2=10"} << 0 << "100";
    QTest::newRow("only f, C empty") << QStringList{} << QStringList{"1=5.032921"} << 2 << "0";
    QTest::newRow("only f, C typed") << QStringList{"0=100"} << QStringList{"1=5.032921"} << 2 << "10";
    QTest::newRow("comma typed") << QStringList{} << QStringList{"0=100", "2=10,0"} << 1 << "5.032921";
}

void ResPageTest::resonance() {
    QFETCH(QStringList, typed);
    QFETCH(QStringList, confirmed);
    QFETCH(int, target);
    QFETCH(QString, result);
    Ui ui;
    ui.nav(QStringLiteral("cmdReso"));
    for (const QString& t : typed) Retype(ui, Res(t.section('=', 0, 0).toInt()), t.section('=', 1));
    QList<int> red;
    for (const QString& c : confirmed) {
        const int i = c.section('=', 0, 0).toInt();
        Confirm(ui, Res(i), c.section('=', 1));
        red << i;
    }
    ui.f12();
    QCOMPARE(ui.text(Res(target)), result);
    QCOMPARE(ui.lamp(SRes(target)), kGreen);
    for (int i : red) QCOMPARE(ui.lamp(SRes(i)), kRed);
    QCOMPARE(Needle(ui), TwPoint(4382, 3720));

    // The history shows what the fields held after the evaluation, and
    // Backspace blanks the computed field.
    QStringList shown;
    for (int i = 0; i < 3; ++i) shown << ui.text(Res(i));
    ui.click(Res(red.last()));
    ui.key(Qt::Key_End);
    ui.backspace();
    for (int i = 0; i < 3; ++i) QCOMPARE(ui.caption(LblRes(i)), shown[i]);
    QCOMPARE(ui.caption(LblRes(3)), QString());
    QCOMPARE(ui.text(Res(target)), QString());
    QCOMPARE(ui.lamp(SRes(target)), kGrey);
    QCOMPARE(ui.lamp(SRes(red.last())), kGrey);
}

void ResPageTest::selectionZero_data() {
    QTest::addColumn<bool>("confirmC");
    QTest::newRow("nothing confirmed") << false;
    QTest::newRow("only C confirmed") << true;
}

void ResPageTest::selectionZero() {
    QFETCH(bool, confirmC);
    Ui ui;
    ui.nav(QStringLiteral("cmdReso"));
    Retype(ui, Res(0), QStringLiteral("47"));
    if (confirmC) ui.enter();
    Retype(ui, Res(1), QStringLiteral("3"));
    ui.f12();
    QCOMPARE(ui.text(Res(0)), QStringLiteral("47"));
    QCOMPARE(ui.text(Res(1)), QStringLiteral("3"));
    QCOMPARE(ui.text(Res(2)), QString());
    for (int i = 0; i < 3; ++i) QVERIFY(ui.lamp(SRes(i)) != kGreen);
    QCOMPARE(Needle(ui), TwPoint(4382, 3720));
    // The history was taken all the same.
    Confirm(ui, Res(2), QStringLiteral("5"));
    ui.click(Res(2));
    ui.key(Qt::Key_End);
    ui.backspace();
    QCOMPARE(ui.caption(LblRes(0)), QStringLiteral("47"));
    QCOMPARE(ui.caption(LblRes(1)), QStringLiteral("3"));
    QCOMPARE(ui.caption(LblRes(2)), QString());
}

void ResPageTest::digitsDiscardedAtLimit() {
    Ui ui;
    ui.nav(QStringLiteral("cmdReso"));
    Confirm(ui, Res(0), QStringLiteral("100"));
    Confirm(ui, Res(1), QStringLiteral("5"));
    ui.click(Res(2));
    ui.type(QStringLiteral("7,1"));
    ui.enter();
    QCOMPARE(ui.text(Res(2)), QString());
    QCOMPARE(ui.lamp(SRes(2)), kGrey);
    ui.click(Res(0));
    ui.key(Qt::Key_End);
    ui.type(QStringLiteral("9"));
    QCOMPARE(ui.text(Res(0)), QStringLiteral("100"));
    QCOMPARE(ui.caption(QStringLiteral("LblcReso")), QStringLiteral("100"));
    // Backspace in a confirmed field still works and frees the limit.
    ui.backspace();
    QCOMPARE(ui.text(Res(0)), QStringLiteral("10"));
    QCOMPARE(ui.lamp(SRes(0)), kGrey);
    ui.click(Res(2));
    ui.type(QStringLiteral("7"));
    QCOMPARE(ui.text(Res(2)), QStringLiteral("7"));
}

void ResPageTest::tabThereAndBack() {
    Ui ui;
    ui.nav(QStringLiteral("cmdReso"));
    Confirm(ui, Res(0), QStringLiteral("100"));
    Confirm(ui, Res(1), QStringLiteral("5"));
    ui.selectTab(QStringLiteral("TabRes"), 1);
    QCOMPARE(ui.focusName(), IRes(0));
    ui.selectTab(QStringLiteral("TabRes"), 0);
    QCOMPARE(ui.focusName(), Res(0));
    QCOMPARE(ui.lamp(SRes(0)), kRed);
    QCOMPARE(ui.lamp(SRes(1)), kRed);
    // Nothing counts as confirmed any more: the third field takes digits,
    // and two fresh confirmations are needed to reach the limit again.
    ui.click(Res(2));
    ui.type(QStringLiteral("7"));
    QCOMPARE(ui.text(Res(2)), QStringLiteral("7"));
    ui.enter();
    QCOMPARE(ui.focusName(), Res(0));
    ui.click(Res(1));
    ui.key(Qt::Key_End);
    ui.type(QStringLiteral("0"));
    QCOMPARE(ui.text(Res(1)), QStringLiteral("50"));
    ui.enter();
    ui.click(Res(0));
    ui.key(Qt::Key_End);
    ui.type(QStringLiteral("0"));
    QCOMPARE(ui.text(Res(0)), QStringLiteral("100"));
}

void ResPageTest::needle() {
    Ui ui;
    auto* line = ui.get<LineShape>(QStringLiteral("LnjInstr"));
    QCOMPARE(line->start(), TwPoint(4290, 3810));
    QCOMPARE(line->end(), TwPoint(4460, 3810));
    ui.nav(QStringLiteral("cmdReso"));
    QCOMPARE(line->start(), TwPoint(4568, 3720));
    QVERIFY(ui.get(QStringLiteral("fraRes_0"))->isVisible());
    QVERIFY(line->isVisible());
    // An evaluation on the impedance tab leaves the meter alone.
    ui.selectTab(QStringLiteral("TabRes"), 1);
    ui.f12();
    QCOMPARE(line->start(), TwPoint(4568, 3720));
    ui.selectTab(QStringLiteral("TabRes"), 0);
    ui.click(QStringLiteral("cmdEval_3"));
    QCOMPARE(line->start(), TwPoint(4382, 3720));
    QCOMPARE(line->end(), TwPoint(4460, 3810));
    ui.nav(QStringLiteral("cmdOhm"));
    ui.nav(QStringLiteral("cmdReso"));
    QCOMPARE(line->start(), TwPoint(4568, 3720));
    ui.f12();
    QCOMPARE(line->start(), TwPoint(4382, 3720));
}

void ResPageTest::capacitorCaption() {
    Ui ui;
    ui.nav(QStringLiteral("cmdReso"));
    const QString lbl = QStringLiteral("LblcReso");
    QCOMPARE(ui.caption(lbl), QString());
    Confirm(ui, Res(0), QStringLiteral("220"));
    QCOMPARE(ui.caption(lbl), QStringLiteral("220"));
    // Edited after the confirmation: the caption keeps the confirmed text
    // until the next Enter.
    ui.click(Res(0));
    ui.key(Qt::Key_End);
    ui.type(QStringLiteral("0"));
    QCOMPARE(ui.caption(lbl), QStringLiteral("220"));
    ui.enter();
    QCOMPARE(ui.caption(lbl), QStringLiteral("2200"));
    ui.click(QStringLiteral("cmdNew_3"));
    QCOMPARE(ui.caption(lbl), QString());
    // A long value is shown whole on the capacitor's narrow slot.
    Confirm(ui, Res(0), QStringLiteral("1234567.8"));
    auto* slot = ui.get<QLabel>(lbl);
    QCOMPARE(slot->text(), QStringLiteral("1234567.8"));
    QVERIFY(QFontMetrics(slot->font()).horizontalAdvance(slot->text()) <= slot->contentsRect().width());
    ui.click(QStringLiteral("cmdNew_3"));
    // A computed capacitance does not reach the caption.
    Confirm(ui, Res(1), QStringLiteral("5.032921"));
    Confirm(ui, Res(2), QStringLiteral("10"));
    ui.f12();
    QCOMPARE(ui.text(Res(0)), QStringLiteral("100"));
    QCOMPARE(ui.caption(lbl), QString());
}

void ResPageTest::newOnResonanceTab() {
    Ui ui;
    ui.nav(QStringLiteral("cmdReso"));
    Confirm(ui, Res(0), QStringLiteral("100"));
    Confirm(ui, Res(2), QStringLiteral("10"));
    ui.f12();
    ui.click(Res(2));
    ui.key(Qt::Key_Delete); // un-confirms; the history captions fill
    QCOMPARE(ui.caption(LblRes(1)), QStringLiteral("5.032921"));
    ui.selectTab(QStringLiteral("TabRes"), 1);
    Confirm(ui, IRes(0), QStringLiteral("33"));
    ui.selectTab(QStringLiteral("TabRes"), 0);
    ui.click(QStringLiteral("cmdNew_3"));
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(ui.text(Res(i)), QString());
        QCOMPARE(ui.lamp(SRes(i)), kGrey);
        QCOMPARE(ui.caption(LblRes(i)), QString());
    }
    QCOMPARE(ui.focusName(), Res(0));
    QCOMPARE(ui.text(IRes(0)), QStringLiteral("33"));
    QCOMPARE(ui.lamp(SIRes(0)), kRed);
    // The history went too: a new withdrawal shows empty captions.
    Confirm(ui, Res(1), QStringLiteral("4"));
    ui.click(Res(1));
    ui.backspace();
    for (int i = 0; i < 3; ++i) QCOMPARE(ui.caption(LblRes(i)), QString());
}

void ResPageTest::resonanceFillsThreeCaptions() {
    // The impedance evaluation leaves four texts in the history; the
    // resonance fields show only the first three of them.
    Ui ui;
    OpenImpedance(ui);
    Confirm(ui, IRes(0), QStringLiteral("100"));
    Confirm(ui, IRes(1), QStringLiteral("1"));
    Confirm(ui, IRes(2), QStringLiteral("100"));
    ui.f12();
    ui.selectTab(QStringLiteral("TabRes"), 0);
    Confirm(ui, Res(0), QStringLiteral("8"));
    ui.click(Res(0));
    ui.esc();
    QCOMPARE(ui.caption(LblRes(0)), QStringLiteral("100"));
    QCOMPARE(ui.caption(LblRes(1)), QStringLiteral("1"));
    QCOMPARE(ui.caption(LblRes(2)), QStringLiteral("100"));
    QCOMPARE(ui.caption(LblRes(3)), QString());
    QCOMPARE(ui.text(Res(0)), QString());
}

// ------------------------------------------------------------ impedance

void ResPageTest::impedance_data() {
    // C 100 pF, f 1 MHz, L 100 uH: XC 1591.5, XL 628.3. An empty column is
    // a field left unconfirmed (and empty, except f which is always given).
    QTest::addColumn<bool>("parallel");
    QTest::addColumn<QString>("r");
    QTest::addColumn<QString>("c");
    QTest::addColumn<QString>("l");
    QTest::addColumn<QString>("z");
    QTest::addColumn<int>("target");
    QTest::addColumn<QString>("result");
    // clang-format off
    QTest::newRow("par Z") << true << "0" << "100" << "100" << "" << 3 << "1038.143";
    QTest::newRow("ser Z, R 0") << false << "0" << "100" << "100" << "" << 3 << "963.2";
    QTest::newRow("ser Z, R 10") << false << "10" << "100" << "100" << "" << 3 << "963.252";
    QTest::newRow("ser Z, R 0.1") << false << "0.1" << "100" << "100" << "" << 3 << "963.2";
    QTest::newRow("ser Z, R not a number") << false << "abc" << "100" << "100" << "" << 3 << "963.2";
    QTest::newRow("par C") << true << "0" << "" << "100" << "1038.143" << 0 << "100";
    QTest::newRow("ser C, XL + Z") << false << "0" << "" << "100" << "963.2" << 0 << "100";
    QTest::newRow("par L") << true << "0" << "100" << "" << "1038.143" << 2 << "99.997";
    QTest::newRow("par L, Z negative") << true << "0" << "100" << "" << "-1038.143" << 2 << "-475.202";
    QTest::newRow("ser L") << false << "0" << "100" << "" << "963.2" << 2 << "99.997";
    QTest::newRow("par Z, L 1000") << true << "0" << "100" << "1000" << "" << 3 << "-2131.362";
    QTest::newRow("par Z, C empty") << true << "0" << "" << "100" << "" << 3 << "0";
    QTest::newRow("ser Z, C empty, R 0") << false << "0" << "" << "100" << "" << 3 << "628.3";
    QTest::newRow("ser Z, C empty, R 10") << false << "10" << "" << "100" << "" << 3 << "628.38";
    // clang-format on
}

void ResPageTest::impedance() {
    QFETCH(bool, parallel);
    QFETCH(QString, r);
    QFETCH(QString, c);
    QFETCH(QString, l);
    QFETCH(QString, z);
    QFETCH(int, target);
    QFETCH(QString, result);
    Ui ui;
    OpenImpedance(ui);
    if (!parallel) ui.click(QStringLiteral("optSerie"));
    Retype(ui, QStringLiteral("iResR2"), r);
    const QString values[4] = {c, QStringLiteral("1"), l, z};
    QList<int> red;
    for (int i = 0; i < 4; ++i) {
        if (values[i].isEmpty()) continue;
        Confirm(ui, IRes(i), values[i]);
        red << i;
    }
    ui.click(IRes(1));
    ui.f12();
    QCOMPARE(ui.text(IRes(target)), result);
    QCOMPARE(ui.lamp(SIRes(target)), kGreen);
    for (int i : red) QCOMPARE(ui.lamp(SIRes(i)), kRed);
    QVERIFY(ui.messages.texts.isEmpty());

    // Backspace in the frequency field: all four captions show the
    // evaluation, the computed field is blanked.
    QStringList shown;
    for (int i = 0; i < 4; ++i) shown << ui.text(IRes(i));
    ui.key(Qt::Key_End);
    ui.backspace();
    for (int i = 0; i < 4; ++i) QCOMPARE(ui.caption(LblRes(i)), shown[i]);
    QCOMPARE(ui.text(IRes(target)), QString());
    QCOMPARE(ui.lamp(SIRes(target)), kGrey);
    QCOMPARE(ui.lamp(SIRes(1)), kGrey);
}

void ResPageTest::frequencyMissing_data() {
    QTest::addColumn<bool>("afterEvaluation");
    QTest::newRow("first evaluation") << false;
    QTest::newRow("after an evaluation") << true;
}

void ResPageTest::frequencyMissing() {
    QFETCH(bool, afterEvaluation);
    Ui ui;
    OpenImpedance(ui);
    Confirm(ui, IRes(0), QStringLiteral("100"));
    if (afterEvaluation) {
        // C, f, L give Z; then Esc takes the frequency out and Z is
        // confirmed in its place.
        Confirm(ui, IRes(1), QStringLiteral("1"));
        Confirm(ui, IRes(2), QStringLiteral("100"));
        ui.f12();
        QCOMPARE(ui.text(IRes(3)), QStringLiteral("1038.143"));
        ui.click(IRes(1));
        ui.esc();
        QCOMPARE(ui.caption(LblRes(3)), QStringLiteral("1038.143"));
        ui.click(IRes(3));
        ui.enter();
    } else {
        Retype(ui, IRes(1), QString());
        Confirm(ui, IRes(2), QStringLiteral("100"));
        Confirm(ui, IRes(3), QStringLiteral("5"));
    }
    QCOMPARE(ui.text(IRes(1)), QString());
    ui.click(IRes(0));
    ui.f12();
    QCOMPARE(ui.messages.texts, QStringList{QStringLiteral("Frekvens måste vara ifylld")});
    QCOMPARE(ui.messages.titles, QStringList{QStringLiteral("Ampero")});
    QVERIFY(ui.messages.allPlain);
    // The window manager hands the keyboard back to the window once the
    // box has closed; the offscreen platform needs telling.
    QApplication::setActiveWindow(ui.w.get());
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(ui.text(IRes(i)), QString());
        QCOMPARE(ui.lamp(SIRes(i)), kGrey);
        QCOMPARE(ui.caption(LblRes(i)), QString());
    }
    QCOMPARE(ui.focusName(), IRes(0));
    // The history is four empty texts.
    Confirm(ui, IRes(2), QStringLiteral("7"));
    ui.click(IRes(2));
    ui.backspace();
    for (int i = 0; i < 4; ++i) QCOMPARE(ui.caption(LblRes(i)), QString());
}

void ResPageTest::selectionFiveComputesNothing() {
    Ui ui;
    OpenImpedance(ui);
    Confirm(ui, IRes(0), QStringLiteral("100"));
    Confirm(ui, IRes(2), QStringLiteral("100"));
    Confirm(ui, IRes(3), QStringLiteral("5"));
    ui.click(IRes(0));
    ui.f12();
    QVERIFY(ui.messages.texts.isEmpty());
    const QString expected[4] = {"100", "1", "100", "5"};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(ui.text(IRes(i)), expected[i]);
        QVERIFY(ui.lamp(SIRes(i)) != kGreen);
    }
}

void ResPageTest::focusAfterConfirm_data() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<QList<int>>("order");
    QTest::addColumn<QString>("focus");
    QTest::newRow("C -> f") << 0 << QList<int>{0} << "Res_1";
    QTest::newRow("L -> C") << 0 << QList<int>{2} << "Res_0";
    QTest::newRow("second of two") << 0 << QList<int>{1, 2} << "Res_0";
    QTest::newRow("iC, if -> iL") << 1 << QList<int>{0, 1} << "iRes_2";
    QTest::newRow("third: iL -> iZ") << 1 << QList<int>{0, 1, 2} << "iRes_3";
    QTest::newRow("third: iZ -> R") << 1 << QList<int>{1, 2, 3} << "iResR2";
    QTest::newRow("first: iZ -> R") << 1 << QList<int>{3} << "iResR2";
}

void ResPageTest::focusAfterConfirm() {
    QFETCH(int, tab);
    QFETCH(QList<int>, order);
    QFETCH(QString, focus);
    Ui ui;
    ui.nav(QStringLiteral("cmdReso"));
    ui.selectTab(QStringLiteral("TabRes"), tab);
    for (int i : order) Confirm(ui, tab == 0 ? Res(i) : IRes(i), i == 1 ? QStringLiteral("1") : QStringLiteral("5"));
    QCOMPARE(ui.focusName(), focus);
    // Enter in an empty field confirms nothing and keeps the focus.
    if (tab == 1 && order == QList<int>{0, 1}) {
        ui.enter();
        QCOMPARE(ui.focusName(), focus);
        QCOMPARE(ui.lamp(SIRes(2)), kGrey);
    }
}

void ResPageTest::optionChangedAfterEvaluation() {
    Ui ui;
    OpenImpedance(ui);
    Confirm(ui, IRes(0), QStringLiteral("100"));
    Confirm(ui, IRes(1), QStringLiteral("1"));
    Confirm(ui, IRes(2), QStringLiteral("100"));
    ui.f12();
    QCOMPARE(ui.text(IRes(3)), QStringLiteral("1038.143"));

    ui.click(QStringLiteral("optSerie"));
    QVERIFY(ui.get(QStringLiteral("imgSerie"))->isVisible());
    QVERIFY(!ui.get(QStringLiteral("imgPar"))->isVisible());
    QCOMPARE(ui.focusName(), IRes(0));
    QCOMPARE(ui.text(IRes(3)), QStringLiteral("1038.143"));
    QCOMPARE(ui.lamp(SIRes(3)), kGreen);
    for (int i = 0; i < 3; ++i) QCOMPARE(ui.lamp(SIRes(i)), kRed);
    ui.f12();
    QCOMPARE(ui.text(IRes(3)), QStringLiteral("963.2"));

    ui.click(QStringLiteral("optPar"));
    QVERIFY(ui.get(QStringLiteral("imgPar"))->isVisible());
    QVERIFY(!ui.get(QStringLiteral("imgSerie"))->isVisible());
    QCOMPARE(ui.focusName(), IRes(0));
    QCOMPARE(ui.text(IRes(3)), QStringLiteral("963.2"));
    ui.click(QStringLiteral("cmdEval_3"));
    QCOMPARE(ui.text(IRes(3)), QStringLiteral("1038.143"));
}

void ResPageTest::keyFilter_data() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("shown");
    // clang-format off
    QTest::newRow("resonance field") << 0 << "Res_0" << "5.2";
    QTest::newRow("impedance field") << 1 << "iRes_3" << "-5.2-";
    QTest::newRow("wire resistance") << 1 << "iResR2" << "-5,2a -";
    // clang-format on
}

void ResPageTest::keyFilter() {
    QFETCH(int, tab);
    QFETCH(QString, name);
    QFETCH(QString, shown);
    Ui ui;
    ui.nav(QStringLiteral("cmdReso"));
    ui.selectTab(QStringLiteral("TabRes"), tab);
    Retype(ui, name, QStringLiteral("-5,2a -"));
    QCOMPARE(ui.text(name), shown);
}

void ResPageTest::wireResistanceFieldIsPlain() {
    Ui ui;
    OpenImpedance(ui);
    auto* r = ui.get<QLineEdit>(QStringLiteral("iResR2"));
    ui.click(QStringLiteral("iResR2"));
    QCOMPARE(ui.focusName(), QStringLiteral("iResR2"));
    QCOMPARE(r->palette().color(QPalette::Base), QColor(0, 192, 192));
    ui.type(QStringLiteral("5"));
    ui.enter();
    // No lamp, no confirmation, no focus move.
    QCOMPARE(ui.focusName(), QStringLiteral("iResR2"));
    for (int i = 0; i < 4; ++i) QCOMPARE(ui.lamp(SIRes(i)), kGrey);
    QCOMPARE(ui.state().ConfirmedCount, 0);
    ui.click(IRes(0));
    QCOMPARE(r->palette().color(QPalette::Base), QColor(0, 192, 192));
}

void ResPageTest::newOnImpedanceTab() {
    Ui ui;
    ui.nav(QStringLiteral("cmdReso"));
    Confirm(ui, Res(0), QStringLiteral("47"));
    ui.selectTab(QStringLiteral("TabRes"), 1);
    ui.click(QStringLiteral("optSerie"));
    Retype(ui, QStringLiteral("iResR2"), QStringLiteral("10"));
    Confirm(ui, IRes(0), QStringLiteral("100"));
    Confirm(ui, IRes(1), QStringLiteral("1"));
    Confirm(ui, IRes(2), QStringLiteral("100"));
    ui.click(IRes(2));
    ui.f12();
    QCOMPARE(ui.text(IRes(3)), QStringLiteral("963.252"));
    ui.click(IRes(0));
    ui.esc();
    QCOMPARE(ui.caption(LblRes(3)), QStringLiteral("963.252"));
    ui.click(QStringLiteral("cmdNew_3"));
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(ui.text(IRes(i)), QString());
        QCOMPARE(ui.lamp(SIRes(i)), kGrey);
        QCOMPARE(ui.caption(LblRes(i)), QString());
    }
    QCOMPARE(ui.focusName(), IRes(0));
    QCOMPARE(ui.text(QStringLiteral("iResR2")), QStringLiteral("10"));
    QVERIFY(ui.get<QRadioButton>(QStringLiteral("optSerie"))->isChecked());
    QVERIFY(ui.get(QStringLiteral("imgSerie"))->isVisible());
    // The resonance tab is untouched, its caption too.
    QCOMPARE(ui.text(Res(0)), QStringLiteral("47"));
    QCOMPARE(ui.lamp(SRes(0)), kRed);
    QCOMPARE(ui.caption(QStringLiteral("LblcReso")), QStringLiteral("47"));
}

void ResPageTest::exitClearsBothTabs() {
    Ui ui;
    ui.nav(QStringLiteral("cmdReso"));
    Confirm(ui, Res(0), QStringLiteral("100"));
    Confirm(ui, Res(2), QStringLiteral("10"));
    ui.f12();
    ui.selectTab(QStringLiteral("TabRes"), 1);
    Retype(ui, QStringLiteral("iResR2"), QStringLiteral("10"));
    Confirm(ui, IRes(0), QStringLiteral("100"));
    Confirm(ui, IRes(1), QStringLiteral("1"));
    Confirm(ui, IRes(2), QStringLiteral("100"));
    ui.click(IRes(0));
    ui.f12();
    ui.click(QStringLiteral("cmdExit_3"));
    QVERIFY(!ui.get(QStringLiteral("pan_5"))->isVisible());
    ui.nav(QStringLiteral("cmdReso"));
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(ui.text(Res(i)), QString());
        QCOMPARE(ui.lamp(SRes(i)), kGrey);
    }
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(ui.text(IRes(i)), QString());
        QCOMPARE(ui.lamp(SIRes(i)), kGrey);
    }
    QCOMPARE(ui.lamp(SRes(3)), kRed);
    QCOMPARE(ui.lamp(SRes(4)), kGreen);
    QCOMPARE(ui.text(QStringLiteral("iResR2")), QStringLiteral("10"));
    // The history went with the exit.
    Confirm(ui, Res(1), QStringLiteral("3"));
    ui.click(Res(1));
    ui.backspace();
    for (int i = 0; i < 3; ++i) QCOMPARE(ui.caption(LblRes(i)), QString());
}

AMPERO_UI_TEST_MAIN(ResPageTest)
#include "test_respage.moc"
