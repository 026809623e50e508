// Every calculator done with the keyboard alone: access keys to open the
// pages, Tab and Shift+Tab to move, Ctrl+Tab and Ctrl+PageDown between the
// tabs, Enter to confirm, F12 to compute, Space on buttons, check boxes and
// options. No mouse event is sent here.
#include <QCheckBox>
#include <QRadioButton>

#include "uitest.h"

using namespace uitest;

class KeyboardTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Ui> ui;

    // Presses Tab (or Shift+Tab) until `name` has the focus; the number of
    // presses, or -1 when it never comes.
    int tabTo(const QString& name, bool back = false, int most = 40) {
        for (int n = 1; n <= most; ++n) {
            ui->key(back ? Qt::Key_Backtab : Qt::Key_Tab, back ? Qt::ShiftModifier : Qt::NoModifier);
            if (ui->focusName() == name) return n;
        }
        return -1;
    }
    // An access key: the button is pressed as by a short click.
    void alt(Qt::Key k) { ui->key(k, Qt::AltModifier); }
    void typeEnter(const QString& value) {
        ui->type(value);
        ui->enter();
    }
    void nextTab() { ui->key(Qt::Key_Tab, Qt::ControlModifier); }
    void space() { ui->key(Qt::Key_Space); }
    int currentTab(const char* tabs) const { return ui->get<QTabWidget>(tabs)->currentIndex(); }

    // Opens the RC page the way a keyboard user does: its button has no
    // access key, so Tab leads to it from a button that has one.
    void openRC() {
        alt(Qt::Key_O);
        QTRY_COMPARE(ui->focusName(), QString("Ohm_0"));
        QVERIFY(tabTo("cmdOhm") > 0);
        QCOMPARE(tabTo("cmdRC"), 1);
        space();
        QCOMPARE(ui->focusName(), QString("RC_0"));
        QVERIFY(ui->get("pan_6")->isVisible());
    }

