// The coil page driven by key and mouse: inductive reactance, coil winding
// in dimension and AL mode with its two messages, the mode switch, New,
// Exit and the tab changes.
#include <QCheckBox>

#include "uitest.h"

using namespace uitest;

namespace {
const QStringList kInd = {"Ind_0", "Ind_1", "Ind_2"};
const QStringList kCoil = {"Coil_0", "Coil_1", "Coil_2", "Coil_3"};
const QStringList kDimensionOnly = {"Coil_0", "Coil_1", "sCoil_1", "imgSpol1", "imgSpol2", "imgSpol5"};
const QStringList kALOnly = {"AL_0", "imgAL", "imgSpol6"};
const QString kDimensionsMissing = QStringLiteral(" Längd och Diameter måste vara ifyllda");
const QString kALMissing = QStringLiteral("AL värdet måste vara ifyllt");
} // namespace

class CoilPageTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Ui> ui;

    QStringList texts(const QStringList& names) const {
        QStringList t;
        for (const QString& n : names) t << ui->text(n);
        return t;
    }
    QStringList history(int count = 4) const {
        QStringList t;
        for (int i = 0; i < count; ++i) t << ui->caption(QStringLiteral("lblInd_%1").arg(i));
        return t;
    }
    QList<QColor> coilLamps() const {
        QList<QColor> c;
        for (int i = 0; i < 4; ++i) c << ui->lamp(QStringLiteral("sCoil_%1").arg(i));
        return c;
    }
    void fill(const QString& name, const QString& value) {
        ui->click(name);
        ui->type(value);
    }
    void openWinding(bool alMode) {
        ui->selectTab("TabCoil", 1);
        if (alMode) ui->click("chkAL");
    }
    // "Field=value" pairs confirmed in order.
    void confirmAll(const QStringList& given) {
        for (const QString& g : given) ui->confirm(g.section('=', 0, 0), g.section('=', 1));
    }
    // Empties a field that is not confirmed key by key, then confirms a new value.
    void retype(const QString& name, const QString& value) {
        ui->click(name);
        ui->key(Qt::Key_End);
        for (int n = ui->text(name).size(); n > 0; --n) ui->backspace();
        ui->type(value);
        ui->enter();
    }
    // F12 in a field, as a user presses it.
    void f12In(const QString& name) {
        ui->click(name);
        ui->f12();
    }
    bool inView(const QString& name) const { return ui->get(name)->isVisible(); }
    // l 5, d 1, N 50 -> L 4.167, history 5, 1, 4.167, 50.
    void windFiveByOne() {
        confirmAll({"Coil_0=5", "Coil_1=1", "Coil_3=50"});
        ui->f12();
        QCOMPARE(ui->text("Coil_2"), QString("4.167"));
    }

