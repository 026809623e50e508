// The standard values under the pages: one row per kind of result, and the
// line leaving with its result.
#include "core/eseries.h"
#include "uitest.h"

using namespace uitest;

class StandardTest : public QObject {
    Q_OBJECT
    // Confirms field=value pairs, "Tab:<tabs>:<i>" brings up a tab, "F12" and
    // "click:<name>" as they say.
    static void run(Ui& ui, const QStringList& steps) {
        for (const QString& s : steps) {
            if (s == "F12") ui.key(Qt::Key_F12);
            else if (s.startsWith("Tab:")) ui.selectTab(s.section(':', 1, 1), s.section(':', 2).toInt());
            else if (s.startsWith("click:")) ui.click(s.mid(6));
            else if (s.startsWith("type:")) ui.click(s.section(':', 1, 1)), ui.type(s.section(':', 2));
            else ui.confirm(s.section('=', 0, 0), s.section('=', 1));
        }
    }

private Q_SLOTS:
    void line_data() {
        QTest::addColumn<QString>("nav");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("expected"); // the line, "." for the locale's separator
        // clang-format off
        QTest::newRow("LED resistor with its power") << "cmdOhm" << QStringList{"Tab:TabOhm:1", "type:txtLed_0:\b12", "type:txtLed_2:\b15", "click:cmdEval_0"} << "Närmast i standardserierna för 667 Ω:  E12 680 Ω (+1.9 %)  ·  E24 680 Ω (+1.9 %)  ·  E96 665 Ω (−0.3 %)  ·  Effekt 0.15 W – välj minst 0.5 W";
        QTest::newRow("RC capacitance") << "cmdRC" << QStringList{"RC_0=1592", "RC_2=1000", "F12"} << "Närmast i standardserierna för 99.972 nF:  E6 100 nF (+0.0 %)  ·  E12 100 nF (+0.0 %)  ·  E24 100 nF (+0.0 %)";
        QTest::newRow("Ohm's law resistance") << "cmdOhm" << QStringList{"Ohm_1=10", "Ohm_3=0.015", "F12"} << "R";
        QTest::newRow("NE 555 in kilo-ohms") << "cmdRC" << QStringList{"Tab:TabRC:1", "RC555_0=10", "RC555_2=100", "RC555_3=1000", "F12"} << "K";
        QTest::newRow("series list, user's unit") << "cmdKond" << QStringList{"Tab:TabCap:1", "type:txtSerie_0:22", "type:txtSerie_1:48", "click:cmdSerieCap"} << "X";
        QTest::newRow("a frequency shows nothing") << "cmdRC" << QStringList{"RC_0=1592", "RC_1=100", "F12"} << "";
        QTest::newRow("a zero resistance shows nothing") << "cmdOhm" << QStringList{"Ohm_1=0", "Ohm_3=1", "F12"} << "";
        // clang-format on
    }
    void line() {
        QFETCH(QString, nav); QFETCH(QStringList, steps); QFETCH(QString, expected);
        Ui ui;
        ui.click(nav);
        run(ui, steps);
        auto* line = ui.get<QLabel>("lblStandard");
        QCOMPARE(line->isVisible(), !expected.isEmpty());
        if (expected.size() != 1) {
            QCOMPARE(line->text(), expected.replace('.', QLocale().decimalPoint()));
            return;
        }
        // Which field and unit: the line speaks of the field's own text.
        const QString field = expected == "R" ? "Ohm_0" : expected == "K" ? "RC555_1" : "txtSerie_8";
        const auto q = expected == "R" ? ampero::Quantity::Resistance
                       : expected == "K" ? ampero::Quantity::ResistanceKilo : ampero::Quantity::Plain;
        QCOMPARE(line->text(), QString::fromStdString(ampero::StandardValuesLine(ui.text(field).toStdString(), q,
                                                                    QLocale().decimalPoint().at(0).toLatin1())));
        QVERIFY(!line->text().isEmpty());
        QCOMPARE(line->accessibleName(), QString("Standardvärden"));
        QCOMPARE(line->focusPolicy(), Qt::NoFocus);
    }
    void lineLeavesWithItsResult_data() {
        QTest::addColumn<QStringList>("then");
        // clang-format off
        QTest::newRow("New") << QStringList{"click:cmdNew_4"};
        QTest::newRow("Exit") << QStringList{"click:cmdExit_4"};
        QTest::newRow("tab change") << QStringList{"Tab:TabRC:2"};
        QTest::newRow("navigation") << QStringList{"click:cmdOhm"};
        QTest::newRow("result typed over") << QStringList{"type:RC_0:\b", "type:RC_1:5"};
        // clang-format on
    }
    void lineLeavesWithItsResult() {
        QFETCH(QStringList, then);
        Ui ui;
        ui.click("cmdRC");
        run(ui, {"RC_0=1592", "RC_2=1000", "F12"});
        QVERIFY(ui.get("lblStandard")->isVisible());
        run(ui, then);
        QVERIFY(!ui.get("lblStandard")->isVisible());
        QVERIFY(ui.get<QLabel>("lblStandard")->text().isEmpty());
    }
};

AMPERO_UI_TEST_MAIN(StandardTest)
#include "test_standard.moc"
