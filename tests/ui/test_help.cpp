// The Info menu: where the help document is looked for, the message when it
// is missing, and the help window that shows it.
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTextBrowser>

#include "uitest.h"

using namespace uitest;

namespace {

// A folder name a user might well pick: blanks, double and single quotes.
const QString kAwkwardFolder = QStringLiteral("Mina \"bästa\" program och 'verktyg'");

void WriteFile(const QString& path, const QByteArray& content) {
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(content), content.size());
}

QByteArray Page(const QString& marker) {
    return QStringLiteral("<html><body><h1>Hjälp</h1><p>%1</p></body></html>").arg(marker).toUtf8();
}

// Clicks "  Info" in the menu bar, as the user does.
void ClickInfo(Ui& ui) {
    QMenuBar* bar = ui.w->menuBar();
    QAction* info = ui.w->findChild<QAction*>(QStringLiteral("mnuInfo"));
    QVERIFY(info);
    const QRect r = bar->actionGeometry(info);
    QVERIFY(r.isValid());
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, r.center());
    QTest::qWait(50);
}

QDialog* HelpWindow(Ui& ui) { return ui.w->findChild<QDialog*>(QStringLiteral("HelpWindow")); }

QString HelpText(Ui& ui) {
    QDialog* dlg = HelpWindow(ui);
    if (!dlg) return {};
    auto* browser = dlg->findChild<QTextBrowser*>(QStringLiteral("HelpText"));
    return browser ? browser->toPlainText() : QString();
}

QString Simplified(QString s) {
    s.remove(QLatin1Char('&'));
    return s.simplified();
}

} // namespace

class HelpTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void missingFileGivesTheMessage() {
        QTemporaryDir tmp;
        QVERIFY(tmp.isValid());
        Ui ui;
        ui.w->setHelpFile(MainWindow::LocateHelpFile(tmp.filePath(QStringLiteral("bin"))));
        ClickInfo(ui);
        QTRY_COMPARE(ui.messages.texts.size(), 1);
        QCOMPARE(ui.messages.texts[0], QStringLiteral("Hittade inte WinHlp32.exe\r\nLäs bifogad Info.rtf"));
        QCOMPARE(ui.messages.titles[0], QStringLiteral("Ampero"));
        QVERIFY(ui.messages.allPlain);
        QDialog* dlg = HelpWindow(ui);
        QVERIFY(!dlg || !dlg->isVisible());
        // The application goes on: the next click answers the same way.
        ClickInfo(ui);
        QTRY_COMPARE(ui.messages.texts.size(), 2);
    }

    void presentFileIsShown() {
        QTemporaryDir tmp;
        QVERIFY(tmp.isValid());
        const QString file = tmp.filePath(QStringLiteral("Info.html"));
        WriteFile(file, Page(QStringLiteral("Markör ett")));
        Ui ui;
        ui.w->setHelpFile(file);
        ClickInfo(ui);
        QTRY_VERIFY(HelpWindow(ui) && HelpWindow(ui)->isVisible());
        QVERIFY(HelpText(ui).contains(QStringLiteral("Markör ett")));
        QVERIFY(!HelpText(ui).contains(QStringLiteral("<p>")));
        QVERIFY(ui.messages.texts.isEmpty());

        // A changed document is read again at the next click.
        WriteFile(file, Page(QStringLiteral("Markör två")));
        ClickInfo(ui);
        QTRY_VERIFY(HelpText(ui).contains(QStringLiteral("Markör två")));
        QCOMPARE(ui.w->findChildren<QDialog*>(QStringLiteral("HelpWindow")).size(), 1);
    }

    void besideTheExecutableComesFirst() {
        QTemporaryDir tmp;
        QVERIFY(tmp.isValid());
        const QString root = tmp.filePath(kAwkwardFolder);
        const QString bin = root + QStringLiteral("/bin");
        WriteFile(bin + QStringLiteral("/Info.html"), Page(QStringLiteral("bredvid")));
        WriteFile(root + QStringLiteral("/share/ampero/Info.html"), Page(QStringLiteral("delad")));
        QCOMPARE(QFileInfo(MainWindow::LocateHelpFile(bin)).canonicalFilePath(),
                 QFileInfo(bin + QStringLiteral("/Info.html")).canonicalFilePath());
    }

    void installedTreeInAnAwkwardFolder() {
        QTemporaryDir tmp;
        QVERIFY(tmp.isValid());
        const QString root = tmp.filePath(kAwkwardFolder);
        const QString bin = root + QStringLiteral("/bin");
        QVERIFY(QDir().mkpath(bin));
        const QString shared = root + QStringLiteral("/share/ampero/Info.html");
        WriteFile(shared, Page(QStringLiteral("Installerad hjälp")));

        const QString found = MainWindow::LocateHelpFile(bin);
        QCOMPARE(QFileInfo(found).canonicalFilePath(), QFileInfo(shared).canonicalFilePath());

        Ui ui;
        ui.w->setHelpFile(found);
        ClickInfo(ui);
        QTRY_VERIFY(HelpWindow(ui) && HelpWindow(ui)->isVisible());
        QVERIFY(HelpText(ui).contains(QStringLiteral("Installerad hjälp")));
        QVERIFY(ui.messages.texts.isEmpty());
    }

    void neitherPlaceKeepsTheBesidePath() {
        QTemporaryDir tmp;
        QVERIFY(tmp.isValid());
        const QString bin = tmp.filePath(kAwkwardFolder + QStringLiteral("/bin"));
        QVERIFY(QDir().mkpath(bin));
        const QString found = MainWindow::LocateHelpFile(bin);
        QVERIFY(!QFileInfo::exists(found));
        QCOMPARE(QFileInfo(found).fileName(), QStringLiteral("Info.html"));
        QCOMPARE(QFileInfo(found).absolutePath(), QFileInfo(bin).absoluteFilePath());
    }

    // The document shipped with the application: its links lead somewhere,
    // and it speaks of every tab and navigation button the window has.
    void shippedDocumentCoversTheWindow() {
        const QString path = QFINDTESTDATA("../../docs/Info.html");
        QVERIFY2(!path.isEmpty(), "docs/Info.html not found");
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(f.readAll());

        QSet<QString> anchors;
        for (const auto& m : QRegularExpression(QStringLiteral("name=\"([^\"]+)\"")).globalMatch(html))
            anchors.insert(m.captured(1));
        int links = 0;
        for (const auto& m : QRegularExpression(QStringLiteral("href=\"#([^\"]+)\"")).globalMatch(html)) {
            ++links;
            QVERIFY2(anchors.contains(m.captured(1)), qPrintable(m.captured(1)));
        }
        QVERIFY(links > 0);
        QVERIFY(!html.contains(QStringLiteral("<script"), Qt::CaseInsensitive));
        QVERIFY(!html.contains(QStringLiteral("<img"), Qt::CaseInsensitive));

        Ui ui;
        ui.w->setHelpFile(path);
        ClickInfo(ui);
        QTRY_VERIFY(HelpWindow(ui) && HelpWindow(ui)->isVisible());
        const QString text = HelpText(ui).simplified();
        QVERIFY(!text.contains(QStringLiteral("<p")));

        int tabs = 0;
        for (QTabWidget* tw : ui.w->findChildren<QTabWidget*>()) {
            for (int i = 0; i < tw->count(); ++i) {
                const QString caption = Simplified(tw->tabText(i));
                if (caption == QLatin1String("Info")) continue;
                ++tabs;
                QVERIFY2(text.contains(caption), qPrintable(caption));
            }
        }
        QVERIFY(tabs >= 10);
        for (const char* nav : {"cmdOhm", "cmdRC", "cmdKond", "cmdIndukt", "cmdReso"}) {
            const QString caption = Simplified(ui.get<QPushButton>(QLatin1String(nav))->text());
            QVERIFY2(text.contains(caption), qPrintable(caption));
        }
    }
};

AMPERO_UI_TEST_MAIN(HelpTest)
#include "test_help.moc"
