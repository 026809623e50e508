// SPDX-License-Identifier: GPL-3.0-or-later
// The window's menus: "Arkiv" with "Språk" and "Avsluta", the help document
// under "Info", and "Om"; F10 and the keys that turn the tabs.
#include <QAbstractButton>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenuBar>
#include <QMessageBox>
#include <QShortcut>
#include <QShortcutEvent>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "ui/mainwindow.h"
#include "ui/page.h"
#include "ui/pagetable.h"
#include "ui/style.h"

namespace ampero::ui {

void MainWindow::buildMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MenuBar"));
    QMenu* arkiv = bar->addMenu(QString());
    Tell(arkiv, "title", QT_TRANSLATE_NOOP("Ampero", "Arkiv"));
    arkiv->setObjectName(QStringLiteral("mnuArkiv"));
    arkiv->menuAction()->setObjectName(QStringLiteral("mnuArkivAction"));
    // Each language by its own name, whatever the language shown.
    QMenu* languages = arkiv->addMenu(QString());
    Tell(languages, "title", QT_TRANSLATE_NOOP("Ampero", "Språk"));
    languages->setObjectName(QStringLiteral("mnuSprak"));
    auto* group = new QActionGroup(languages);
    for (int i = 0; i < int(Languages().size()); ++i) {
        QAction* a = languages->addAction(QString::fromUtf8(Languages()[static_cast<size_t>(i)].name));
        a->setObjectName(QStringLiteral("mnuSprak_%1").arg(i));
        a->setCheckable(true);
        a->setChecked(i == ShownLanguage());
        group->addAction(a);
        connect(a, &QAction::triggered, this, [this, i] {
            settings_.SetLanguage(i);
            UseLanguage(i);
        });
    }
    QAction* end = arkiv->addAction(QString());
    Tell(end, "text", QT_TRANSLATE_NOOP("Ampero", "Avsluta"));
    end->setObjectName(QStringLiteral("mnuEnd"));
    end->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    end->setShortcutContext(Qt::ApplicationShortcut);
    connect(end, &QAction::triggered, this, &MainWindow::mnuEnd_Click);

    QAction* info = bar->addAction(QString());
    Tell(info, "text", QT_TRANSLATE_NOOP("Ampero", "Info"));
    info->setObjectName(QStringLiteral("mnuInfo"));
    connect(info, &QAction::triggered, this, &MainWindow::mnuInfo_Click);
    QAction* om = bar->addAction(QString());
    Tell(om, "text", QT_TRANSLATE_NOOP("Ampero", "Om"));
    om->setObjectName(QStringLiteral("mnuOm"));
    connect(om, &QAction::triggered, this, &MainWindow::mnuOm_Click);
    retellMenus();

    // F10 opens the menu bar; Ctrl+PageDown and Ctrl+PageUp turn the tabs of
    // the page shown, from wherever the focus is in the window.
    qApp->installEventFilter(this);
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(f10, &QShortcut::activated, this, [bar, arkiv] { bar->setActiveAction(arkiv->menuAction()); });
    for (const auto& [key, step] : {std::pair{Qt::Key_PageDown, 1}, std::pair{Qt::Key_PageUp, -1}}) {
        auto* turn = new QShortcut(QKeySequence(Qt::CTRL | key), this);
        connect(turn, &QShortcut::activated, this, [this, s = step] {
            for (Page* p : pages_)
                if (p && p->isVisible()) p->turnTab(s);
        });
    }
}

