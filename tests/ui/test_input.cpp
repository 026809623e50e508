// What a user can trust of the input: a paste is one value, a field holds 64
// characters, "Ny" never leaves the focus in a hidden field, results and
// captions show whole, F10 and Ctrl+PageDown reach the menus and tabs.
#include <QAbstractButton>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>

#include "uitest.h"

using namespace uitest;

class InputTest : public QObject {
    Q_OBJECT
    // Pastes through the context menu: its "Klistra in" picked by its key.
    static void contextPaste(QWidget* field) {
        QTimer::singleShot(20, [] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) QTest::keyClick(menu, Qt::Key_I);
        });
        QContextMenuEvent e(QContextMenuEvent::Keyboard, field->rect().center(), field->mapToGlobal(QPoint()));
        QApplication::sendEvent(field, &e);
    }

private Q_SLOTS:
    void paste_data() {
        QTest::addColumn<QString>("nav");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("before"); // typed first; "=" confirms the two fields above
        QTest::addColumn<QString>("clip");
        QTest::addColumn<QString>("after");
        // clang-format off
        QTest::newRow("own result in exponent form") << "cmdOhm" << "Ohm_0" << "" << "1E+16" << "1E+16";
        QTest::newRow("exponent beyond double") << "cmdOhm" << "Ohm_0" << "" << "9E+999" << "9E+999";
        QTest::newRow("tiny exponent") << "cmdOhm" << "Ohm_0" << "" << "1E-400" << "1E-400";
        QTest::newRow("line breaks and blanks trimmed") << "cmdOhm" << "Ohm_0" << "" << " 100\r\n" << "100";
        QTest::newRow("two lines are no number") << "cmdOhm" << "Ohm_0" << "" << "100\r\n12\r\n" << "";
        QTest::newRow("comma as point") << "cmdKond" << "Cap_1" << "" << "4,7" << "4.7";
        QTest::newRow("inserted at the cursor") << "cmdOhm" << "Ohm_0" << "3" << "12" << "312";
        QTest::newRow("exponent after typed digits") << "cmdOhm" << "Ohm_0" << "1" << "e5" << "1e5";
        QTest::newRow("second point refused") << "cmdOhm" << "Ohm_0" << "1.5" << ".5" << "1.5";
        QTest::newRow("letters refused") << "cmdOhm" << "Ohm_0" << "" << "12 V" << "";
        QTest::newRow("minus where not taken") << "cmdOhm" << "Ohm_0" << "" << "-5" << "";
        QTest::newRow("minus where taken") << "cmdReso" << "iRes_3" << "" << "-5" << "-5";
        QTest::newRow("at the confirm limit") << "cmdOhm" << "Ohm_2" << "=" << "5" << "";
        QTest::newRow("64 characters") << "cmdOhm" << "Ohm_0" << "" << QString(64, '7') << QString(64, '7');
        QTest::newRow("65 characters refused whole") << "cmdOhm" << "Ohm_0" << "" << QString(65, '7') << "";
        QTest::newRow("LED field") << "cmdOhm" << "txtLed_1" << "" << "3,6" << "23.6";
        QTest::newRow("series list") << "cmdKond" << "txtSerie_0" << "" << "2.2E3" << "2.2E3";
        // clang-format on
    }
    void paste() {
        QFETCH(QString, nav); QFETCH(QString, field); QFETCH(QString, before); QFETCH(QString, clip);
        QFETCH(QString, after);
        for (const bool menu : {false, true}) {
            Ui ui;
            ui.click(nav);
            if (field.startsWith("txtLed")) ui.selectTab("TabOhm", 1);
            if (field.startsWith("txtSerie")) ui.selectTab("TabCap", 1);
            if (field.startsWith("iRes")) ui.selectTab("TabRes", 1);
            if (before == "=") {
                ui.confirm("Ohm_0", "1");
                ui.confirm("Ohm_1", "2");
            }
            EntryField* f = ui.get<EntryField>(field);
            f->setFocus();
            f->end(false);
            if (before != "=") ui.type(before);
            QApplication::clipboard()->setText(clip);
            if (menu)
                contextPaste(f);
            else
                ui.key(Qt::Key_V, Qt::ControlModifier);
            const QString start = field.startsWith("txtLed") ? "2" : before == "=" ? "" : before;
            QCOMPARE(f->text(), after.isEmpty() ? start : after);
            QCOMPARE(ui.focusName(), field); // never confirms nor moves on
            QCOMPARE(ui.state().ConfirmedCount, before == "=" ? 2 : 0);
        }
    }
    void typedKeysKeepTheirRule() {
        Ui ui;
        ui.click("cmdOhm");
        ui.type("1E+5" + QString(70, '9'));
        QCOMPARE(ui.text("Ohm_0"), "15" + QString(62, '9'));
    }
    void newBringsItsTabUp_data() {
        QTest::addColumn<QString>("nav");
        QTest::addColumn<QString>("tabs");
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("first");
        // clang-format off
        QTest::newRow("Ohm from LED") << "cmdOhm" << "TabOhm" << 1 << "cmdNew_0" << "Ohm_0";
        QTest::newRow("Ohm from Info") << "cmdOhm" << "TabOhm" << 2 << "cmdNew_0" << "Ohm_0";
        QTest::newRow("Cap from series") << "cmdKond" << "TabCap" << 1 << "cmdNew_2" << "Cap_0";
        QTest::newRow("Cap from Info") << "cmdKond" << "TabCap" << 2 << "cmdNew_2" << "Cap_0";
        // clang-format on
    }
    void newBringsItsTabUp() {
        QFETCH(QString, nav); QFETCH(QString, tabs); QFETCH(int, from); QFETCH(QString, button);
        QFETCH(QString, first);
        Ui ui;
        ui.click(nav);
        ui.selectTab(tabs, from);
        ui.click(button);
        QCOMPARE(ui.focusName(), first);
        QVERIFY(ui.get<EntryField>(first)->isVisible());
        ui.type("5");
        ui.enter();
        QCOMPARE(ui.lamp("s" + first), kRed); // the value typed next is the one in view
    }
    void captionsShowWhole_data() {
        QTest::addColumn<QString>("nav");
        QTest::addColumn<QStringList>("keys"); // field=value confirmed; F12; BS:field withdraws
        QTest::addColumn<QString>("label");
        // clang-format off
        QTest::newRow("microfarad 15915494.3 pF") << "cmdKond" << QStringList{"Cap_1=15915494.3"} << "lblcCap";
        QTest::newRow("microfarad 1500.25 pF") << "cmdKond" << QStringList{"Cap_1=1500.25"} << "lblcCap";
        QTest::newRow("resonance capacitor") << "cmdReso" << QStringList{"Res_0=1234567.891"} << "LblcReso";
        QTest::newRow("history of a long result") << "cmdOhm" << QStringList{"Ohm_1=1", "Ohm_3=0.000007", "F12", "BS:Ohm_1"} << "lblOhm_0";
        QTest::newRow("NE 555 high time") << "cmdRC" << QStringList{"RC555_0=3300", "RC555_1=3300", "RC555_2=1234567", "F12"} << "lbl555_4";
        QTest::newRow("NE 555 split") << "cmdRC" << QStringList{"RC555_0=1", "RC555_1=3300", "RC555_3=1", "F12"} << "lbl555_3";
        // clang-format on
    }
    void captionsShowWhole() {
        QFETCH(QString, nav); QFETCH(QStringList, keys); QFETCH(QString, label);
        Ui ui;
        ui.click(nav);
        if (label.startsWith("lbl555")) ui.selectTab("TabRC", 1);
        for (const QString& k : keys) {
            if (k == "F12") ui.key(Qt::Key_F12);
            else if (k.startsWith("BS:")) ui.click(k.mid(3)), ui.key(Qt::Key_Backspace);
            else ui.confirm(k.section('=', 0, 0), k.section('=', 1));
        }
        auto* l = ui.get<ampero::ui::FitLabel>(label);
        QVERIFY2(!l->text().isEmpty(), qPrintable(label));
        QVERIFY2(QFontMetrics(l->shownFont()).horizontalAdvance(l->text()) <= l->contentsRect().width(),
                 qPrintable(l->text()));
        QVERIFY(l->toolTip().isEmpty()); // nothing cut in the middle
    }
    void keysReachMenusAndTabs() {
        Ui ui;
        ui.click("cmdRC");
        ui.get("cmdRC")->setFocus();
        ui.key(Qt::Key_PageDown, Qt::ControlModifier);
        QCOMPARE(ui.get<QTabWidget>("TabRC")->currentIndex(), 1);
        ui.key(Qt::Key_F10);
        QTRY_VERIFY(qobject_cast<QMenu*>(QApplication::activePopupWidget()));
        QCOMPARE(QApplication::activePopupWidget()->objectName(), QString("mnuArkiv"));
        QApplication::activePopupWidget()->close();
    }
};

AMPERO_UI_TEST_MAIN(InputTest)
#include "test_input.moc"