private Q_SLOTS:
    void init() { ui = std::make_unique<Ui>(); }
    void cleanup() { ui.reset(); }

    void startsOnANavigationButton() {
        QVERIFY(ui->focus());
        QVERIFY2(ui->focusName().startsWith("cmd"), qPrintable(ui->focusName()));
        // From the start every page button is a Tab away.
        for (const char* b : {"cmdRC", "cmdKond", "cmdIndukt", "cmdReso", "cmdOhm"})
            QVERIFY2(tabTo(b, false, 5) > 0, b);
    }

    void accessKeysOpenThePages_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("first");
        // clang-format off
        QTest::newRow("Alt+O") << int(Qt::Key_O) << "pan_2" << "Ohm_0";
        QTest::newRow("Alt+K") << int(Qt::Key_K) << "pan_4" << "Cap_0";
        QTest::newRow("Alt+S") << int(Qt::Key_S) << "pan_3" << "Ind_0";
        QTest::newRow("Alt+R") << int(Qt::Key_R) << "pan_5" << "Res_0";
        // clang-format on
    }
    void accessKeysOpenThePages() {
        QFETCH(int, key);
        QFETCH(QString, page);
        QFETCH(QString, first);
        alt(Qt::Key(key));
        QTRY_COMPARE(ui->focusName(), first);
        QVERIFY(ui->get(page)->isVisible());
    }

    void ohmsLaw() {
        alt(Qt::Key_O);
        QTRY_COMPARE(ui->focusName(), QString("Ohm_0"));
        typeEnter("100");
        QCOMPARE(ui->focusName(), QString("Ohm_1"));
        typeEnter("12");
        ui->f12();
        QCOMPARE(ui->text("Ohm_2"), QString("1.44"));
        QCOMPARE(ui->text("Ohm_3"), QString("0.12"));
        QCOMPARE(ui->lamp("sOhm_3"), kGreen);
        // Alt+N on the page clears it again.
        alt(Qt::Key_N);
        QTRY_COMPARE(ui->text("Ohm_3"), QString());
        QTRY_COMPARE(ui->focusName(), QString("Ohm_0"));
    }

    void led() {
        alt(Qt::Key_O);
        QTRY_COMPARE(ui->focusName(), QString("Ohm_0"));
        nextTab();
        QCOMPARE(currentTab("TabOhm"), 1);
        QCOMPARE(ui->focusName(), QString("txtLed_0"));
        const QStringList values = {"9", "2", "15", "3"};
        for (int i = 0; i < 4; ++i) {
            ui->key(Qt::Key_A, Qt::ControlModifier); // the start value is replaced
            typeEnter(values[i]);
            QCOMPARE(ui->focusName(), QString("txtLed_%1").arg(i + 1));
        }
        ui->enter();
        QCOMPARE(ui->text("txtLed_4"), QString("200"));
        // Enter in the result leaves the keyboard on the page, on "Räkna".
        QCOMPARE(ui->focusName(), QString("cmdEval_0"));
        ui->key(Qt::Key_PageUp, Qt::ControlModifier);
        QCOMPARE(currentTab("TabOhm"), 0);
        QCOMPARE(ui->focusName(), QString("Ohm_0"));
    }

    void rcNetwork() {
        openRC();
        typeEnter("1000");
        typeEnter("100");
        ui->f12();
        QCOMPARE(ui->text("RC_2"), QString("1592"));
    }

    void astable() {
        openRC();
        QCOMPARE(tabTo("chkAsta"), 3);
        space();
        QVERIFY(ui->get<QCheckBox>("chkAsta")->isChecked());
        QVERIFY(ui->get("imgMultivib")->isVisible());
        QCOMPARE(ui->focusName(), QString("RC_0"));
        typeEnter("1000");
        typeEnter("100");
        ui->f12();
        QCOMPARE(ui->text("RC_2"), QString("7143"));
    }

    void ne555() {
        openRC();
        nextTab();
        QCOMPARE(currentTab("TabRC"), 1);
        QCOMPARE(ui->focusName(), QString("RC555_0"));
        typeEnter("10");
        typeEnter("100");
        typeEnter("10");
        QCOMPARE(ui->focusName(), QString("RC555_3"));
        ui->f12();
        QCOMPARE(ui->text("RC555_3"), QString("686"));
        QCOMPARE(ui->caption("lbl555_4"), QString("762.3us"));
        QCOMPARE(ui->caption("lbl555_5"), QString("693us"));
    }

    void inductiveReactance() {
        alt(Qt::Key_S);
        QTRY_COMPARE(ui->focusName(), QString("Ind_0"));
        typeEnter("1");
        typeEnter("10");
        ui->f12();
        QCOMPARE(ui->text("Ind_2"), QString("62.8"));
    }

    void coilWindingByDimensions() {
        alt(Qt::Key_S);
        QTRY_COMPARE(ui->focusName(), QString("Ind_0"));
        nextTab();
        QCOMPARE(currentTab("TabCoil"), 1);
        QCOMPARE(ui->focusName(), QString("Coil_0"));
        typeEnter("5");
        typeEnter("1");
        QCOMPARE(ui->focusName(), QString("Coil_2"));
        QCOMPARE(tabTo("Coil_3"), 1); // the inductance is left to compute
        typeEnter("50");
        QCOMPARE(ui->focusName(), QString("Coil_0"));
        ui->f12();
        QCOMPARE(ui->text("Coil_2"), QString("4.167"));
    }

    void coilWindingByAL() {
        alt(Qt::Key_S);
        QTRY_COMPARE(ui->focusName(), QString("Ind_0"));
        nextTab();
        QCOMPARE(ui->focusName(), QString("Coil_0"));
        alt(Qt::Key_L);
        QTRY_VERIFY(ui->get<QCheckBox>("chkAL")->isChecked());
        QTRY_COMPARE(ui->focusName(), QString("AL_0"));
        typeEnter("250");
        QCOMPARE(ui->focusName(), QString("chkAL"));
        QCOMPARE(tabTo("Coil_3"), 2);
        typeEnter("20");
        QCOMPARE(ui->focusName(), QString("cmdEval_2"));
        space(); // "Räkna"
        QCOMPARE(ui->text("Coil_2"), QString("100"));
        // Space on the check box goes back to the dimensions.
        QVERIFY(tabTo("chkAL", true) > 0);
        space();
        QVERIFY(!ui->get<QCheckBox>("chkAL")->isChecked());
        QVERIFY(ui->get("Coil_0")->isVisible());
    }

    void capacitiveReactance() {
        alt(Qt::Key_K);
        QTRY_COMPARE(ui->focusName(), QString("Cap_0"));
        typeEnter("1");
        typeEnter("100");
        QCOMPARE(ui->focusName(), QString("Cap_2"));
        QVERIFY(tabTo("cmdEval_1") > 0);
        space();
        QCOMPARE(ui->text("Cap_2"), QString("1591.5"));
    }

    void seriesList() {
        alt(Qt::Key_K);
        QTRY_COMPARE(ui->focusName(), QString("Cap_0"));
        ui->key(Qt::Key_PageDown, Qt::ControlModifier);
        QCOMPARE(currentTab("TabCap"), 1);
        QCOMPARE(ui->focusName(), QString("txtSerie_0"));
        typeEnter("22");
        typeEnter("48");
        QCOMPARE(ui->focusName(), QString("txtSerie_2"));
        ui->f12();
        QCOMPARE(ui->text("txtSerie_8"), QString("15.1"));
        // The list's own "Ny" and "Räkna" are reached by Tab as well.
        QVERIFY(tabTo("cmdSerieNy") > 0);
        space();
        QCOMPARE(ui->text("txtSerie_0"), QString());
        QCOMPARE(ui->text("txtSerie_8"), QString());
    }

    void resonance() {
        alt(Qt::Key_R);
        QTRY_COMPARE(ui->focusName(), QString("Res_0"));
        typeEnter("100");
        QCOMPARE(ui->focusName(), QString("Res_1"));
        QCOMPARE(tabTo("Res_2"), 1);
        typeEnter("100");
        ui->f12();
        QCOMPARE(ui->text("Res_1"), QString("1.591549"));
    }

    void impedance_data() {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<QString>("z");
        // clang-format off
        QTest::newRow("parallel") << "" << "1038.143";
        QTest::newRow("series by arrow") << "arrow" << "963.2";
        QTest::newRow("series by Alt+I") << "alt" << "963.2";
        // clang-format on
    }
    void impedance() {
        QFETCH(QString, choice);
        QFETCH(QString, z);
        alt(Qt::Key_R);
        QTRY_COMPARE(ui->focusName(), QString("Res_0"));
        nextTab();
        QCOMPARE(currentTab("TabRes"), 1);
        QCOMPARE(ui->focusName(), QString("iRes_0"));
        if (choice == "arrow") {
            // Tab stops at the chosen option of the pair; the arrow picks the other.
            QVERIFY(tabTo("optPar") > 0);
            ui->key(Qt::Key_Down);
            QVERIFY(ui->get<QRadioButton>("optSerie")->isChecked());
            QVERIFY(ui->get("imgSerie")->isVisible());
            if (ui->focusName() != "iRes_0") QVERIFY(tabTo("iRes_0") > 0);
        } else if (choice == "alt") {
            alt(Qt::Key_I);
            QTRY_VERIFY(ui->get<QRadioButton>("optSerie")->isChecked());
            QVERIFY(ui->get("imgSerie")->isVisible());
            QTRY_COMPARE(ui->focusName(), QString("iRes_0"));
        }
        typeEnter("100");
        QCOMPARE(ui->focusName(), QString("iRes_1"));
        ui->enter(); // the frequency field holds 1 already
        typeEnter("100");
        QCOMPARE(ui->focusName(), QString("iRes_3"));
        ui->f12();
        QCOMPARE(ui->text("iRes_3"), z);
    }

    // Alt+X leaves the page; the keyboard stays on something in view.
    void exitByAccessKey() {
        alt(Qt::Key_K);
        QTRY_COMPARE(ui->focusName(), QString("Cap_0"));
        alt(Qt::Key_X);
        QTRY_VERIFY(!ui->get("pan_4")->isVisible());
        QVERIFY(ui->focus());
        QVERIFY2(ui->focus()->isVisible(), qPrintable(ui->focusName()));
    }
};

AMPERO_UI_TEST_MAIN(KeyboardTest)
#include "test_keyboard.moc"
