// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mainwindow.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGroupBox>
#include <QIcon>
#include <QLayout>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>

#include "core/placement.h"
#include "ui/backdrop.h"
#include "ui/page.h"
#include "ui/pagetable.h"
#include "ui/style.h"
#include "ui/twips.h"
#include "ui/widgets.h"

namespace ampero::ui {

namespace {
constexpr int kClientWidthTwips = 11820;
constexpr int kClientHeightTwips = 7425;
} // namespace

MainWindow::MainWindow(QSettings* store) : settings_(store) {
    // Swedish unless another language is remembered, whatever the locale says.
    UseLanguage(settings_.Language());
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

    // The standard values of the last result, in the strip under the pages.
    standard_ = MakeValuePanel(client, QStringLiteral("lblStandard"), Tw(300, 7020, 11220, 360), 6);
    Tell(standard_, "accessibleName", QT_TRANSLATE_NOOP("Ampero", "Standardvärden"));
    standard_->setFocusPolicy(Qt::NoFocus);
    standard_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    standard_->installEventFilter(this);
    standard_->hide();
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
    if (pagesBuilt_) return;
    pagesBuilt_ = true;
    // Created in navigation order so that the tab order follows.
    for (const PageRow& row : PageTable())
        if (!row.whenShown) MakePage(row.pan);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildNavigation(QWidget* client) {
    int top = 1470;
    for (const PageRow& row : PageTable()) {
        auto* b = new QPushButton(client);
        Tell(b, "text", row.caption);
        b->setObjectName(QString::fromLatin1(row.nav));
        b->setGeometry(Tw(300, top, 1680, 435));
        top += 990;
        const QIcon icon = PictureIcon(QString::fromLatin1(row.icon), QSize(16, 16));
        if (!icon.isNull()) {
            b->setIcon(icon);
            b->setIconSize(QSize(16, 16));
        }
        connect(b, &QPushButton::clicked, this, [this, pan = row.pan] { ShowPage(pan); });
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
    const char* const says[6] = {
        QT_TRANSLATE_NOOP("Ampero", "Ohms lag: U = R · I"), QT_TRANSLATE_NOOP("Ampero", "Lysdioder"),
        QT_TRANSLATE_NOOP("Ampero", "Timerkretsen NE 555"), QT_TRANSLATE_NOOP("Ampero", "Kondensatorer"),
        QT_TRANSLATE_NOOP("Ampero", "Spolar"),              QT_TRANSLATE_NOOP("Ampero", "Resonanskrets LC")};
    for (int k = 0; k < 6; ++k) {
        int col = k % 3, row = k / 3;
        auto* pic = new SvgPicture(pan1, QStringLiteral("imgM%1").arg(k + 1), QStringLiteral("start_m%1").arg(k + 1),
                                   QRect(gapX + col * (w + gapX), gapY + row * (h + gapY), w, h));
        Tell(pic, "accessibleName", says[k]);
    }
}

Page* MainWindow::page(int pan) const {
    for (Page* p : pages_)
        if (p->row().pan == pan) return p;
    return nullptr;
}

Page* MainWindow::MakePage(int pan) {
    if (Page* p = page(pan)) return p;
    for (const PageRow& row : PageTable())
        if (row.pan == pan) return pages_.emplace_back(row.make(centralWidget(), *this, row));
    return nullptr;
}

void MainWindow::ShowPage(int pan) {
    BuildPages();
    Page* target = MakePage(pan);
    if (!target) return;
    ShowStandard({}, nullptr);
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

void MainWindow::Exited(Page& own) {
    ShowStandard({}, nullptr);
    for (Page* p : pages_) p->hide();
    if (own.row().ownExit) {
        // Clears this page only; the history stays.
        own.ExitClear();
        return;
    }
    for (Page* p : pages_)
        if (!p->row().ownExit) p->ExitClear();
    for (QString& h : state_.EntryHistory) h.clear();
    state_.ResetEntryState();
}

void MainWindow::ShowStandard(const QString& text, QLineEdit* result, double ohms) {
    disconnect(standardFollows_);
    standardOhms_ = text.isEmpty() ? 0 : ohms;
    standard_->setCursor(standardOhms_ > 0 ? Qt::PointingHandCursor : Qt::ArrowCursor);
    standard_->setOwnTip(standardOhms_ > 0 ? Tr(QT_TRANSLATE_NOOP("Ampero", "Klicka för två motstånd som ger värdet"))
                                           : QString());
    standard_->setText(text);
    standard_->setAccessibleDescription(text);
    standard_->setVisible(!text.isEmpty());
    if (result && !text.isEmpty())
        standardFollows_ = connect(result, &QLineEdit::textChanged, this, [this] { ShowStandard({}, nullptr); });
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

bool MainWindow::StandardShown() const { return !standard_->isHidden(); }

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::LanguageChange) return;
    Retell(this);
    retellMenus();
    for (Page* p : pages_) p->LanguageChanged();
    if (help_ && help_->isVisible()) loadHelp();
}

void MainWindow::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    if (placed_ && settings_.Position() != pos()) settings_.SetPosition(pos());
}

void MainWindow::PlaceOnScreen() {
    placed_ = true;
    if (const std::optional<QPoint> kept = settings_.Position()) {
        for (QScreen* screen : QGuiApplication::screens()) {
            if (screen->availableGeometry().contains(QRect(*kept, frameGeometry().size()))) {
                move(*kept);
                return;
            }
        }
    }
    QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!s) return;
    const QRect scr = s->geometry();
    const QSize win = frameGeometry().size();
    const int x = static_cast<int>(CenteredOrigin(scr.width() * 15.0, win.width() * 15.0) / 15);
    const int y = static_cast<int>(CenteredOrigin(scr.height() * 15.0, win.height() * 15.0) / 15);
    move(scr.x() + x, scr.y() + y);
}

} // namespace ampero::ui
