// The window around the pages: its size and place, the navigation with its
// access keys and tab captions, the menus and the help document (a name for
// a screen reader on every control: test_language).
#include "uitest.h"

using namespace uitest;

static void ClickMenu(Ui& ui, const char* action) {
    QTest::mouseClick(ui.w->menuBar(), Qt::LeftButton, {}, ui.w->menuBar()->actionGeometry(ui.w->findChild<QAction*>(action)).center());
}

class ShellTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void window() {
        Ui ui;
        QCOMPARE(ui.w->windowTitle(), QString(" Ampero"));
        QCOMPARE(ui.w->centralWidget()->size(), QSize(788, 495)); // 11820 x 7425 twips
        QVERIFY(ui.get("pan_1")->isVisible() && ui.shownPages() == 0);
        ui.w->PlaceOnScreen();
        const QRect screen = ui.w->screen()->geometry(), frame = ui.w->frameGeometry();
        QVERIFY(screen.contains(frame) && std::abs(frame.left() + frame.right() - screen.left() - screen.right()) <= 1);
        QVERIFY(std::abs(frame.top() + frame.bottom() - screen.top() - screen.bottom()) <= 1);
    }

    // Each button, by click and by its access key, from another page on its
    // second tab with a value confirmed: its page alone, the focus in its
    // first field, nothing confirmed.
    void navigation_data() {
        // accessKey 0: none
        Columns<QString, QString, int, int, QStringList>("button", "caption", "pan", "accessKey", "tabs");
        QTest::newRow("Ohm: s Lag") << "cmdOhm" << "&Ohm: s Lag" << 2 << int(Qt::Key_O) << QStringList{"Ohm : s Lag", "LED beräkningar", "Info"};
        QTest::newRow("R C Nät") << "cmdRC" << "R C  Nät" << 6 << 0 << QStringList{"Astabil vippa", "NE 555", "tH och tL", "Info"};
        QTest::newRow("Kondensator") << "cmdKond" << "&Kondensator" << 4 << int(Qt::Key_K) << QStringList{"Kondensator XC", "Seriekoppling", "Info"};
        QTest::newRow("Spolar") << "cmdIndukt" << "&Spolar" << 3 << int(Qt::Key_S) << QStringList{"Spolar XL", " Tillverka Spolar", "Info"};
        QTest::newRow("Resonans") << "cmdReso" << "&Resonans" << 5 << int(Qt::Key_R) << QStringList{"Resonans Fq", "Icke Resonans", "Info"};
        QTest::newRow("Verktyg") << "cmdVerktyg" << "&Verktyg" << 7 << int(Qt::Key_V) << QStringList{"Spänningsdelare", "Kombination", "Märkning", "Info"};
    }
    void navigation() {
        QFETCH(QString, button); QFETCH(QString, caption); QFETCH(int, pan); QFETCH(int, accessKey); QFETCH(QStringList, tabs);
        Ui ui;
        QCOMPARE(ui.get<QPushButton>(button)->text(), caption);
        for (int i = 0; i <= tabs.size(); ++i) QCOMPARE(ui.w->MakePage(pan)->tabs()->tabText(i), tabs.value(i)); // and none after the last
        for (bool byKey : {false, true}) {
            if (byKey && !accessKey) break;
            ui.click(pan == 6 ? "cmdOhm" : "cmdRC");
            ui.w->page(pan)->tabs()->setCurrentIndex(1);
            ui.run({ui.focusName() + "=1"});
            byKey ? QTest::keyClick(ui.w.get(), Qt::Key(accessKey), Qt::AltModifier) : ui.click(button);
            QTRY_VERIFY(ui.w->page(pan)->isVisible());
            QCOMPARE(ui.shownPages(), 1);
            QTRY_VERIFY(ui.focus() == ui.w->page(pan)->calculators().front().fields.front());
            QCOMPARE(ui.state().ConfirmedCount(), 0);
        }
    }

    // An access key pressed just before a click on another page acts on its own
    // page at once or not at all: 250 ms later (a delayed click takes 100) the
    // focus is in view, the hidden pages' fields are as they were, and digits
    // typed then land in view.
    void lateAccessKey_data() {
        Columns<QStringList, int, QString>("steps", "key", "then");
        QTest::newRow("Ny on Ohm, then R C Nät") << QStringList{"click:cmdOhm", "click:Ohm_1"} << int(Qt::Key_N) << "cmdRC";
        QTest::newRow("Parallell on the impedance, then Ohm") << QStringList{"click:cmdReso", "Tab:TabRes:1"} << int(Qt::Key_P) << "cmdOhm";
        QTest::newRow("AL on the winding, then Ohm") << QStringList{"click:cmdIndukt", "Tab:TabCoil:1"} << int(Qt::Key_L) << "cmdOhm";
        QTest::newRow("Ny on the capacitor, then Spolar") << QStringList{"click:cmdKond"} << int(Qt::Key_N) << "cmdIndukt";
        QTest::newRow("Ny on Ohm, then its Exit") << QStringList{"click:cmdOhm", "click:Ohm_1"} << int(Qt::Key_N) << "cmdExit_0";
    }
    void lateAccessKey() {
        QFETCH(QStringList, steps); QFETCH(int, key); QFETCH(QString, then);
        Ui ui;
        ui.run(steps);
        QTest::keyClick(ui.focus(), Qt::Key(key), Qt::AltModifier);
        ui.click(then);
        QTest::qWait(250);
        QVERIFY2(!ui.focus() || ui.focus()->isVisible(), qPrintable(ui.focusName()));
        QMap<QString, QString> hidden;
        for (EntryField* f : ui.w->findChildren<EntryField*>()) if (!f->isVisible()) hidden[f->objectName()] = f->text();
        ui.type("47"), ui.enter();
        for (auto [name, text] : hidden.asKeyValueRange()) QCOMPARE(ui.text(name), text);
        QSet<Lamp*> red; // lamps two calculators share count once
        for (ampero::ui::Page* page : ui.pages())
            for (const ampero::ui::Calculator& c : page->calculators())
                for (Lamp* l : c.lamps) if (l->isVisible() && l->color() == kRed) red << l;
        QCOMPARE(ui.state().ConfirmedCount(), int(red.size()));
    }

    void menusAndHelp() {
        Ui ui;
        QTemporaryDir dir;
        ui.w->setHelpFile(dir.filePath("Info.html"));
        ClickMenu(ui, "mnuInfo"); // no document: the message, and the window goes on
        QTRY_COMPARE(ui.messages, QStringList{"Hittade inte WinHlp32.exe\r\nLäs bifogad Info.rtf"});
        QFile html(dir.filePath("Info.html"));
        QVERIFY(html.open(QIODevice::WriteOnly) && html.write("<html><body><p>U = R · I</p></body></html>") > 0 && html.flush());
        ClickMenu(ui, "mnuInfo");
        auto* help = ui.w->findChild<QWidget*>("HelpWindow");
        QVERIFY(help && help->isVisible() && !help->isModal());
        QVERIFY(help->findChild<QTextBrowser*>("HelpText")->toPlainText().contains("U = R · I"));
        QFile en(dir.filePath("Info.en.html")); // in English the English one beside it, at once
        QVERIFY(en.open(QIODevice::WriteOnly) && en.write("<p>In English</p>") > 0 && en.flush());
        ui.get<QAction>("mnuSprak_1")->trigger();
        QCOMPARE(help->findChild<QTextBrowser*>("HelpText")->toPlainText(), QString("In English"));
        ClickMenu(ui, "mnuOm");
        QTRY_COMPARE(ui.messages.size(), 2);
        QCOMPARE(ui.messages.last(), QString("Ampero"));
        help->close();
        QApplication::setActiveWindow(ui.w.get());
        QTest::keyClick(ui.w.get(), Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!ui.w->isVisible());
        // The document is found beside the program, else in the installed tree.
        const QString bin = dir.filePath("Mina \"bästa\" program/bin");
        QVERIFY(QDir().mkpath(bin) && QDir().mkpath(bin + "/../share/ampero"));
        for (const QString& at : {bin + "/../share/ampero/Info.html", bin + "/Info.html"}) {
            QVERIFY(QFile(at).open(QIODevice::WriteOnly));
            QCOMPARE(QFileInfo(MainWindow::LocateHelpFile(bin)).canonicalFilePath(), QFileInfo(at).canonicalFilePath());
        }
    }

};

AMPERO_UI_TEST_MAIN(ShellTest)
#include "test_shell.moc"
