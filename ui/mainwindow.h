// SPDX-License-Identifier: GPL-3.0-or-later
// The one window: navigation column, header strip, start page, the
// calculator pages of the page table, the menus, and what spans the pages:
// showing one, messages, the standard-values line and an Exit.
#pragma once

#include <QLabel>
#include <QMainWindow>
#include <vector>

#include "ui/entrystate.h"
#include "ui/shell.h"
#include "ui/widgets.h"


namespace ampero::ui {

class Page;

class MainWindow : public QMainWindow, public Shell {
    Q_OBJECT
public:
    // Remembers in `store` (set up in main); none: remembers nothing.
    explicit MainWindow(QSettings* store = nullptr);
    ~MainWindow() override;

    EntryState& State() override { return state_; }
    Settings& Remembered() override { return settings_; }
    void Exited(Page& page) override;
    void ShowMessage(const QString& text) override;
    void ShowStandard(const QString& text, QLineEdit* result, double ohms = 0) override;
    bool StandardShown() const override;

    // The calculator pages are built after the first frame has been
    // painted (those of the table marked so when first shown); this builds
    // them now if that has not happened yet.
    void BuildPages();

    // Navigation to page pan(p), as the navigation buttons do.
    void ShowPage(int pan);
    // The page pan(p); null until it is built.
    Page* page(int pan) const;
    // The same, built now if it is not yet.
    Page* MakePage(int pan);

    // The help document: Info.html beside the executable, else
    // ../share/ampero/Info.html relative to it; tests may point elsewhere.
    // Another language's is beside it: Info.en.html.
    static QString LocateHelpFile(const QString& appDir);
    QString helpFile() const { return helpFile_; }
    void setHelpFile(const QString& f) { helpFile_ = f; }

    // Where the window stood last, where that is on a screen; otherwise
    // centred on its screen.
    void PlaceOnScreen();

protected:
    // An access key clicks its button at once, on the page where it was
    // pressed, rather than a moment later when that page may be gone.
    bool eventFilter(QObject* watched, QEvent* event) override;
    // A change of language: every text again in the language now shown,
    // every value, lamp and page as it was.
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

public Q_SLOTS:
    void mnuEnd_Click();
    void mnuInfo_Click();
    void mnuOm_Click();

private:
    void buildMenus();
    void retellMenus();
    // The help document in the language shown into the help window (made
    // the first time); false where there is none to read.
    bool loadHelp();
    void buildNavigation(QWidget* client);
    void buildHeader(QWidget* client);
    void buildStartPage(QWidget* client);

    EntryState state_;
    Settings settings_;
    bool placed_ = false; // moves are remembered once the window has its place
    FitLabel* standard_ = nullptr;
    QMetaObject::Connection standardFollows_;
    double standardOhms_ = 0; // the resistance the line speaks of
    std::vector<Page*> pages_; // those built, in the order they were
    bool pagesBuilt_ = false;
    QString helpFile_;
    QWidget* help_ = nullptr;
};

} // namespace ampero::ui