private Q_SLOTS:
    void init() {
        ui = std::make_unique<Ui>();
        ui->nav("cmdIndukt");
    }
    void cleanup() { ui.reset(); }

    // ------------------------------------------------------------ inductive reactance

    void reactance_data() {
        QTest::addColumn<QStringList>("given");
        QTest::addColumn<bool>("byButton");
        QTest::addColumn<int>("computed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("f L -> XL") << QStringList{"Ind_0=1", "Ind_1=10"} << false << 2 << "62.8";
        QTest::newRow("f XL -> L") << QStringList{"Ind_0=1", "Ind_2=62.8"} << true << 1 << "9.994930425";
        QTest::newRow("L XL -> f") << QStringList{"Ind_1=10", "Ind_2=62.8"} << false << 0 << "0.999493";
        QTest::newRow("15 significant digits")
            << QStringList{"Ind_0=0.001", "Ind_2=1000"} << false << 1 << "159154.943071114";
        QTest::newRow("below the last decimal") << QStringList{"Ind_1=1000000", "Ind_2=1"} << true << 0 << "0";
        QTest::newRow("f 0 -> L 0") << QStringList{"Ind_0=0", "Ind_2=5"} << false << 1 << "0";
    }
    void reactance() {
        QFETCH(QStringList, given);
        QFETCH(bool, byButton);
        QFETCH(int, computed);
        QFETCH(QString, expected);
        confirmAll(given);
        if (byButton)
            ui->click("cmdEval_2");
        else
            ui->f12();
        QCOMPARE(ui->text(kInd[computed]), expected);
        QCOMPARE(ui->field(kInd[computed])->cursorPosition(), 0); // the leading digits in view
        QCOMPARE(ui->lamp(QStringLiteral("sInd_%1").arg(computed)), kGreen);
        QCOMPARE(ui->state().EntryHistory[computed], expected);
    }

    void reactanceEnterAndLimit() {
        ui->confirm("Ind_2", "5");
        QCOMPARE(ui->focusName(), QString("Ind_0"));
        ui->confirm("Ind_0", "1");
        QCOMPARE(ui->focusName(), QString("Ind_1"));
        ui->type("7");
        ui->enter();
        QCOMPARE(ui->text("Ind_1"), QString());
        QCOMPARE(ui->lamp("sInd_1"), kGrey);
    }

    void reactanceWithdraw_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<QStringList>("after");
        // The winding tab left 5, 1, 4.167, 50 in the history; only Esc
        // shows its fourth text.
        QTest::newRow("Backspace") << int(Qt::Key_Backspace) << QStringList{"1", "10", "62.8", ""}
                                   << QStringList{"1", "1", "62.8"};
        QTest::newRow("Delete") << int(Qt::Key_Delete) << QStringList{"1", "10", "62.8", ""}
                                << QStringList{"1", "10", "62.8"};
        QTest::newRow("Esc") << int(Qt::Key_Escape) << QStringList{"1", "10", "62.8", "50"}
                             << QStringList{"1", "", "62.8"};
    }
    void reactanceWithdraw() {
        QFETCH(int, key);
        QFETCH(QStringList, captions);
        QFETCH(QStringList, after);
        openWinding(false);
        windFiveByOne();
        ui->selectTab("TabCoil", 0);
        confirmAll({"Ind_0=1", "Ind_1=10"});
        ui->f12();
        ui->click("Ind_1");
        ui->key(Qt::Key(key));
        QCOMPARE(history(), captions);
        QCOMPARE(texts(kInd), after); // lamp only: the computed text stays
        QCOMPARE(ui->lamp("sInd_2"), key == Qt::Key_Escape ? kGreen : kGrey);
        QCOMPARE(ui->lamp("sInd_1"), kGrey);
    }

    // ------------------------------------------------------------ coil winding

    void winding_data() {
        QTest::addColumn<bool>("alMode");
        QTest::addColumn<QStringList>("given");
        QTest::addColumn<int>("computed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("l 5 d 1 N 50") << false << QStringList{"Coil_0=5", "Coil_1=1", "Coil_3=50"} << 2 << "4.167";
        QTest::newRow("l 5 d 1 L 4.167") << false << QStringList{"Coil_0=5", "Coil_1=1", "Coil_2=4.167"} << 3 << "50";
        QTest::newRow("l 2 d 0.5 N 100") << false << QStringList{"Coil_0=2", "Coil_1=0.5", "Coil_3=100"} << 2
                                         << "10.256";
        QTest::newRow("l 10 d 2 N 30") << false << QStringList{"Coil_0=10", "Coil_1=2", "Coil_3=30"} << 2 << "3";
        QTest::newRow("l 1 d 1 L 1") << false << QStringList{"Coil_0=1", "Coil_1=1", "Coil_2=1"} << 3 << "12.2";
        QTest::newRow("d 0 -> N 0") << false << QStringList{"Coil_0=1", "Coil_1=0", "Coil_2=1"} << 3 << "0";
        QTest::newRow("AL 250 N 20") << true << QStringList{"AL_0=250", "Coil_3=20"} << 2 << "100";
        QTest::newRow("AL 250 L 100") << true << QStringList{"AL_0=250", "Coil_2=100"} << 3 << "20";
        QTest::newRow("AL 60 L 10") << true << QStringList{"AL_0=60", "Coil_2=10"} << 3 << "12.9";
        QTest::newRow("AL 0.5 N 3") << true << QStringList{"AL_0=0.5", "Coil_3=3"} << 2 << "0.005";
        QTest::newRow("AL 1000 L 0.1") << true << QStringList{"AL_0=1000", "Coil_2=0.1"} << 3 << "0.3";
        QTest::newRow("AL 0 -> N 0") << true << QStringList{"AL_0=0", "Coil_2=10"} << 3 << "0";
    }
    void winding() {
        QFETCH(bool, alMode);
        QFETCH(QStringList, given);
        QFETCH(int, computed);
        QFETCH(QString, expected);
        openWinding(alMode);
        confirmAll(given);
        f12In(given.last().section('=', 0, 0));
        QCOMPARE(ui->text(kCoil[computed]), expected);
        QCOMPARE(ui->lamp(QStringLiteral("sCoil_%1").arg(computed)), kGreen);
        for (const QString& g : given)
            if (!g.startsWith("AL")) QCOMPARE(ui->lamp("s" + g.section('=', 0, 0)), kRed);
        if (alMode) QCOMPARE(ui->lamp("sCoil_0"), kRed);
        QVERIFY(ui->messages.texts.isEmpty());
    }

    void windingNeedsThreeConfirmed_data() {
        QTest::addColumn<QStringList>("confirmed");
        QTest::addColumn<QList<QColor>>("lamps");
        QTest::newRow("L and N") << QStringList{"Coil_2", "Coil_3"} << QList<QColor>{kGrey, kGrey, kRed, kRed};
        QTest::newRow("l and N, indexes summing to 3")
            << QStringList{"Coil_0", "Coil_3"} << QList<QColor>{kRed, kGrey, kGrey, kRed};
    }
    void windingNeedsThreeConfirmed() {
        QFETCH(QStringList, confirmed);
        QFETCH(QList<QColor>, lamps);
        openWinding(false);
        const QStringList values = {"5", "1", "10", "50"};
        for (int i = 0; i < 4; ++i) {
            fill(kCoil[i], values[i]);
            if (confirmed.contains(kCoil[i])) ui->enter();
        }
        f12In(confirmed.last());
        ui->click("cmdEval_2");
        QCOMPARE(texts(kCoil), values);
        QCOMPARE(coilLamps(), lamps);
        QVERIFY(ui->messages.texts.isEmpty());
    }

    void dimensionsMissing_data() {
        QTest::addColumn<QStringList>("given");
        QTest::newRow("diameter empty") << QStringList{"Coil_0=5", "Coil_2=4.167", "Coil_3=50"};
        QTest::newRow("length empty") << QStringList{"Coil_1=1", "Coil_2=4.167", "Coil_3=50"};
    }
    void dimensionsMissing() {
        QFETCH(QStringList, given);
        openWinding(false);
        confirmAll(given);
        const QStringList before = texts(kCoil);
        const QList<QColor> lampsBefore = coilLamps();
        ui->f12();
        QCOMPARE(ui->messages.texts, QStringList({kDimensionsMissing}));
        QCOMPARE(ui->messages.titles, QStringList({"Ampero"}));
        QVERIFY(ui->messages.allPlain);
        QCOMPARE(texts(kCoil), before);
        QCOMPARE(coilLamps(), lampsBefore);
        QCOMPARE(ui->state().ConfirmedCount, 3);
    }

    void alMissingClearsTheTab() {
        openWinding(true);
        confirmAll({"AL_0=250", "Coil_3=20"});
        f12In("Coil_3");
        QCOMPARE(ui->text("Coil_2"), QString("100"));
        ui->click("AL_0");
        ui->esc(); // empties AL and shows the history
        QCOMPARE(history(), QStringList({"250", "", "100", "20"}));
        ui->f12();
        QCOMPARE(ui->messages.texts, QStringList({kALMissing}));
        QCOMPARE(ui->messages.titles, QStringList({"Ampero"}));
        QCOMPARE(texts(kCoil), QStringList({"", "", "", ""}));
        QCOMPARE(ui->text("AL_0"), QString());
        QCOMPARE(coilLamps(), QList<QColor>({kGrey, kGrey, kGrey, kGrey}));
        QCOMPARE(history(), QStringList({"", "", "", ""}));
        // The offscreen platform does not hand the activation back after a
        // message box as a desktop does; do it here, then read the focus.
        QApplication::setActiveWindow(ui->w.get());
        QCOMPARE(ui->focusName(), QString("AL_0"));
        QCOMPARE(ui->state().ConfirmedCount, 0);
        for (const QString& h : ui->state().EntryHistory) QCOMPARE(h, QString());
    }

    void alHistoryKeepsTheSecondText() {
        openWinding(false);
        windFiveByOne();
        // Change the hidden diameter so it no longer matches the history.
        ui->click("chkAL");
        ui->click("chkAL");
        retype("Coil_1", "2");
        ui->click("chkAL");
        ui->confirm("AL_0", "60");
        retype("Coil_2", "10");
        ui->f12();
        QCOMPARE(ui->text("Coil_3"), QString("12.9"));
        ui->click("AL_0");
        ui->backspace(); // Backspace shows three captions only
        QCOMPARE(history(), QStringList({"60", "1", "10", ""}));
        ui->key(Qt::Key_Return); // confirmed again; the focus moves on
        ui->click("AL_0");
        ui->esc();
        QCOMPARE(history(), QStringList({"60", "1", "10", "12.9"}));
    }

    void alLimitIsTwo() {
        openWinding(true);
        confirmAll({"Coil_2=100", "Coil_3=20"});
        fill("AL_0", "250");
        ui->enter();
        QCOMPARE(ui->text("AL_0"), QString());
        QCOMPARE(ui->lamp("sCoil_0"), kGrey);
        // The coil fields keep their limit of three.
        ui->click("Coil_3");
        ui->type("0");
        QCOMPARE(ui->text("Coil_3"), QString("200"));
    }

    void modeSwitch() {
        openWinding(false);
        windFiveByOne();
        ui->click("Coil_0");
        ui->del();
        QCOMPARE(history(), QStringList({"5", "1", "4.167", "50"}));
        ui->click("chkAL");
        QVERIFY(ui->get<QCheckBox>("chkAL")->isChecked());
        for (const QString& n : kDimensionOnly) QVERIFY2(!inView(n), qPrintable(n));
        for (const QString& n : kALOnly) QVERIFY2(inView(n), qPrintable(n));
        for (int i = 0; i < 12; ++i) QVERIFY(!inView(QStringLiteral("Linje_%1").arg(i)));
        QCOMPARE(ui->focusName(), QString("AL_0"));
        QCOMPARE(coilLamps(), QList<QColor>({kGrey, kGrey, kGrey, kGrey}));
        QCOMPARE(history(), QStringList({"", "", "", ""}));
        QCOMPARE(ui->state().ConfirmedCount, 0);

        ui->click("chkAL");
        QVERIFY(!ui->get<QCheckBox>("chkAL")->isChecked());
        for (const QString& n : kDimensionOnly) QVERIFY2(inView(n), qPrintable(n));
        for (const QString& n : kALOnly) QVERIFY2(!inView(n), qPrintable(n));
        for (int i = 0; i < 12; ++i) QVERIFY(inView(QStringLiteral("Linje_%1").arg(i)));
        QCOMPARE(ui->focusName(), QString("Coil_0"));
        QCOMPARE(texts(kCoil), QStringList({"5", "1", "4.167", "50"}));
        QCOMPARE(coilLamps(), QList<QColor>({kGrey, kGrey, kGrey, kGrey}));
        QCOMPARE(ui->state().ConfirmedCount, 0);
    }

    void accessKeySwitchesMode() {
        openWinding(false);
        // The access key clicks the box after its short press animation.
        QTest::keyClick(ui->w.get(), Qt::Key_L, Qt::AltModifier);
        QTRY_VERIFY(ui->get<QCheckBox>("chkAL")->isChecked());
        QVERIFY(inView("AL_0"));
        QCOMPARE(ui->focusName(), QString("AL_0"));
    }

    void windingFocus_data() {
        QTest::addColumn<bool>("alMode");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        // clang-format off
        QTest::newRow("length -> diameter") << false << "Coil_0" << "Coil_1";
        QTest::newRow("diameter -> inductance") << false << "Coil_1" << "Coil_2";
        QTest::newRow("turns -> length") << false << "Coil_3" << "Coil_0";
        QTest::newRow("AL -> check box") << true << "AL_0" << "chkAL";
        QTest::newRow("AL mode: inductance -> turns") << true << "Coil_2" << "Coil_3";
        QTest::newRow("AL mode: turns -> Räkna") << true << "Coil_3" << "cmdEval_2";
        // clang-format on
    }
    void windingFocus() {
        QFETCH(bool, alMode);
        QFETCH(QString, from);
        QFETCH(QString, to);
        openWinding(alMode);
        ui->confirm(from, "2");
        QCOMPARE(ui->focusName(), to);
    }

    void hiddenFieldTakesNoFocus_data() {
        QTest::addColumn<bool>("alMode");
        QTest::newRow("dimension mode") << false;
        QTest::newRow("AL mode") << true;
    }
    void hiddenFieldTakesNoFocus() {
        QFETCH(bool, alMode);
        openWinding(alMode);
        QSet<QString> seen{ui->focusName()};
        for (int i = 0; i < 30; ++i) {
            ui->key(Qt::Key_Tab);
            seen << ui->focusName();
        }
        QVERIFY(seen.contains("chkAL"));
        QCOMPARE(seen.contains("AL_0"), alMode);
        QCOMPARE(seen.contains("Coil_0"), !alMode);
        QCOMPARE(seen.contains("Coil_1"), !alMode);
    }

    // ------------------------------------------------------------ New, Exit, tabs

    void newClears() {
        confirmAll({"Ind_0=1", "Ind_1=10"});
        ui->f12();
        ui->selectTab("TabCoil", 2);
        ui->click("cmdNew_1"); // Info tab: nothing
        QCOMPARE(texts(kInd), QStringList({"1", "10", "62.8"}));
        ui->selectTab("TabCoil", 0);
        ui->click("cmdNew_1");
        QCOMPARE(texts(kInd), QStringList({"", "", ""}));
        for (int i = 0; i < 3; ++i) QCOMPARE(ui->lamp(QStringLiteral("sInd_%1").arg(i)), kGrey);
        QCOMPARE(ui->focusName(), QString("Ind_0"));
        QCOMPARE(ui->state().EntryHistory[2], QString());
    }

    void newClearsTheWindingTab_data() {
        QTest::addColumn<bool>("alMode");
        QTest::addColumn<QString>("focus");
        QTest::newRow("dimension mode") << false << "Coil_0";
        QTest::newRow("AL mode") << true << "AL_0";
    }
    void newClearsTheWindingTab() {
        QFETCH(bool, alMode);
        QFETCH(QString, focus);
        openWinding(false);
        windFiveByOne();
        ui->click("Coil_0");
        ui->del();
        if (alMode) {
            ui->click("chkAL");
            fill("AL_0", "250");
        }
        ui->click("cmdNew_1");
        QCOMPARE(texts(kCoil), QStringList({"", "", "", ""}));
        QCOMPARE(ui->text("AL_0"), QString());
        QCOMPARE(coilLamps(), QList<QColor>({kGrey, kGrey, kGrey, kGrey}));
        QCOMPARE(history(), QStringList({"", "", "", ""}));
        QCOMPARE(ui->focusName(), focus);
    }

    void exitClears_data() {
        QTest::addColumn<QString>("exitFrom");
        QTest::newRow("coil page") << "cmdExit_1";
        QTest::newRow("capacitor page") << "cmdExit_2";
    }
    void exitClears() {
        QFETCH(QString, exitFrom);
        openWinding(true);
        confirmAll({"AL_0=250", "Coil_3=20"});
        f12In("Coil_3");
        QCOMPARE(ui->text("Coil_2"), QString("100"));
        ui->selectTab("TabCoil", 0);
        confirmAll({"Ind_0=1", "Ind_1=10"});
        ui->f12();
        ui->click("Ind_0");
        ui->del();
        if (exitFrom == "cmdExit_2") ui->nav("cmdKond");
        ui->click(exitFrom);
        QVERIFY(!ui->get("pan_3")->isVisible());
        QCOMPARE(texts(kInd), QStringList({"", "", ""}));
        QCOMPARE(texts(kCoil), QStringList({"", "", "", ""}));
        QCOMPARE(ui->text("AL_0"), QString());
        for (int i = 0; i < 3; ++i) QCOMPARE(ui->lamp(QStringLiteral("sInd_%1").arg(i)), kGrey);
        QCOMPARE(coilLamps(), QList<QColor>({kGrey, kGrey, kGrey, kGrey}));
        QCOMPARE(ui->lamp("LampFrek"), kRed);
        QCOMPARE(history(3), QStringList({"1", "10", "62.8"})); // captions stay
        QCOMPARE(ui->state().EntryHistory[3], QString());
    }

    void tabChange_data() {
        QTest::addColumn<bool>("alMode");
        QTest::addColumn<QString>("windingFocus");
        QTest::newRow("dimension mode") << false << "Coil_0";
        QTest::newRow("AL mode") << true << "AL_0";
    }
    void tabChange() {
        QFETCH(bool, alMode);
        QFETCH(QString, windingFocus);
        openWinding(alMode);
        ui->confirm("Coil_2", "4");
        ui->selectTab("TabCoil", 0);
        QCOMPARE(ui->focusName(), QString("Ind_0"));
        QCOMPARE(ui->state().ConfirmedCount, 0);
        QCOMPARE(ui->lamp("sCoil_2"), kRed); // lamps keep their colours
        ui->confirm("Ind_1", "3");
        ui->selectTab("TabCoil", 1);
        QCOMPARE(ui->focusName(), windingFocus);
        QCOMPARE(ui->state().ConfirmedCount, 0);
        ui->selectTab("TabCoil", 2);
        ui->click("cmdEval_2"); // Info tab: nothing, no message
        QVERIFY(ui->messages.texts.isEmpty());
    }
};

AMPERO_UI_TEST_MAIN(CoilPageTest)
#include "test_coilpage.moc"
