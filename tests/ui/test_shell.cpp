// The window as a whole: layout, navigation, tab changes, the page buttons'
// dispatch, menus, help and About.
#include <QDir>
#include <QGroupBox>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTextBrowser>

#include "core/placement.h"
#include "uitest.h"

using namespace uitest;

namespace {
const char* const kPages[] = {"pan_2", "pan_3", "pan_4", "pan_5", "pan_6"};

int VisiblePages(const Ui& ui) {
    int n = 0;
    for (const char* p : kPages) n += ui.get(p)->isVisible() ? 1 : 0;
    return n;
}
} // namespace

class ShellTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void windowAndRegions() {
        Ui ui;
        QCOMPARE(ui.w->objectName(), QString("Main"));
        QCOMPARE(ui.w->windowTitle(), QString(" Ampero"));
        QCOMPARE(ui.w->centralWidget()->size(), QSize(788, 495));
        QCOMPARE(ui.get("pan_0")->geometry(), QRect(202, 6, 500, 49));
        QCOMPARE(ui.get("pan_1")->geometry(), QRect(202, 82, 500, 289));
        for (const char* p : kPages) QCOMPARE(ui.get(p)->geometry(), QRect(202, 66, 500, 399));
        QCOMPARE(ui.get<QGroupBox>("fraLogo")->title(), QString(" I am Your Ampero "));
        QVERIFY(ui.get("pan_1")->isVisible());
        QCOMPARE(VisiblePages(ui), 0);
        for (int i = 1; i <= 6; ++i) QVERIFY(ui.get(QString("imgM%1").arg(i))->isVisible());
        // Icons: the window's, and one on each navigation button.
        QVERIFY(!ui.w->windowIcon().pixmap(32, 32).isNull());
        for (const char* b : {"cmdOhm", "cmdRC", "cmdKond", "cmdIndukt", "cmdReso"})
            QVERIFY2(!ui.get<QPushButton>(b)->icon().pixmap(16, 16).isNull(), b);
    }

    void navigation_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("top");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("firstField");
        // clang-format off
        QTest::newRow("Ohm") << "cmdOhm" << "&Ohm: s Lag" << 98 << "pan_2" << "Ohm_0";
        QTest::newRow("RC") << "cmdRC" << "R C  Nät" << 164 << "pan_6" << "RC_0";
        QTest::newRow("Kondensator") << "cmdKond" << "&Kondensator" << 230 << "pan_4" << "Cap_0";
        QTest::newRow("Spolar") << "cmdIndukt" << "&Spolar" << 296 << "pan_3" << "Ind_0";
        QTest::newRow("Resonans") << "cmdReso" << "&Resonans" << 362 << "pan_5" << "Res_0";
        // clang-format on
    }
    void navigation() {
        QFETCH(QString, button);
        QFETCH(QString, caption);
        QFETCH(int, top);
        QFETCH(QString, page);
        QFETCH(QString, firstField);
        Ui ui;
        auto* b = ui.get<QPushButton>(button);
        QCOMPARE(b->text(), caption);
        QCOMPARE(b->geometry(), QRect(20, top, 112, 29));
        ui.nav("cmdRC"); // from another page first
        ui.state().EntryConfirmed[1] = true;
        ui.state().ConfirmedCount = 1;
        ui.nav(button);
        QVERIFY(ui.get(page)->isVisible());
        QCOMPARE(VisiblePages(ui), 1);
        QCOMPARE(ui.focusName(), firstField);
        QCOMPARE(ui.state().ConfirmedCount, 0);
        QVERIFY(!ui.state().EntryConfirmed[1]);
        QVERIFY(ui.get("pan_0")->isVisible());
    }

    // The first frame shows the start page only; the pages follow it, and a
    // navigation click that comes before them still finds its page.
    void pagesFollowTheFirstFrame() {
        MainWindow w;
        QVERIFY(!w.findChild<QWidget*>("pan_2"));
        QVERIFY(w.findChild<QWidget*>("cmdOhm"));
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTRY_VERIFY(w.findChild<QWidget*>("pan_2"));
        for (const char* p : kPages) QVERIFY(w.findChild<QWidget*>(p));
        QVERIFY(w.findChild<QWidget*>("pan_1")->isVisible());
        for (const char* p : kPages) QVERIFY(!w.findChild<QWidget*>(p)->isVisible());
    }
    void navigationBeforeThePagesAreBuilt() {
        MainWindow w;
        w.show();
        QApplication::setActiveWindow(&w);
        auto* b = w.findChild<QPushButton*>("cmdKond");
        QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier, b->rect().center());
        QVERIFY(w.findChild<QWidget*>("pan_4")->isVisible());
        QCOMPARE(QApplication::focusWidget(), w.findChild<QWidget*>("Cap_0"));
    }
    // The tab order is a ring: the pages' widgets in navigation order, then
    // the navigation buttons, then round again.
    void tabOrderRing() {
        Ui ui;
        QStringList order;
        for (QWidget* f = ui.w->nextInFocusChain(); f != ui.w.get(); f = f->nextInFocusChain())
            if (f->focusPolicy() & Qt::TabFocus) order << f->objectName();
        const QStringList navs = {"cmdOhm", "cmdRC", "cmdKond", "cmdIndukt", "cmdReso"};
        const qsizetype first = order.indexOf("cmdReso") + 1;
        order = order.mid(first) + order.mid(0, first);
        QCOMPARE(order.mid(order.size() - 5), navs);
        const QStringList firsts = {"Ohm_0", "RC_0", "Cap_0", "Ind_0", "Res_0"};
        for (qsizetype i = 1; i < firsts.size(); ++i)
            QVERIFY2(order.indexOf(firsts[i - 1]) < order.indexOf(firsts[i]), qPrintable(firsts[i]));
    }

    void accessKeysNavigate() {
        Ui ui;
        // A button's access key clicks it after its short press animation.
        QTest::keyClick(ui.w.get(), Qt::Key_R, Qt::AltModifier);
        QTRY_VERIFY(ui.get("pan_5")->isVisible());
        QTest::keyClick(ui.w.get(), Qt::Key_O, Qt::AltModifier);
        QTRY_VERIFY(ui.get("pan_2")->isVisible());
        QTRY_COMPARE(ui.focusName(), QString("Ohm_0"));
        QCOMPARE(VisiblePages(ui), 1);
    }

    void tabCaptionsAndFrames_data() {
        QTest::addColumn<QString>("tabs");
        QTest::addColumn<QStringList>("captions");
        QTest::newRow("Ohm") << "TabOhm" << QStringList{"Ohm : s Lag", "LED beräkningar", "Info"};
        QTest::newRow("RC") << "TabRC" << QStringList{"Astabil vippa", "NE 555", "tH och tL", "Info"};
        QTest::newRow("Coil") << "TabCoil" << QStringList{"Spolar XL", " Tillverka Spolar", "Info"};
        QTest::newRow("Res") << "TabRes" << QStringList{"Resonans Fq", "Icke Resonans", "Info"};
        QTest::newRow("Cap") << "TabCap" << QStringList{"Kondensator XC", "Seriekoppling", "Info"};
    }
    void tabCaptionsAndFrames() {
        QFETCH(QString, tabs);
        QFETCH(QStringList, captions);
        Ui ui;
        auto* t = ui.get<QTabWidget>(tabs);
        QStringList shown;
        for (int i = 0; i < t->count(); ++i) shown << t->tabText(i);
        QCOMPARE(shown, captions);
        auto* page = t->parentWidget();
        QCOMPARE(page->findChild<QPushButton*>(QString(), Qt::FindDirectChildrenOnly) != nullptr, true);
        QStringList buttons;
        for (auto* b : page->findChildren<QPushButton*>(QString(), Qt::FindDirectChildrenOnly)) buttons << b->text();
        QVERIFY(buttons.contains("Räkna") && buttons.contains("&Ny") && buttons.contains("E&xit"));
        QCOMPARE(page->findChild<QLabel*>("lblF12")->text(), QString("F 12"));
    }

    void framesAndInfoTexts_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        // clang-format off
        QTest::newRow("fraOhm") << "fraOhm" << "Ohm :s Lag";
        QTest::newRow("fraRC_0") << "fraRC_0" << "Resistans Kapacitans   RC";
        QTest::newRow("fraRC_1") << "fraRC_1" << "Resistans Kapacitans  NE 555 Timer";
        QTest::newRow("fratHtL") << "fratHtL" << "Räkna ut tider Till / Från      tH / tL för NE 555";
        QTest::newRow("fraInd_0") << "fraInd_0" << "Spole";
        QTest::newRow("fraInd_1") << "fraInd_1" << "Tillverka Spole";
        QTest::newRow("fraRes_0") << "fraRes_0" << "Resonans";
        QTest::newRow("fraRes_1") << "fraRes_1" << "  Icke Resonans                         Filterberäkning";
        QTest::newRow("fraCap_0") << "fraCap_0" << "Kondensator";
        QTest::newRow("fraCap_1") << "fraCap_1" << "Seriekoppling ";
        QTest::newRow("FraColCode") << "FraColCode" << "Färgkod";
        QTest::newRow("Label10") << "Label10" << "I Ohm:s Lag kan du klicka på en färgruta för att få ett färgvärde";
        QTest::newRow("Label5") << "Label5" << "Optokopplare till  PC   Lpt lämplig motstånd 330 ohm";
        QTest::newRow("Label9") << "Label9" << "Tillverka Spolar måste ha 3 värde . Diameter och Längd måste vara med";
        // clang-format on
        QTest::newRow("Label7") << "Label7"
                                << "Alla inmatningar du gör skall bekräftas(valideras) med <Enter> . Du får röd lampa."
                                   "            Grön visar svaret.";
        // clang-format off
        QTest::newRow("Ohm hint") << "lblSkriv" << "Skriv in två värde.  Validera med < Enter >  ";
        // clang-format on
    }
    void framesAndInfoTexts() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        Ui ui;
        QObject* o = ui.w->findChild<QObject*>(name);
        QVERIFY2(o, qPrintable(name));
        if (auto* g = qobject_cast<QGroupBox*>(o))
            QCOMPARE(g->title(), text);
        else
            QCOMPARE(qobject_cast<QLabel*>(o)->text(), text);
        QCOMPARE(QString("  Icke Resonans                         Filterberäkning").size(), 55);
    }

    void resonanceInfoLabel() {
        Ui ui;
        const QString t = ui.caption("Label6");
        QVERIFY(t.startsWith("Alla inmatningar du gör skall bekräftas(valideras) med <Enter> . Du får röd lampa."
                             "            Grön visar svaret"));
        QVERIFY(t.endsWith(QString(121, ' ') + "Icke Resonans kräver tre(3) inmatningar för att kunna räkna. "
                                               "Frekvens måste alltid vara en av dom. Svar Impedans  Z"));
        QCOMPARE(ui.lamp("sRes_3"), kRed);
        QCOMPARE(ui.lamp("sRes_4"), kGreen);
        QCOMPARE(ui.lamp("sRes_5"), kGreen);
        QCOMPARE(ui.lamp("sRes_6"), kRed);
    }

    void tabChangeRules() {
        Ui ui;
        ui.nav("cmdOhm");
        ui.confirm("Ohm_0", "100");
        ui.selectTab("TabOhm", 1);
        QCOMPARE(ui.focusName(), QString("txtLed_0"));
        ui.selectTab("TabOhm", 0);
        QCOMPARE(ui.state().ConfirmedCount, 1); // kept between the Ohm and LED tabs
        ui.nav("cmdRC");
        ui.confirm("RC_0", "1000");
        QCOMPARE(ui.state().ConfirmedCount, 1);
        ui.selectTab("TabRC", 1);
        QCOMPARE(ui.state().ConfirmedCount, 0); // cleared on any other page
        QCOMPARE(ui.lamp("sRC_0"), kRed);       // lamps keep their colour
        QCOMPARE(ui.focusName(), QString("RC555_0"));
    }

    void navigationShowsTheFirstTabsField() {
        Ui ui;
        ui.nav("cmdKond");
        ui.selectTab("TabCap", 1);
        ui.nav("cmdOhm");
        ui.nav("cmdKond");
        QCOMPARE(ui.focusName(), QString("Cap_0"));
        QCOMPARE(ui.get<QTabWidget>("TabCap")->currentIndex(), 0);
    }

    void exitFromRCKeepsOhmFields() {
        Ui ui;
        ui.nav("cmdOhm");
        ui.confirm("Ohm_0", "100");
        ui.nav("cmdRC");
        ui.confirm("RC_0", "1000");
        ui.state().EntryHistory[2] = "x";
        ui.click("cmdExit_4");
        QCOMPARE(VisiblePages(ui), 0);
        QVERIFY(ui.get("pan_1")->isVisible());
        QCOMPARE(ui.text("Ohm_0"), QString("100"));
        QCOMPARE(ui.text("RC_0"), QString());
        QCOMPARE(ui.lamp("sRC_0"), kGrey);
        QCOMPARE(ui.state().EntryHistory[2], QString());
        QCOMPARE(ui.state().ConfirmedCount, 0);
    }

    void endClosesTheWindow() {
        Ui ui;
        QVERIFY(ui.w->isVisible());
        QTest::keyClick(ui.w.get(), Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!ui.w->isVisible());
        auto* end = ui.w->findChild<QAction*>("mnuEnd");
        QCOMPARE(end->text(), QString("Avsluta"));
        QCOMPARE(end->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
        QCOMPARE(ui.w->findChild<QMenu*>("mnuArkiv")->title(), QString("   Arkiv"));
        QCOMPARE(ui.w->findChild<QAction*>("mnuInfo")->text(), QString("  Info"));
        QCOMPARE(ui.w->findChild<QAction*>("mnuOm")->text(), QString("Om"));
    }

    void helpMissingShowsMessage() {
        Ui ui;
        ui.w->setHelpFile(QDir::tempPath() + "/no such folder/Info.html");
        clickMenu(ui, "mnuInfo");
        QTRY_COMPARE(ui.messages.texts.size(), 1);
        QCOMPARE(ui.messages.texts[0], QString("Hittade inte WinHlp32.exe\r\nLäs bifogad Info.rtf"));
        QCOMPARE(ui.messages.titles[0], QString("Ampero"));
        QVERIFY(ui.messages.allPlain);
    }

    void helpOpensBesideTheExecutable() {
        Ui ui;
        QTemporaryDir dir(QDir::tempPath() + "/ampero 'help' \"dir\" XXXXXX");
        QVERIFY(dir.isValid());
        QFile f(dir.path() + "/Info.html");
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("<html><body><h1>Ohms lag</h1><p>U = R · I</p></body></html>");
        f.close();
        ui.w->setHelpFile(f.fileName());
        clickMenu(ui, "mnuInfo");
        auto* help = ui.w->findChild<QWidget*>("HelpWindow");
        QVERIFY(help && help->isVisible());
        QVERIFY(!help->isModal());
        QVERIFY(help->findChild<QTextBrowser*>("HelpText")->toPlainText().contains("U = R · I"));
        QCOMPARE(ui.messages.texts.size(), 0);
    }

    void aboutBox() {
        Ui ui;
        QString text, info;
        bool hasIcon = false;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            text = box->text();
            info = box->informativeText();
            hasIcon = !box->iconPixmap().isNull();
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        });
        clickMenu(ui, "mnuOm");
        QCOMPARE(text, QString("Ampero"));
        QVERIFY(info.contains("Version"));
        QVERIFY(hasIcon);
    }

    void placementCentres() {
        Ui ui;
        ui.w->PlaceOnScreen();
        const QRect scr = ui.w->screen()->geometry();
        const QRect frame = ui.w->frameGeometry();
        QCOMPARE(frame.x() - scr.x(), int(ampero::CenteredOrigin(scr.width() * 15.0, frame.width() * 15.0) / 15));
        QVERIFY(qAbs((scr.width() - frame.width()) / 2 - (frame.x() - scr.x())) <= 1);
    }

private:
    static void clickMenu(Ui& ui, const char* actionName) {
        QMenuBar* bar = ui.w->menuBar();
        auto* action = ui.w->findChild<QAction*>(actionName);
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->actionGeometry(action).center());
    }
};

AMPERO_UI_TEST_MAIN(ShellTest)
#include "test_shell.moc"
