// SPDX-License-Identifier: GPL-3.0-or-later
// The one window: navigation column, header strip, start page, the five
// calculator pages, the menus, and the dispatch of the page buttons.
#pragma once

#include <QImage>
#include <QLabel>
#include <QMainWindow>
#include <array>

#include "ui/backdrop.h"
#include "ui/entrystate.h"
#include "ui/shell.h"

class QPushButton;
class QAction;

namespace ampero::ui {

class Page;
struct PageIndexes;

class MainWindow : public QMainWindow, public Shell {
    Q_OBJECT
public:
    MainWindow();
    ~MainWindow() override;

    EntryState& State() override { return state_; }
    void cmdEval_Click(int index) override;
    void cmdNew_Click(int index) override;
    void cmdExit_Click(int index) override;
    void ShowMessage(const QString& text) override;
    void ShowStandard(const QString& text, QLineEdit* result) override;

    // The five calculator pages are built after the first frame has been
    // painted; this builds them now if that has not happened yet.
    void BuildPages();

    // Navigation to page p (2..6), as the navigation buttons do.
    void ShowPage(int pan);
    // The page p (2..6); null until the pages are built.
    Page* page(int pan) const;

    // The help document: Info.html beside the executable, else
    // ../share/ampero/Info.html relative to it; tests may point elsewhere.
    static QString LocateHelpFile(const QString& appDir);
    QString helpFile() const { return helpFile_; }
    void setHelpFile(const QString& f) { helpFile_ = f; }

    // Centres the window on its screen.
    void PlaceOnScreen();

public Q_SLOTS:
    void mnuEnd_Click();
    void mnuInfo_Click();
    void mnuOm_Click();

private:
    void buildMenus();
    void buildNavigation(QWidget* client);
    void buildHeader(QWidget* client);
    void buildStartPage(QWidget* client);

    // The page whose button of that kind has this index; builds the pages.
    Page* pageBy(int PageIndexes::*button, int index);

    EntryState state_;
    QLabel* standard_ = nullptr;
    QMetaObject::Connection standardFollows_;
    std::array<Page*, 5> pages_{}; // in navigation order
    QString helpFile_;
    QWidget* help_ = nullptr;
};

} // namespace ampero::ui
