// The capacitor page driven by key and mouse: capacitive reactance with its
// entry protocol and the microfarad caption, the series list, New, Exit and
// the tab changes.
#include <QLocale>

#include "uitest.h"

using namespace uitest;

namespace {
const QStringList kCap = {"Cap_0", "Cap_1", "Cap_2"};
const QLocale kSwedish(QLocale::Swedish, QLocale::Sweden);

QStringList serieNames() {
    QStringList n;
    for (int i = 0; i < 10; ++i) n << QStringLiteral("txtSerie_%1").arg(i);
    return n;
}
} // namespace

class CapPageTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Ui> ui;
    QLocale savedLocale;

    QStringList texts(const QStringList& names) const {
        QStringList t;
        for (const QString& n : names) t << ui->text(n);
        return t;
    }
    QList<QColor> lamps() const { return {ui->lamp("sCap_0"), ui->lamp("sCap_1"), ui->lamp("sCap_2")}; }
    QStringList history() const { return {ui->caption("lblCap_0"), ui->caption("lblCap_1"), ui->caption("lblCap_2")}; }
    // Click into a field and type, without confirming.
    void fill(const QString& name, const QString& value) {
        ui->click(name);
        ui->type(value);
    }
    // f = 1 MHz, C = 100 pF, F12: XC = 1591.5.
    void evaluateOneMegahertzHundredPicofarad() {
        ui->confirm("Cap_0", "1");
        ui->confirm("Cap_1", "100");
        ui->f12();
        QCOMPARE(ui->text("Cap_2"), QString("1591.5"));
    }
    void openSerie() {
        ui->selectTab("TabCap", 1);
        QCOMPARE(ui->focusName(), QString("txtSerie_0"));
    }
    void fillSerie(const QStringList& values) {
        for (int i = 0; i < values.size(); ++i)
            if (!values[i].isEmpty()) fill(QStringLiteral("txtSerie_%1").arg(i), values[i]);
    }