void MainWindow::retellMenus() {
    // The blanks before the first two titles space them on screen; the style
    // draws them, so that a screen reader reads the bare words.
    const QList<QAction*> titles = menuBar()->actions();
    if (titles.size() > 1)
        menuBar()->setProperty(kLeadingBlanks, QVariantMap{{titles[0]->text(), 3}, {titles[1]->text(), 2}});
    // The language shown is the one checked, whoever chose it.
    if (auto* languages = menuBar()->findChild<QMenu*>(QStringLiteral("mnuSprak")))
        if (QAction* shown = languages->actions().value(ShownLanguage())) shown->setChecked(true);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    // A click on a line that speaks of a resistance: the page that makes it
    // from two standard parts.
    if (watched == standard_ && event->type() == QEvent::MouseButtonRelease && standardOhms_ > 0) {
        const double ohms = standardOhms_;
        for (const PageRow& row : PageTable()) {
            Page* p = MakePage(row.pan);
            if (!p->CombinesResistances()) continue;
            ShowPage(p->row().pan);
            p->OpenWithResistance(ohms);
            return true;
        }
    }
    // Qt would press the button now and release it 100 ms later; a click on
    // another page in between would leave the release, and the focus it
    // moves, to a page no longer shown.
    auto* button = event->type() == QEvent::Shortcut ? qobject_cast<QAbstractButton*>(watched) : nullptr;
    if (!button || button->window() != this || static_cast<QShortcutEvent*>(event)->isAmbiguous())
        return QMainWindow::eventFilter(watched, event);
    if (button->isEnabled()) {
        if (button->isCheckable() && (button->focusPolicy() & Qt::ClickFocus)) button->setFocus(Qt::ShortcutFocusReason);
        button->click();
    }
    return true;
}

QString MainWindow::LocateHelpFile(const QString& appDir) {
    const QDir dir(appDir);
    QString beside = dir.filePath(QStringLiteral("Info.html"));
    if (QFileInfo::exists(beside)) return beside;
    // An installed tree keeps data apart from programs: <prefix>/bin/ampero
    // and <prefix>/share/ampero/Info.html.
    QString shared = QDir::cleanPath(dir.filePath(QStringLiteral("../share/ampero/Info.html")));
    if (QFileInfo::exists(shared)) return shared;
    return beside;
}

void MainWindow::mnuEnd_Click() { close(); }

void MainWindow::mnuInfo_Click() {
    if (!loadHelp()) {
        ShowMessage(Tr(QT_TRANSLATE_NOOP("Ampero", "Hittade inte WinHlp32.exe\r\nLäs bifogad Info.rtf")));
        return;
    }
    help_->show();
    help_->raise();
    help_->activateWindow();
}

bool MainWindow::loadHelp() {
    // The help in the language shown, beside the Swedish one: Info.en.html.
    const QString code = QString::fromLatin1(Languages()[static_cast<size_t>(ShownLanguage())].code);
    QFile f(code == QLatin1String("sv") ? helpFile_
                                        : QFileInfo(helpFile_).dir().filePath(QStringLiteral("Info.%1.html").arg(code)));
    if (!f.open(QIODevice::ReadOnly)) return false;
    if (!help_) {
        auto* dlg = new QDialog(this);
        dlg->setObjectName(QStringLiteral("HelpWindow"));
        Tell(dlg, "windowTitle", QT_TRANSLATE_NOOP("Ampero", "Ampero – Info"));
        dlg->resize(620, 520);
        auto* lay = new QVBoxLayout(dlg);
        auto* browser = new QTextBrowser(dlg);
        browser->setObjectName(QStringLiteral("HelpText"));
        Tell(browser, "accessibleName", QT_TRANSLATE_NOOP("Ampero", "Hjälptext"));
        browser->setOpenExternalLinks(false);
        lay->addWidget(browser);
        help_ = dlg;
    }
    help_->findChild<QTextBrowser*>(QStringLiteral("HelpText"))->setHtml(QString::fromUtf8(f.readAll()));
    return true;
}

void MainWindow::mnuOm_Click() {
    QMessageBox box(this);
    box.setObjectName(QStringLiteral("AboutBox"));
    box.setWindowTitle(Tr(QT_TRANSLATE_NOOP("Ampero", "Om Ampero")));
    box.setText(QStringLiteral("Ampero"));
    box.setInformativeText(
        Tr(QT_TRANSLATE_NOOP("Ampero", "Räknare för hobbyelektronik: Ohms lag, färgkod, lysdioder, RC-nät och NE 555, "
                                       "kondensatorer, spolar, resonans och impedans, och verktyg för arbetsbänken: "
                                       "spänningsdelare, två motstånd för ett värde och avläsning av märkningar.\nVersion %1"))
            .arg(QCoreApplication::applicationVersion().isEmpty() ? QStringLiteral("1.0.0")
                                                                  : QCoreApplication::applicationVersion()));
    const QPixmap icon = RenderPicture(QStringLiteral("ampero"), QSize(64, 64), devicePixelRatioF());
    if (!icon.isNull()) box.setIconPixmap(icon);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

} // namespace ampero::ui
