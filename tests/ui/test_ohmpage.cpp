// The Ohm page driven key by key: Ohm's law with its entry protocol, the
// LED series resistor, and the colour code.
#include <QClipboard>

#include "uitest.h"

using namespace uitest;

namespace {
const char* const kOhm[] = {"Ohm_0", "Ohm_1", "Ohm_2", "Ohm_3"};
}

class OhmPageTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Ui> ui;

    void open() {
        ui = std::make_unique<Ui>();
        ui->nav("cmdOhm");
    }
    QStringList ohmTexts() const {
        QStringList t;
        for (const char* n : kOhm) t << ui->text(n);
        return t;
    }

private Q_SLOTS:
    void init() { open(); }
    void cleanup() { ui.reset(); }

    void roadOfOneEvaluation() {
        QCOMPARE(ui->focusName(), QString("Ohm_0"));
        ui->type("100");
        ui->enter();
        QCOMPARE(ui->lamp("sOhm_0"), kRed);
        QVERIFY(ui->state().EntryConfirmed[0]);
        QCOMPARE(ui->state().ConfirmedCount, 1);
        QCOMPARE(ui->focusName(), QString("Ohm_1"));
        ui->type("12");
        ui->enter();
        QCOMPARE(ui->state().ConfirmedCount, 2);
        ui->type("7"); // the limit is reached: discarded
        QCOMPARE(ui->text("Ohm_2"), QString());
        QVERIFY(!ui->get("imgLamp_1")->isVisible());
        ui->click("Ohm_1");
        ui->f12();
        QCOMPARE(ohmTexts(), QStringList({"100", "12", "1.44", "0.12"}));
        QCOMPARE(ui->lamp("sOhm_2"), kGreen);
        QCOMPARE(ui->lamp("sOhm_3"), kGreen);
        QCOMPARE(ui->lamp("sOhm_0"), kRed);
        QVERIFY(ui->get("imgLamp_1")->isVisible());
        for (int i = 0; i < 4; ++i) QCOMPARE(ui->state().EntryHistory[i], ohmTexts()[i]);
        ui->backspace();
        QCOMPARE(ui->caption("lblOhm_0"), QString("100"));
        QCOMPARE(ui->caption("lblOhm_1"), QString("12"));
        QCOMPARE(ui->caption("lblOhm_2"), QString("1.44"));
        QCOMPARE(ui->caption("lblOhm_3"), QString("0.12"));
        QCOMPARE(ohmTexts(), QStringList({"100", "1", "", ""}));
        QCOMPARE(ui->lamp("sOhm_1"), kGrey);
        QCOMPARE(ui->lamp("sOhm_2"), kGrey);
        QCOMPARE(ui->state().ConfirmedCount, 1);
    }

    void pairs_data() {
        QTest::addColumn<int>("a");
        QTest::addColumn<QString>("va");
        QTest::addColumn<int>("b");
        QTest::addColumn<QString>("vb");
        QTest::addColumn<QStringList>("result");
        QTest::newRow("R U") << 0 << "100" << 1 << "12" << QStringList{"100", "12", "1.44", "0.12"};
        QTest::newRow("R P") << 0 << "1000" << 2 << "0.25" << QStringList{"1000", "15.811388", "0.25", "0.015811"};
        QTest::newRow("R I") << 0 << "470" << 3 << "0.02" << QStringList{"470", "9.4", "0.188", "0.02"};
        QTest::newRow("U I") << 1 << "5" << 3 << "0.015" << QStringList{"333.333333", "5", "0.075", "0.015"};
        QTest::newRow("P I") << 2 << "2" << 3 << "0.1" << QStringList{"200", "20", "2", "0.1"};
        QTest::newRow("R 0") << 0 << "0" << 1 << "5" << QStringList{"0", "5", "0", "0"};
        QTest::newRow("U P keeps both") << 1 << "12" << 2 << "1.44" << QStringList{"100", "12", "1.44", "0.12"};
        QTest::newRow("comma typed") << 0 << "1,5" << 1 << "3" << QStringList{"1.5", "3", "6", "2"};
    }
    void pairs() {
        QFETCH(int, a);
        QFETCH(QString, va);
        QFETCH(int, b);
        QFETCH(QString, vb);
        QFETCH(QStringList, result);
        ui->confirm(kOhm[a], va);
        ui->confirm(kOhm[b], vb);
        ui->click("cmdEval_0");
        QCOMPARE(ohmTexts(), result);
        for (int i = 0; i < 4; ++i) QCOMPARE(ui->lamp(QString("sOhm_%1").arg(i)), (i == a || i == b) ? kRed : kGreen);
    }

    void resultsUsePointInCommaLocale() {
        QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden));
        ui->confirm("Ohm_0", "100");
        ui->confirm("Ohm_1", "12");
        ui->f12();
        QLocale::setDefault(QLocale::c());
        QCOMPARE(ui->text("Ohm_3"), QString("0.12"));
    }

    void keyFilter_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        // clang-format off
        QTest::newRow("comma") << "2,5" << "2.5";
        QTest::newRow("letters, minus, blank") << "a- x1" << "1";
        QTest::newRow("point") << "1.2.3" << "1.2.3";
        // clang-format on
    }
    void keyFilter() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        ui->click("Ohm_1");
        ui->type(typed);
        QCOMPARE(ui->text("Ohm_1"), shown);
    }

    void ctrlKeysTypeNothingButSelectAllWorks() {
        ui->type("42");
        ui->key(Qt::Key_H, Qt::ControlModifier); // a control character, not a Backspace
        ui->key(Qt::Key_V, Qt::AltModifier);
        QCOMPARE(ui->text("Ohm_0"), QString("42"));
        ui->key(Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(ui->field("Ohm_0")->selectedText(), QString("42"));
    }

    void pasteGoesThroughTheKeyRule() {
        QApplication::clipboard()->setText("1,5a-2\n");
        ui->key(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(ui->text("Ohm_0"), QString("1.52"));
        QCOMPARE(ui->state().ConfirmedCount, 0);
    }

    void focusMoves() {
        ui->confirm("Ohm_3", "1");
        QCOMPARE(ui->focusName(), QString("Ohm_0"));
        ui->click("Ohm_2");
        ui->enter(); // empty: nothing
        QCOMPARE(ui->focusName(), QString("Ohm_2"));
        QCOMPARE(ui->lamp("sOhm_2"), kGrey);
        ui->confirm("Ohm_1", "5");
        QCOMPARE(ui->focusName(), QString("Ohm_2"));
    }

    void focusColours() {
        QCOMPARE(ui->field("Ohm_0")->background(), QColor(0, 222, 219));
        QCOMPARE(ui->field("Ohm_1")->background(), QColor(0, 192, 192));
        ui->enter(); // empty field: the focus stays
        ui->type("1");
        ui->enter();
        QCOMPARE(ui->field("Ohm_0")->background(), QColor(0, 192, 192));
        QCOMPARE(ui->field("Ohm_1")->background(), QColor(0, 222, 219));
    }

    void limitDiscardsEvenBackspaceInOpenField() {
        ui->confirm("Ohm_0", "10");
        ui->confirm("Ohm_1", "20");
        ui->click("Ohm_2");
        ui->field("Ohm_2")->setText("33"); // as left by an earlier evaluation
        ui->type("4");
        ui->backspace();
        QCOMPARE(ui->text("Ohm_2"), QString("33"));
        ui->click("Ohm_1");
        ui->field("Ohm_1")->end(false);
        ui->backspace();
        QCOMPARE(ui->text("Ohm_1"), QString("2"));
        QCOMPARE(ui->lamp("sOhm_1"), kGrey);
        QCOMPARE(ui->state().ConfirmedCount, 1);
        QCOMPARE(ui->caption("lblOhm_0"), QString()); // no evaluation yet: empty history
    }

    void withdrawingAfterEvaluation_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QStringList>("lamps");
        QTest::newRow("Backspace blanks the results")
            << int(Qt::Key_Backspace) << QStringList{"100", "1", "", ""} << QStringList{"red", "grey", "grey", "grey"};
        QTest::newRow("Esc empties the field only") << int(Qt::Key_Escape) << QStringList{"100", "", "1.44", "0.12"}
                                                    << QStringList{"red", "grey", "green", "green"};
        QTest::newRow("Delete greys, keeps texts") << int(Qt::Key_Delete) << QStringList{"100", "12", "1.44", "0.12"}
                                                   << QStringList{"red", "grey", "grey", "grey"};
    }
    void withdrawingAfterEvaluation() {
        QFETCH(int, key);
        QFETCH(QStringList, texts);
        QFETCH(QStringList, lamps);
        ui->confirm("Ohm_0", "100");
        ui->confirm("Ohm_1", "12");
        ui->f12();
        ui->click("Ohm_1");
        ui->field("Ohm_1")->end(false);
        ui->key(Qt::Key(key));
        QCOMPARE(ohmTexts(), texts);
        const QMap<QString, QColor> colour{{"red", kRed}, {"grey", kGrey}, {"green", kGreen}};
        for (int i = 0; i < 4; ++i) QCOMPARE(ui->lamp(QString("sOhm_%1").arg(i)), colour[lamps[i]]);
        QCOMPARE(ui->caption("lblOhm_3"), QString("0.12"));
        QCOMPARE(ui->state().ConfirmedCount, 1);
        QVERIFY(!ui->state().EntryConfirmed[1]);
    }

    void enterTwiceCountsOnce() {
        ui->confirm("Ohm_0", "5");
        ui->click("Ohm_0");
        ui->enter();
        QCOMPARE(ui->state().ConfirmedCount, 1);
        ui->confirm("Ohm_3", "2");
        QCOMPARE(ui->state().ConfirmedCount, 2);
        ui->f12();
        QCOMPARE(ui->text("Ohm_1"), QString("10"));
    }

    void digitInConfirmedFieldKeepsConfirmation() {
        ui->confirm("Ohm_0", "10");
        ui->click("Ohm_0");
        ui->type("0");
        QCOMPARE(ui->text("Ohm_0"), QString("100"));
        QCOMPARE(ui->lamp("sOhm_0"), kRed);
        ui->confirm("Ohm_1", "12");
        ui->f12();
        QCOMPARE(ui->text("Ohm_3"), QString("0.12"));
    }

    void oneConfirmedFieldEvaluatesNothing() {
        ui->confirm("Ohm_0", "100");
        ui->click("Ohm_1");
        ui->type("12");
        ui->f12();
        ui->click("cmdEval_0");
        QCOMPARE(ohmTexts(), QStringList({"100", "12", "", ""}));
        QVERIFY(!ui->get("imgLamp_1")->isVisible());
        QCOMPARE(ui->state().EntryHistory[0], QString());
    }

    void f12InAnyFieldEvaluates() {
        ui->confirm("Ohm_2", "2");
        ui->confirm("Ohm_3", "0.1");
        ui->click("Ohm_1");
        ui->f12();
        QCOMPARE(ui->text("Ohm_0"), QString("200"));
    }

    void newClearsAndResetsBands() {
        ui->confirm("Ohm_0", "100");
        ui->confirm("Ohm_1", "12");
        ui->f12();
        ui->click("lCol_1");
        ui->click("lCol_0");
        ui->click("lCol_2");
        ui->selectTab("TabOhm", 1);
        ui->click("cmdNew_0");
        QCOMPARE(ohmTexts(), QStringList({"", "", "", ""}));
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(ui->lamp(QString("sOhm_%1").arg(i)), kGrey);
            QCOMPARE(ui->caption(QString("lblOhm_%1").arg(i)), QString());
            QCOMPARE(ui->state().EntryHistory[i], QString());
        }
        QCOMPARE(ui->lamp("rCol_0"), QColor(255, 255, 0));
        QCOMPARE(ui->lamp("rCol_1"), QColor(128, 0, 128));
        QCOMPARE(ui->lamp("rCol_2"), QColor(255, 0, 0));
        QCOMPARE(ui->lamp("rCol_3"), QColor(224, 224, 224));
        QVERIFY(ui->get("imgLamp_1")->isHidden());
        QCOMPARE(ui->state().ConfirmedCount, 0);
    }

    void exitKeepsHistoryAndReturnsToStart() {
        ui->confirm("Ohm_0", "100");
        ui->confirm("Ohm_1", "12");
        ui->f12();
        ui->click("lCol_4"); // a value half built
        ui->click("cmdExit_0");
        QVERIFY(!ui->get("pan_2")->isVisible());
        QVERIFY(ui->get("pan_1")->isVisible());
        QCOMPARE(ohmTexts(), QStringList({"", "", "", ""}));
        QCOMPARE(ui->state().EntryHistory[2], QString("1.44"));
        QCOMPARE(ui->lamp("sOhm_0"), kGrey);
        QCOMPARE(ui->lamp("rCol_0"), QColor(255, 255, 0));
        ui->nav("cmdOhm");
        ui->click("lCol_2"); // the counter was reset: this is a first digit again
        ui->click("lCol_2");
        ui->click("lCol_1");
        QCOMPARE(ui->text("Ohm_0"), QString("220"));
    }

    void colourCode_data() {
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<QString>("value");
        QTest::newRow("yellow violet red") << QList<int>{4, 7, 2} << "4700";
        QTest::newRow("brown black orange") << QList<int>{1, 0, 3} << "10000";
        QTest::newRow("red red black") << QList<int>{2, 2, 0} << "22";
        QTest::newRow("black red red") << QList<int>{0, 2, 2} << "200";
        QTest::newRow("white white white") << QList<int>{9, 9, 9} << "99000000000";
        QTest::newRow("two values") << QList<int>{1, 0, 0, 4, 7, 1} << "470";
    }
    void colourCode() {
        QFETCH(QList<int>, clicks);
        QFETCH(QString, value);
        for (int d : clicks) ui->click(QString("lCol_%1").arg(d));
        QCOMPARE(ui->text("Ohm_0"), value);
        QCOMPARE(ui->focusName(), QString("Ohm_0"));
        const QColor band2 = ui->get<QLabel>(QString("lCol_%1").arg(clicks.last()))->palette().color(QPalette::Window);
        QCOMPARE(ui->lamp("rCol_2"), band2);
        QCOMPARE(ui->lamp("sOhm_0"), kGrey); // the code confirms nothing
    }

    void colourCodeFromTheKeyboard() {
        ui->get("lCol_4")->setFocus();
        ui->key(Qt::Key_Space);
        ui->key(Qt::Key_Tab); // on to violet
        ui->key(Qt::Key_Tab);
        ui->key(Qt::Key_Tab);
        QCOMPARE(ui->focusName(), QString("lCol_7"));
        ui->key(Qt::Key_Return);
        ui->key(Qt::Key_Backtab);
        ui->key(Qt::Key_Backtab);
        ui->key(Qt::Key_Backtab);
        ui->key(Qt::Key_Backtab);
        ui->key(Qt::Key_Backtab);
        ui->key(Qt::Key_Space); // red
        QCOMPARE(ui->text("Ohm_0"), QString("4700"));
        QCOMPARE(ui->focusName(), QString("Ohm_0"));
        QCOMPARE(ui->get("lCol_7")->accessibleName(), QString("Färg 7 violett"));
    }

    void colourCodeBlackBands() {
        ui->click("lCol_0");
        QCOMPARE(ui->text("Ohm_0"), QString());
        QCOMPARE(ui->lamp("rCol_0"), QColor(255, 255, 0));
        ui->click("lCol_5");
        QCOMPARE(ui->lamp("rCol_1"), QColor(0, 255, 0));
        ui->click("lCol_0");
        QCOMPARE(ui->text("Ohm_0"), QString("5"));
        QCOMPARE(ui->lamp("rCol_2"), QColor(0, 0, 0));
    }

    void colourCodeKeepsTypedDigitsAndWorksFromLedTab() {
        ui->click("lCol_3");
        ui->click("Ohm_0");
        ui->type("3");
        ui->selectTab("TabOhm", 1);
        ui->click("lCol_9");
        ui->click("lCol_1");
        QCOMPARE(ui->text("Ohm_0"), QString("3390"));
        QCOMPARE(ui->focusName(), QString("Ohm_0"));
        QCOMPARE(ui->lamp("rCol_1"), QColor(255, 255, 255));
        QCOMPARE(ui->get<QLabel>("lCol_3")->toolTip(), QString("Klicka på färg "));
    }

    void led_data() {
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QString>("result");
        QTest::newRow("start values") << QStringList{"5", "2", "8", "1"} << "375";
        QTest::newRow("12 V") << QStringList{"12", "2", "15", "1"} << "667";
        QTest::newRow("3.6 V") << QStringList{"5", "3.6", "25", "1"} << "56";
        QTest::newRow("three in series") << QStringList{"9", "2", "15", "3"} << "200";
        QTest::newRow("six white") << QStringList{"24", "3.2", "20", "6"} << "240";
        QTest::newRow("negative") << QStringList{"5", "2", "15", "3"} << "-67";
        QTest::newRow("count cut down") << QStringList{"9", "2", "15", "3.9"} << "200";
        QTest::newRow("no current") << QStringList{"12", "2", "0", "1"} << "375";
        QTest::newRow("no count") << QStringList{"12", "2", "15", ""} << "375";
    }
    void led() {
        QFETCH(QStringList, inputs);
        QFETCH(QString, result);
        ui->selectTab("TabOhm", 1);
        QCOMPARE(ui->focusName(), QString("txtLed_0"));
        for (int i = 0; i < 4; ++i) {
            ui->key(Qt::Key_A, Qt::ControlModifier);
            ui->key(Qt::Key_Delete);
            ui->type(inputs[i]);
            ui->enter(); // moves on, computes nothing
            QCOMPARE(ui->focusName(), QString("txtLed_%1").arg(i + 1));
            QCOMPARE(ui->text("txtLed_4"), QString("375"));
        }
        ui->enter(); // Enter in the result field computes
        QCOMPARE(ui->text("txtLed_4"), result);
    }

    void ledKeysAndRakna() {
        ui->confirm("Ohm_0", "100");
        ui->selectTab("TabOhm", 1);
        ui->type("1,2");
        ui->esc();
        ui->type("x");
        QCOMPARE(ui->text("txtLed_0"), QString("51.2"));
        QCOMPARE(ui->field("txtLed_0")->background(), QColor(192, 255, 255));
        QCOMPARE(ui->field("txtLed_1")->background(), QColor(239, 239, 222));
        ui->f12(); // nothing here
        QCOMPARE(ui->text("txtLed_4"), QString("375"));
        ui->click("cmdEval_0"); // runs only the LED calculation
        QCOMPARE(ui->text("txtLed_4"), QString("6150"));
        QCOMPARE(ui->text("Ohm_2"), QString());
        QVERIFY(!ui->get("imgLamp_1")->isVisible());
        QCOMPARE(ui->state().EntryHistory[0], QString());
        // Back on the Ohm tab the confirmation is still there.
        ui->selectTab("TabOhm", 0);
        QCOMPARE(ui->focusName(), QString("Ohm_0"));
        ui->confirm("Ohm_1", "12");
        ui->f12();
        QCOMPARE(ui->text("Ohm_3"), QString("0.12"));
    }

    void ledHelpText() {
        auto* text1 = ui->get<QPlainTextEdit>("Text1");
        QVERIFY(text1->isReadOnly());
        const QStringList lines = text1->toPlainText().split('\n');
        QCOMPARE(lines.first(), QString("När du trycker <Enter> i Ohmrutan sker uträkning"));
        QCOMPARE(lines[3], QString());
        QCOMPARE(lines[8], QString("(12  -  2)  /  0,015 = 666 ohm = 680 ohm  (E12)"));
        QCOMPARE(lines[20], QString("( 9 - 6 ) / 0,015 =  200 ohm   =  220 ohm (E12)"));
        QCOMPARE(ui->caption("Label4"),
                 QString("Drivspänning      Vf           Max   mA    Antal i ser.   Ohm i serie"));
    }
};

AMPERO_UI_TEST_MAIN(OhmPageTest)
#include "test_ohmpage.moc"
