// The decimal separator taken from the user's environment at start. The
// window is started as the user would start it (LANG, LC_NUMERIC or LC_ALL
// set before the application exists); ctest runs this program once per
// locale and says in AMPERO_EXPECT_SEPARATOR which separator that locale
// writes. Only the NE 555 times and split and the microfarad print follow
// it; every computed field keeps ".".
#include "uitest.h"

using namespace uitest;

class LocaleTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Ui> ui;
    QString sep;

    QString withSep(QString s) const { return s.replace(QLatin1Char('.'), sep); }

private Q_SLOTS:
    void initTestCase() {
        sep = qEnvironmentVariable("AMPERO_EXPECT_SEPARATOR");
        if (sep.isEmpty()) QSKIP("run by ctest with a locale in the environment (ui_test_locale_*)");
        qInfo("LANG=%s LC_NUMERIC=%s LC_ALL=%s: system locale %s", qgetenv("LANG").constData(),
              qgetenv("LC_NUMERIC").constData(), qgetenv("LC_ALL").constData(), qPrintable(QLocale::system().name()));
    }
    void init() { ui = std::make_unique<Ui>(); }
    void cleanup() { ui.reset(); }

    void ne555TimesAndSplit() {
        ui->nav("cmdRC");
        ui->selectTab("TabRC", 1);
        const char* values[] = {"10", "100", "10"};
        for (int i = 0; i < 3; ++i) ui->confirm(QStringLiteral("RC555_%1").arg(i), values[i]);
        ui->f12();
        QCOMPARE(ui->text("RC555_3"), QString("686"));
        QCOMPARE(ui->caption("lbl555_4"), withSep("762.3us"));
        QCOMPARE(ui->caption("lbl555_5"), QString("693us"));
        QCOMPARE(ui->caption("lbl555_3"), withSep("52.4 / 47.6 %"));
    }

    void ne555ComputedFieldKeepsPoint() {
        ui->nav("cmdRC");
        ui->selectTab("TabRC", 1);
        const char* values[] = {"10", "100", "", "686"};
        for (int i = 0; i < 4; ++i)
            if (*values[i]) ui->confirm(QStringLiteral("RC555_%1").arg(i), values[i]);
        ui->f12();
        QCOMPARE(ui->text("RC555_2"), QString("9.996"));
        QCOMPARE(ui->caption("lbl555_5"), withSep("692.7us"));
    }

    void microfaradPrint() {
        ui->nav("cmdKond");
        ui->click("Cap_1");
        ui->type("1000");
        QCOMPARE(ui->caption("lblcCap"), withSep("0.001"));
    }

    void otherResultsKeepPoint_data() {
        QTest::addColumn<QString>("nav");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("result");
        // clang-format off
        QTest::newRow("Ohm") << "cmdOhm" << QStringList{"Ohm_0=100", "Ohm_1=12"} << "Ohm_2" << "1.44";
        QTest::newRow("RC") << "cmdRC" << QStringList{"RC_0=1000", "RC_2=1592"} << "RC_1" << "99.972";
        QTest::newRow("XC") << "cmdKond" << QStringList{"Cap_0=1", "Cap_1=100"} << "Cap_2" << "1591.5";
        QTest::newRow("XL") << "cmdIndukt" << QStringList{"Ind_0=1", "Ind_1=10"} << "Ind_2" << "62.8";
        QTest::newRow("resonance") << "cmdReso" << QStringList{"Res_0=100", "Res_2=100"} << "Res_1" << "1.591549";
        // clang-format on
    }
    void otherResultsKeepPoint() {
        QFETCH(QString, nav);
        QFETCH(QStringList, entries);
        QFETCH(QString, field);
        QFETCH(QString, result);
        ui->nav(nav);
        for (const QString& e : entries) ui->confirm(e.section('=', 0, 0), e.section('=', 1));
        ui->f12();
        QCOMPARE(ui->text(field), result);
    }
};

AMPERO_UI_TEST_MAIN(LocaleTest)
#include "test_locale.moc"
