#include "ui/mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QIcon>
#include <QMenuBar>
#include <QMessageBox>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QtMath>

#include "core/placement.h"
#include "ui/colors.h"
#include "ui/pages/cappage.h"
#include "ui/pages/coilpage.h"
#include "ui/pages/ohmpage.h"
#include "ui/pages/rcpage.h"
#include "ui/pages/respage.h"
#include "ui/page.h"
#include "ui/style.h"
#include "ui/twips.h"
#include "ui/widgets.h"

namespace ampero::ui {

namespace {
constexpr int kClientWidthTwips = 11820;
constexpr int kClientHeightTwips = 7425;
} // namespace

MainWindow::MainWindow() {
    InitPictures();
    setObjectName(QStringLiteral("Main"));
    setWindowTitle(QStringLiteral(" Ampero"));
    setAccessibleName(QStringLiteral("Ampero"));
    setFont(FormFont());
    helpFile_ = LocateHelpFile(QCoreApplication::applicationDirPath());

    auto* client = new Backdrop(this);
    client->setFixedSize(Px(kClientWidthTwips), Px(kClientHeightTwips));
    setCentralWidget(client);

    buildMenus();
    buildHeader(client);
    buildStartPage(client);
    buildNavigation(client);
    // The first frame shows the start page only; the window icon and the
    // calculator pages come right after it has been painted (the pages at
    // once when they are needed before).
    connect(
        client, &Backdrop::firstPainted, this,
        [this] {
            QIcon icon;
            for (const int px : {16, 32, 48, 64})
                icon.addPixmap(RenderPicture(QStringLiteral("ampero"), QSize(px, px), 1));
            setWindowIcon(icon);
            BuildPages();
        },
        Qt::QueuedConnection);

    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void MainWindow::BuildPages() {
    if (pages_[0]) return;
    QWidget* client = centralWidget();
    // Created in navigation order so that the tab order follows.
    pages_ = {new OhmPage(client, *this), new RCPage(client, *this), new CapPage(client, *this),
              new CoilPage(client, *this), new ResPage(client, *this)};
}

MainWindow::~MainWindow() = default;

void MainWindow::buildMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MenuBar"));
    // The blanks before "Arkiv" and "Info" space the titles on screen; the
    // style draws them, so that a screen reader reads the bare words.
    bar->setProperty(kLeadingBlanks, QVariantMap{{QStringLiteral("Arkiv"), 3}, {QStringLiteral("Info"), 2}});
    QMenu* arkiv = bar->addMenu(QStringLiteral("Arkiv"));
    arkiv->setObjectName(QStringLiteral("mnuArkiv"));
    arkiv->menuAction()->setObjectName(QStringLiteral("mnuArkivAction"));
    QAction* end = arkiv->addAction(QStringLiteral("Avsluta"));
    end->setObjectName(QStringLiteral("mnuEnd"));
    end->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    end->setShortcutContext(Qt::ApplicationShortcut);
    connect(end, &QAction::triggered, this, &MainWindow::mnuEnd_Click);

    QAction* info = bar->addAction(QStringLiteral("Info"));
    info->setObjectName(QStringLiteral("mnuInfo"));
    connect(info, &QAction::triggered, this, &MainWindow::mnuInfo_Click);
    QAction* om = bar->addAction(QStringLiteral("Om"));
    om->setObjectName(QStringLiteral("mnuOm"));
    connect(om, &QAction::triggered, this, &MainWindow::mnuOm_Click);

    // F10 opens the menu bar; Ctrl+PageDown and Ctrl+PageUp turn the tabs of
    // the page shown, from wherever the focus is in the window.
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

void MainWindow::buildNavigation(QWidget* client) {
    struct Nav {
        const char* name;
        const char* caption;
        const char* icon;
        int top;
        int pan;
    };
    const Nav navs[] = {
        {"cmdOhm", "&Ohm: s Lag", "nav_ohm", 1470, 2},   {"cmdRC", "R C  Nät", "nav_rc", 2460, 6},
        {"cmdKond", "&Kondensator", "nav_cap", 3450, 4}, {"cmdIndukt", "&Spolar", "nav_coil", 4440, 3},
        {"cmdReso", "&Resonans", "nav_res", 5430, 5},
    };
    for (const Nav& n : navs) {
        auto* b = new QPushButton(QString::fromUtf8(n.caption), client);
        b->setObjectName(QString::fromLatin1(n.name));
        b->setGeometry(Tw(300, n.top, 1680, 435));
        const QIcon icon = PictureIcon(QString::fromLatin1(n.icon), QSize(16, 16));
        if (!icon.isNull()) {
            b->setIcon(icon);
            b->setIconSize(QSize(16, 16));
        }
        const int pan = n.pan;
        connect(b, &QPushButton::clicked, this, [this, pan] { ShowPage(pan); });
    }
}

void MainWindow::buildHeader(QWidget* client) {
    auto* pan0 = new QFrame(client);
    pan0->setObjectName(QStringLiteral("pan_0"));
    pan0->setFrameShape(QFrame::Panel);
    pan0->setFrameShadow(QFrame::Raised);
    pan0->setLineWidth(2);
    pan0->setAutoFillBackground(true);
    pan0->setGeometry(Tw(3030, 90, 7500, 735));
    auto* logo = new QGroupBox(QStringLiteral(" I am Your Ampero "), pan0);
    logo->setAccessibleName(QStringLiteral("I am Your Ampero"));
    logo->setObjectName(QStringLiteral("fraLogo"));
    logo->setAlignment(Qt::AlignHCenter);
    logo->setGeometry(QRect(6, 2, pan0->width() - 12, pan0->height() - 6));
    new SvgPicture(logo, QStringLiteral("imgLogo_0"), QStringLiteral("logo_left"), QRect(12, 16, 24, 24));
    new SvgPicture(logo, QStringLiteral("imgLogo_1"), QStringLiteral("logo_right"),
                   QRect(logo->width() - 36, 16, 24, 24));
    for (auto* pic : logo->findChildren<SvgPicture*>()) pic->setAccessibleName(QStringLiteral("Ampero"));
}

void MainWindow::buildStartPage(QWidget* client) {
    auto* pan1 = new QFrame(client);
    pan1->setObjectName(QStringLiteral("pan_1"));
    pan1->setFrameShape(QFrame::Panel);
    pan1->setFrameShadow(QFrame::Raised);
    pan1->setLineWidth(2);
    pan1->setAutoFillBackground(true);
    pan1->setGeometry(Tw(3030, 1230, 7500, 4335));
    const int w = 150, h = 125, gapX = (pan1->width() - 3 * w) / 4, gapY = (pan1->height() - 2 * h) / 3;
    const char* const says[6] = {"Ohms lag: U = R · I", "Lysdioder",   "Timerkretsen NE 555",
                                 "Kondensatorer",       "Spolar",      "Resonanskrets LC"};
    for (int k = 0; k < 6; ++k) {
        int col = k % 3, row = k / 3;
        auto* pic = new SvgPicture(pan1, QStringLiteral("imgM%1").arg(k + 1), QStringLiteral("start_m%1").arg(k + 1),
                                   QRect(gapX + col * (w + gapX), gapY + row * (h + gapY), w, h));
        pic->setAccessibleName(QString::fromUtf8(says[k]));
    }
}

Page* MainWindow::page(int pan) const {
    for (Page* p : pages_)
        if (p && p->indexes().pan == pan) return p;
    return nullptr;
}

Page* MainWindow::pageBy(int PageIndexes::*button, int index) {
    BuildPages();
    for (Page* p : pages_)
        if (p->indexes().*button == index) return p;
    return nullptr;
}

void MainWindow::ShowPage(int pan) {
    BuildPages();
    Page* target = page(pan);
    if (!target) return;
    state_.ResetEntryState();
    for (Page* p : pages_)
        if (p != target) p->hide();
    target->Opened();
    target->show();
    target->raise();
    // The first field sits on the first tab; show that tab so it can take
    // the focus.
    if (target->tabs()->currentIndex() != 0) target->tabs()->setCurrentIndex(0);
    if (QWidget* f = target->FirstField()) f->setFocus(Qt::OtherFocusReason);
}

void MainWindow::cmdEval_Click(int index) {
    if (Page* p = pageBy(&PageIndexes::eval, index)) p->Evaluate();
}

void MainWindow::cmdNew_Click(int index) {
    if (Page* p = pageBy(&PageIndexes::newIndex, index)) p->NewClicked();
}

void MainWindow::cmdExit_Click(int index) {
    Page* own = pageBy(&PageIndexes::exit, index);
    if (!own) return;
    for (Page* p : pages_) p->hide();
    if (own->ownExit()) {
        // Clears this page only; the history stays.
        own->ExitClear();
        return;
    }
    for (Page* p : pages_)
        if (!p->ownExit()) p->ExitClear();
    for (QString& h : state_.EntryHistory) h.clear();
    state_.ResetEntryState();
}

void MainWindow::ShowMessage(const QString& text) {
    QMessageBox box(this);
    box.setObjectName(QStringLiteral("MessageBox"));
    box.setWindowTitle(QStringLiteral("Ampero"));
    box.setText(text);
    box.setTextFormat(Qt::PlainText);
    box.setIcon(QMessageBox::NoIcon);
    box.setStandardButtons(QMessageBox::Ok);
    const QPointer<QWidget> before = QApplication::focusWidget();
    box.exec();
    // The keyboard goes back to the field the user was in, also where no
    // window manager hands the activation back to the window.
    if (before && before->window() == this && isVisible()) {
        activateWindow();
        before->setFocus(Qt::OtherFocusReason);
    }
}

void MainWindow::PlaceOnScreen() {
    QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!s) return;
    const QRect scr = s->geometry();
    const QSize win = frameGeometry().size();
    const int x = static_cast<int>(CenteredOrigin(scr.width() * 15.0, win.width() * 15.0) / 15);
    const int y = static_cast<int>(CenteredOrigin(scr.height() * 15.0, win.height() * 15.0) / 15);
    move(scr.x() + x, scr.y() + y);
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
    QFile f(helpFile_);
    if (!f.open(QIODevice::ReadOnly)) {
        ShowMessage(QStringLiteral("Hittade inte WinHlp32.exe\r\nLäs bifogad Info.rtf"));
        return;
    }
    const QString html = QString::fromUtf8(f.readAll());
    if (!help_) {
        auto* dlg = new QDialog(this);
        dlg->setObjectName(QStringLiteral("HelpWindow"));
        dlg->setWindowTitle(QStringLiteral("Ampero – Info"));
        dlg->resize(620, 520);
        auto* lay = new QVBoxLayout(dlg);
        auto* browser = new QTextBrowser(dlg);
        browser->setObjectName(QStringLiteral("HelpText"));
        browser->setAccessibleName(QStringLiteral("Hjälptext"));
        browser->setOpenExternalLinks(false);
        lay->addWidget(browser);
        help_ = dlg;
    }
    help_->findChild<QTextBrowser*>(QStringLiteral("HelpText"))->setHtml(html);
    help_->show();
    help_->raise();
    help_->activateWindow();
}

void MainWindow::mnuOm_Click() {
    QMessageBox box(this);
    box.setObjectName(QStringLiteral("AboutBox"));
    box.setWindowTitle(QStringLiteral("Om Ampero"));
    box.setText(QStringLiteral("Ampero"));
    box.setInformativeText(
        QStringLiteral("Räknare för hobbyelektronik: Ohms lag, färgkod, lysdioder, RC-nät och NE 555, "
                       "kondensatorer, spolar, resonans och impedans.\nVersion %1")
            .arg(QCoreApplication::applicationVersion().isEmpty() ? QStringLiteral("1.0.0")
                                                                  : QCoreApplication::applicationVersion()));
    const QPixmap icon = RenderPicture(QStringLiteral("ampero"), QSize(64, 64), devicePixelRatioF());
    if (!icon.isNull()) box.setIconPixmap(icon);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

} // namespace ampero::ui