private Q_SLOTS:
    void init() {
        savedLocale = QLocale();
        ui = std::make_unique<Ui>();
        ui->nav("cmdKond");
    }
    void cleanup() {
        ui.reset();
        QLocale::setDefault(savedLocale);
    }

    // ------------------------------------------------------------ reactance

    void reactance_data() {
        QTest::addColumn<int>("a");
        QTest::addColumn<QString>("va");
        QTest::addColumn<int>("b");
        QTest::addColumn<QString>("vb");
        QTest::addColumn<bool>("byButton");
        QTest::addColumn<int>("computed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("f C -> XC, F12") << 0 << "1" << 1 << "100" << false << 2 << "1591.5";
        QTest::newRow("f XC -> C, Räkna") << 0 << "1" << 2 << "1591.5" << true << 1 << "100";
        QTest::newRow("C XC -> f, F12") << 1 << "100" << 2 << "1591.5" << false << 0 << "1.000031";
        QTest::newRow("comma typed as point") << 0 << "0,5" << 1 << "100" << false << 2 << "3183.1";
        QTest::newRow("f 0 -> XC 0") << 0 << "0" << 1 << "100" << true << 2 << "0";
        QTest::newRow("XC 0 -> C 0") << 0 << "1" << 2 << "0" << false << 1 << "0";
        QTest::newRow("C only a point -> f 0") << 1 << "." << 2 << "5" << false << 0 << "0";
    }
    void reactance() {
        QFETCH(int, a);
        QFETCH(QString, va);
        QFETCH(int, b);
        QFETCH(QString, vb);
        QFETCH(bool, byButton);
        QFETCH(int, computed);
        QFETCH(QString, expected);
        ui->confirm(kCap[a], va);
        ui->confirm(kCap[b], vb);
        if (byButton)
            ui->click("cmdEval_1");
        else
            ui->f12();
        QCOMPARE(ui->text(kCap[computed]), expected);
        QCOMPARE(ui->get<Lamp>(QStringLiteral("sCap_%1").arg(computed))->color(), kGreen);
        QCOMPARE(ui->lamp(QStringLiteral("sCap_%1").arg(a)), kRed);
        QCOMPARE(ui->lamp(QStringLiteral("sCap_%1").arg(b)), kRed);
        QVERIFY(!ui->text(kCap[computed]).contains(','));
        // The texts after the evaluation are the history shown at the next withdrawal.
        const QStringList evaluated = texts(kCap);
        QCOMPARE(history(), QStringList({"", "", ""}));
        ui->click(kCap[a]);
        ui->esc();
        QCOMPARE(history(), evaluated);
        QCOMPARE(ui->text(kCap[a]), QString());
    }

    void oneConfirmedComputesNothing() {
        ui->confirm("Cap_0", "1");
        fill("Cap_1", "100");
        ui->f12();
        ui->click("cmdEval_1");
        QCOMPARE(texts(kCap), QStringList({"1", "100", ""}));
        QCOMPARE(lamps(), QList<QColor>({kRed, kGrey, kGrey}));
    }

    void enterMovesOn_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("to");
        QTest::newRow("frequency") << 0 << "Cap_1";
        QTest::newRow("capacitance") << 1 << "Cap_2";
        QTest::newRow("reactance back to frequency") << 2 << "Cap_0";
    }
    void enterMovesOn() {
        QFETCH(int, from);
        QFETCH(QString, to);
        ui->click(kCap[from]);
        ui->enter(); // empty: no confirmation, no move
        QCOMPARE(ui->focusName(), kCap[from]);
        QCOMPARE(ui->lamp(QStringLiteral("sCap_%1").arg(from)), kGrey);
        ui->type("47");
        ui->enter();
        QCOMPARE(ui->focusName(), to);
        QCOMPARE(ui->lamp(QStringLiteral("sCap_%1").arg(from)), kRed);
    }

    void keysAndLimit() {
        fill("Cap_0", "1a- 2,5x");
        QCOMPARE(ui->text("Cap_0"), QString("12.5"));
        ui->enter();
        ui->confirm("Cap_1", "33");
        fill("Cap_2", "9");
        QCOMPARE(ui->text("Cap_2"), QString());
        ui->backspace();
        ui->enter();
        QCOMPARE(ui->lamp("sCap_2"), kGrey);
        QCOMPARE(ui->state().ConfirmedCount, 2);
    }

    void withdrawAfterEvaluation_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<QColor>("computedLamp");
        QTest::newRow("Backspace blanks the result") << int(Qt::Key_Backspace) << QStringList{"1", "10", ""} << kGrey;
        QTest::newRow("Esc keeps the result") << int(Qt::Key_Escape) << QStringList{"1", "", "1591.5"} << kGreen;
        QTest::newRow("Delete greys, keeps the text")
            << int(Qt::Key_Delete) << QStringList{"1", "100", "1591.5"} << kGrey;
    }
    void withdrawAfterEvaluation() {
        QFETCH(int, key);
        QFETCH(QStringList, after);
        QFETCH(QColor, computedLamp);
        evaluateOneMegahertzHundredPicofarad();
        QCOMPARE(history(), QStringList({"", "", ""}));
        ui->click("Cap_1");
        ui->key(Qt::Key(key));
        QCOMPARE(history(), QStringList({"1", "100", "1591.5"}));
        QCOMPARE(texts(kCap), after);
        QCOMPARE(lamps(), QList<QColor>({kRed, kGrey, computedLamp}));
        QCOMPARE(ui->state().ConfirmedCount, 1);
    }

    // ------------------------------------------------------------ microfarad caption

    void microfaradCaption_data() {
        QTest::addColumn<bool>("swedish");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("captions"); // after each character
        QTest::newRow("1000 pF") << false << "1000" << QStringList{"", "", "", "0.001"};
        QTest::newRow("1000 pF, Swedish") << true << "1000" << QStringList{"", "", "", "0,001"};
        QTest::newRow("comma typed") << true << "1,2345"
                                     << QStringList{"", "", "", "0,00000123", "0,000001234", "0,0000012345"};
    }
    void microfaradCaption() {
        QFETCH(bool, swedish);
        QFETCH(QString, typed);
        QFETCH(QStringList, captions);
        if (swedish) QLocale::setDefault(kSwedish);
        ui->click("Cap_1");
        for (int i = 0; i < typed.size(); ++i) {
            ui->type(typed.mid(i, 1));
            QCOMPARE(ui->caption("lblcCap"), captions[i]);
        }
        ui->backspace();
        QCOMPARE(ui->caption("lblcCap"), captions[captions.size() - 2]);
    }

    void microfaradCaptionFollowsComputedCapacitance_data() {
        QTest::addColumn<bool>("swedish");
        QTest::addColumn<QString>("caption");
        QTest::newRow("point locale") << false << "0.0001592";
        QTest::newRow("Swedish") << true << "0,0001592";
    }
    void microfaradCaptionFollowsComputedCapacitance() {
        QFETCH(bool, swedish);
        QFETCH(QString, caption);
        if (swedish) QLocale::setDefault(kSwedish);
        ui->confirm("Cap_0", "1");
        ui->confirm("Cap_2", "1000");
        QCOMPARE(ui->caption("lblcCap"), QString());
        ui->f12();
        QCOMPARE(ui->text("Cap_1"), QString("159.2"));
        QCOMPARE(ui->caption("lblcCap"), caption);
        ui->click("cmdNew_2");
        QCOMPARE(ui->caption("lblcCap"), QString());
    }

    // ------------------------------------------------------------ page buttons and tabs

    void pageRaknaOffTheReactanceTab_data() {
        QTest::addColumn<int>("tab");
        QTest::newRow("Seriekoppling") << 1;
        QTest::newRow("Info") << 2;
    }
    void pageRaknaOffTheReactanceTab() {
        QFETCH(int, tab);
        ui->confirm("Cap_0", "1");
        ui->confirm("Cap_1", "100");
        ui->selectTab("TabCap", tab);
        QCOMPARE(ui->state().ConfirmedCount, 0);
        // The flags are shared by every calculator; give them back so that
        // only the tab shown decides.
        ui->state().EntryConfirmed[0] = ui->state().EntryConfirmed[1] = true;
        ui->state().ConfirmedCount = 2;
        if (tab == 1) fillSerie({"22", "48"});
        ui->click("cmdEval_1");
        QCOMPARE(ui->text("Cap_2"), QString());
        QCOMPARE(ui->lamp("sCap_2"), kGrey);
        QCOMPARE(ui->state().EntryHistory[0], QString());
        QCOMPARE(ui->text("txtSerie_8"), QString());
    }

    void newClears_data() {
        QTest::addColumn<int>("tab");
        QTest::newRow("reactance tab") << 0;
        QTest::newRow("series tab") << 1;
        QTest::newRow("Info tab") << 2;
    }
    void newClears() {
        QFETCH(int, tab);
        evaluateOneMegahertzHundredPicofarad();
        ui->click("Cap_0");
        ui->key(Qt::Key_Delete); // shows the history
        QCOMPARE(history(), QStringList({"1", "100", "1591.5"}));
        ui->selectTab("TabCap", 1);
        fillSerie({"22", "48"});
        ui->selectTab("TabCap", tab);
        ui->click("cmdNew_2");
        QCOMPARE(texts(kCap), QStringList({"", "", ""}));
        QCOMPARE(lamps(), QList<QColor>({kGrey, kGrey, kGrey}));
        QCOMPARE(history(), QStringList({"", "", ""}));
        QCOMPARE(ui->text("txtSerie_0"), QString("22"));
        QCOMPARE(ui->text("txtSerie_1"), QString("48"));
        if (tab == 0) QCOMPARE(ui->focusName(), QString("Cap_0"));
        // The history is gone too: a withdrawal shows empty captions.
        ui->selectTab("TabCap", 0);
        ui->confirm("Cap_0", "2");
        ui->backspace();
        QCOMPARE(history(), QStringList({"", "", ""}));
    }

    void exitClears() {
        evaluateOneMegahertzHundredPicofarad();
        ui->click("Cap_0");
        ui->key(Qt::Key_Delete);
        ui->selectTab("TabCap", 1);
        fillSerie({"22", "48"});
        ui->click("cmdExit_2");
        QVERIFY(!ui->get("pan_4")->isVisible());
        QCOMPARE(texts(kCap), QStringList({"", "", ""}));
        QCOMPARE(lamps(), QList<QColor>({kGrey, kGrey, kGrey}));
        QCOMPARE(ui->caption("lblcCap"), QString());
        QCOMPARE(ui->lamp("sCap_3"), QColor(0, 192, 0));
        QCOMPARE(ui->lamp("sRes_5"), kGreen);
        QCOMPARE(ui->lamp("sRes_6"), kRed);
        QCOMPARE(history(), QStringList({"1", "100", "1591.5"}));
        QCOMPARE(ui->text("txtSerie_0"), QString("22"));
        QCOMPARE(ui->state().EntryHistory[2], QString());
    }

    void tabChange_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("focus");
        QTest::newRow("series") << 1 << "txtSerie_0";
        QTest::newRow("Info") << 2 << "";
    }
    void tabChange() {
        QFETCH(int, tab);
        QFETCH(QString, focus);
        ui->confirm("Cap_0", "1");
        ui->selectTab("TabCap", tab);
        QCOMPARE(ui->state().ConfirmedCount, 0);
        QCOMPARE(ui->lamp("sCap_0"), kRed); // lamps keep their colours
        if (!focus.isEmpty())
            QCOMPARE(ui->focusName(), focus);
        else
            QVERIFY(!ui->focusName().startsWith("Cap_") && !ui->focusName().startsWith("txtSerie_"));
        ui->selectTab("TabCap", 0);
        QCOMPARE(ui->focusName(), QString("Cap_0"));
    }

    // ------------------------------------------------------------ series list

    void serieTexts() {
        const QString instruction = ui->caption("lblSerie_17");
        QCOMPARE(instruction.size(), 159);
        QCOMPARE(instruction, QString("Här kan du räkna på seriekopplade kapacitanser   och parallellkopplade "
                                      "motstånd.                               Tänk på att använda samma sort "
                                      "tex .    pF , ohm"));
        QStringList captions;
        for (int i = 0; i < 20; ++i)
            if (i != 17) captions << ui->caption(QStringLiteral("lblSerie_%1").arg(i));
        QCOMPARE(captions, QStringList({" 1", " 2", " 3", " 4", " 5", " 6", " 7", " 8", "Svar", " +", " +", " +", " +",
                                        " +", " +", " +", " =", "F 12", "Nästa blir"}));
        QCOMPARE(ui->get<QPushButton>("cmdSerieCap")->text(), QString("Räkna"));
        QCOMPARE(ui->get<QPushButton>("cmdSerieNy")->text(), QString("Ny"));
    }

    void serie_data() {
        QTest::addColumn<QStringList>("values"); // txtSerie 0..8
        QTest::addColumn<bool>("byF12");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("next");
        // clang-format off
        QTest::newRow("22 + 48") << QStringList{"22", "48"} << false << "15.1" << "";
        QTest::newRow("not adjacent, F12") << QStringList{"22", "", "", "", "", "48"} << true << "15.1" << "";
        QTest::newRow("one value") << QStringList{"47"} << false << "47" << "";
        QTest::newRow("missing value") << QStringList{"22", "", "", "", "", "", "", "", "15"} << true << "15" << "47.1";
        // clang-format on
        QTest::newRow("total out of reach") << QStringList{"22", "", "", "", "", "", "", "", "30"} << false << "30"
                                            << "82.5";
        // clang-format off
        QTest::newRow("commas typed") << QStringList{"2,2", "4,8"} << false << "1.5" << "";
        QTest::newRow("a zero leaves the answer empty") << QStringList{"0", "22"} << false << "" << "";
        QTest::newRow("nothing filled") << QStringList{} << true << "" << "";
        // clang-format on
    }
    void serie() {
        QFETCH(QStringList, values);
        QFETCH(bool, byF12);
        QFETCH(QString, answer);
        QFETCH(QString, next);
        openSerie();
        fillSerie(values);
        if (byF12)
            ui->f12();
        else
            ui->click("cmdSerieCap");
        QCOMPARE(ui->text("txtSerie_8"), answer);
        QCOMPARE(ui->text("txtSerie_9"), next);
    }

    void secondRaknaClosesTheGap_data() {
        QTest::addColumn<bool>("swedish");
        QTest::newRow("point locale") << false;
        QTest::newRow("Swedish") << true;
    }
    void secondRaknaClosesTheGap() {
        QFETCH(bool, swedish);
        if (swedish) QLocale::setDefault(kSwedish);
        openSerie();
        fillSerie({"22", "48"});
        ui->click("cmdSerieCap");
        QCOMPARE(ui->text("txtSerie_8"), QString("15.1"));
        ui->click("cmdSerieCap");
        QCOMPARE(ui->text("txtSerie_8"), QString("15.1"));
        QCOMPARE(ui->text("txtSerie_9"), QString("15945.6"));
    }

    void serieNyEmptiesAll() {
        openSerie();
        for (int i = 0; i < 10; ++i) fill(QStringLiteral("txtSerie_%1").arg(i), QString::number(i + 1));
        ui->click("txtSerie_8");
        ui->enter();
        QCOMPARE(ui->focusName(), QString("cmdSerieNy"));
        ui->key(Qt::Key_Space); // the focused button, from the keyboard
        QCOMPARE(texts(serieNames()), QStringList(10, QString()));
        QCOMPARE(ui->focusName(), QString("cmdSerieNy"));
    }

    void serieEnter_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("to");
        QTest::newRow("1 -> 2") << 0 << "txtSerie_1";
        QTest::newRow("end of row one") << 3 << "txtSerie_4";
        QTest::newRow("8 -> 1") << 7 << "txtSerie_0";
        QTest::newRow("answer -> Ny") << 8 << "cmdSerieNy";
    }
    void serieEnter() {
        QFETCH(int, from);
        QFETCH(QString, to);
        openSerie();
        ui->click(QStringLiteral("txtSerie_%1").arg(from));
        ui->enter();
        QCOMPARE(ui->focusName(), to);
    }

    void serieTabOrder() {
        openSerie();
        ui->key(Qt::Key_Backtab);
        QCOMPARE(ui->focusName(), QString("cmdSerieCap"));
        ui->click("cmdSerieNy");
        ui->key(Qt::Key_Tab);
        QCOMPARE(ui->focusName(), QString("txtSerie_9"));
        ui->key(Qt::Key_Tab); // the page's buttons follow, the focus stays on the page
        QCOMPARE(ui->focusName(), QString("cmdEval_1"));
    }

    void serieKeysAndColours() {
        openSerie();
        ui->type("1a-2,5 x");
        QCOMPARE(ui->text("txtSerie_0"), QString("12.5"));
        ui->backspace();
        QCOMPARE(ui->text("txtSerie_0"), QString("12."));
        QCOMPARE(ui->field("txtSerie_0")->background(), QColor(0, 222, 219));
        QCOMPARE(ui->field("txtSerie_1")->background(), QColor(0, 192, 192));
        ui->click("txtSerie_1");
        QCOMPARE(ui->field("txtSerie_0")->background(), QColor(0, 192, 192));
        QCOMPARE(ui->field("txtSerie_1")->background(), QColor(0, 222, 219));
    }

    void pageButtonsLeaveTheSeriesAlone() {
        openSerie();
        fillSerie({"22", "48"});
        ui->click("cmdEval_1");
        ui->click("cmdNew_2");
        QCOMPARE(texts(serieNames()), QStringList({"22", "48", "", "", "", "", "", "", "", ""}));
        ui->click("cmdExit_2");
        ui->nav("cmdKond");
        ui->selectTab("TabCap", 1);
        QCOMPARE(texts(serieNames()), QStringList({"22", "48", "", "", "", "", "", "", "", ""}));
    }
};

AMPERO_UI_TEST_MAIN(CapPageTest)
#include "test_cappage.moc"
