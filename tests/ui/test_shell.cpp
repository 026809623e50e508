// The window around the pages: its size and place, the navigation with its
// access keys, the tab captions, the menus and the help document, and a name
// for a screen reader on every control.
#include <QAccessible>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTextBrowser>

#include "core/placement.h"
#include "uitest.h"

using namespace uitest;

namespace {
int ShownPages(Ui& ui) {
    int n = 0;
    for (int p = 2; p <= 6; ++p) n += ui.w->page(p)->isVisible();
    return n;
}
void ClickMenu(Ui& ui, const char* action) {
    QMenuBar* bar = ui.w->menuBar();
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->actionGeometry(ui.w->findChild<QAction*>(action)).center());
}
} // namespace

class ShellTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void windowAndPlace() {
        Ui ui;
        QCOMPARE(ui.w->windowTitle(), QString(" Ampero"));
        QCOMPARE(ui.w->centralWidget()->size(), QSize(788, 495)); // 11820 x 7425 twips
        for (int p = 2; p <= 6; ++p) QCOMPARE(ui.w->page(p)->geometry(), QRect(202, 66, 500, 399));
        QVERIFY(ui.get("pan_1")->isVisible());
        QCOMPARE(ShownPages(ui), 0);
        ui.w->PlaceOnScreen();
        const QRect screen = ui.w->screen()->geometry(), frame = ui.w->frameGeometry();
        QCOMPARE(frame.x() - screen.x(), int(ampero::CenteredOrigin(screen.width() * 15.0, frame.width() * 15.0) / 15));
        QCOMPARE(frame.y() - screen.y(), int(ampero::CenteredOrigin(screen.height() * 15.0, frame.height() * 15.0) / 15));
    }

    void navigation_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("pan");
        QTest::addColumn<QString>("first");
        QTest::addColumn<int>("accessKey"); // 0: none
        // clang-format off
        QTest::newRow("Ohm: s Lag") << "cmdOhm" << "&Ohm: s Lag" << 98 << 2 << "Ohm_0" << int(Qt::Key_O);
        QTest::newRow("R C Nät") << "cmdRC" << "R C  Nät" << 164 << 6 << "RC_0" << 0;
        QTest::newRow("Kondensator") << "cmdKond" << "&Kondensator" << 230 << 4 << "Cap_0" << int(Qt::Key_K);
        QTest::newRow("Spolar") << "cmdIndukt" << "&Spolar" << 296 << 3 << "Ind_0" << int(Qt::Key_S);
        QTest::newRow("Resonans") << "cmdReso" << "&Resonans" << 362 << 5 << "Res_0" << int(Qt::Key_R);
        // clang-format on
    }
    void navigation() {
        QFETCH(QString, button);
        QFETCH(QString, caption);
        QFETCH(int, top);
        QFETCH(int, pan);
        QFETCH(QString, first);
        QFETCH(int, accessKey);
        Ui ui;
        QCOMPARE(ui.get<QPushButton>(button)->text(), caption);
        QCOMPARE(ui.get(button)->geometry(), QRect(20, top, 112, 29));
        for (bool byKey : {false, true}) {
            if (byKey && !accessKey) break;
            ui.click(pan == 6 ? "cmdOhm" : "cmdRC"); // from another page, on its second tab
            ui.w->page(pan)->tabs()->setCurrentIndex(1);
            ui.confirm(ui.focusName(), "1");
            byKey ? QTest::keyClick(ui.w.get(), Qt::Key(accessKey), Qt::AltModifier) : ui.click(button);
            QTRY_VERIFY(ui.w->page(pan)->isVisible());
            QCOMPARE(ShownPages(ui), 1);
            QTRY_COMPARE(ui.focusName(), first);
            QCOMPARE(ui.state().ConfirmedCount, 0);
        }
    }

    void tabCaptions_data() {
        QTest::addColumn<int>("pan");
        QTest::addColumn<QStringList>("captions");
        // clang-format off
        QTest::newRow("Ohm") << 2 << QStringList{"Ohm : s Lag", "LED beräkningar", "Info"};
        QTest::newRow("RC") << 6 << QStringList{"Astabil vippa", "NE 555", "tH och tL", "Info"};
        QTest::newRow("Coil") << 3 << QStringList{"Spolar XL", " Tillverka Spolar", "Info"};
        QTest::newRow("Res") << 5 << QStringList{"Resonans Fq", "Icke Resonans", "Info"};
        QTest::newRow("Cap") << 4 << QStringList{"Kondensator XC", "Seriekoppling", "Info"};
        // clang-format on
    }
    void tabCaptions() {
        QFETCH(int, pan);
        QFETCH(QStringList, captions);
        Ui ui;
        QStringList shown;
        for (int i = 0; i < ui.w->page(pan)->tabs()->count(); ++i) shown << ui.w->page(pan)->tabs()->tabText(i);
        QCOMPARE(shown, captions);
    }

    void menus() {
        Ui ui;
        QTemporaryDir dir;
        ui.w->setHelpFile(dir.filePath("Info.html"));
        ClickMenu(ui, "mnuInfo"); // no document: the message, and the window goes on
        QTRY_COMPARE(ui.messages, QStringList{"Hittade inte WinHlp32.exe\r\nLäs bifogad Info.rtf"});
        QFile f(dir.filePath("Info.html"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("<html><body><p>U = R · I</p></body></html>");
        f.close();
        ClickMenu(ui, "mnuInfo");
        auto* help = ui.w->findChild<QWidget*>("HelpWindow");
        QVERIFY(help && help->isVisible() && !help->isModal());
        QVERIFY(help->findChild<QTextBrowser*>("HelpText")->toPlainText().contains("U = R · I"));
        ClickMenu(ui, "mnuOm");
        QTRY_COMPARE(ui.messages.size(), 2);
        QCOMPARE(ui.messages.last(), QString("Ampero"));
        help->close();
        QApplication::setActiveWindow(ui.w.get());
        QTest::keyClick(ui.w.get(), Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!ui.w->isVisible());
    }

    // The help document found beside the program, else in the installed tree.
    void helpFileLocation() {
        QTemporaryDir dir;
        const QString bin = dir.filePath("Mina \"bästa\" program/bin");
        QVERIFY(QDir().mkpath(bin) && QDir().mkpath(bin + "/../share/ampero"));
        QFile shared(bin + "/../share/ampero/Info.html");
        QVERIFY(shared.open(QIODevice::WriteOnly));
        shared.close();
        QCOMPARE(QFileInfo(MainWindow::LocateHelpFile(bin)).canonicalFilePath(), QFileInfo(shared).canonicalFilePath());
        QFile beside(bin + "/Info.html");
        QVERIFY(beside.open(QIODevice::WriteOnly));
        beside.close();
        QCOMPARE(QFileInfo(MainWindow::LocateHelpFile(bin)).canonicalFilePath(), QFileInfo(beside).canonicalFilePath());
    }

    void everyControlIsNamed() {
        Ui ui;
        QList<QWidget*> controls;
        for (EntryField* f : ui.w->findChildren<EntryField*>()) controls << f;
        for (QAbstractButton* b : ui.w->findChildren<QAbstractButton*>())
            if (!b->objectName().startsWith("qt_")) controls << b; // Qt's own, outside the window's controls
        QVERIFY(controls.size() > 60);
        for (QWidget* c : controls) {
            QAccessibleInterface* i = QAccessible::queryAccessibleInterface(c);
            QVERIFY2(i && !i->text(QAccessible::Name).trimmed().isEmpty(), qPrintable(c->objectName()));
        }
    }
};

AMPERO_UI_TEST_MAIN(ShellTest)
#include "test_shell.moc"
