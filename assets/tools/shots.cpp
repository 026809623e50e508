// SPDX-License-Identifier: GPL-3.0-or-later
// Screenshots of the start page and of every tab, for looking at the window
// as a whole or comparing two builds pixel by pixel:
//   QT_QPA_PLATFORM=offscreen build/ui/ampero_shots DIR [LANGUAGE]
// LANGUAGE is a row of the language table, 0 Swedish (the default), 1 English.
#include <QApplication>
#include <QDir>
#include <QTabWidget>

#include "ui/language.h"
#include "ui/mainwindow.h"
#include "ui/page.h"
#include "ui/pagetable.h"
#include "ui/style.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2 || argc > 3) {
        qWarning("usage: ampero_shots DIR [LANGUAGE]");
        return 2;
    }
    ampero::ui::SetupApplicationLook();
    const QString dir = QString::fromLocal8Bit(argv[1]);
    ampero::ui::MainWindow w;
    if (argc == 3) ampero::ui::UseLanguage(QString::fromLocal8Bit(argv[2]).toInt());
    w.show();
    w.BuildPages();
    QApplication::processEvents();
    bool saved = QDir().mkpath(dir) && w.grab().save(dir + "/start.png");
    for (const ampero::ui::PageRow& row : ampero::ui::PageTable()) {
        w.ShowPage(row.pan);
        QTabWidget* tabs = w.page(row.pan)->tabs();
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            QApplication::processEvents();
            saved = w.grab().save(QStringLiteral("%1/%2_%3.png").arg(dir, tabs->objectName()).arg(i)) && saved;
        }
        tabs->setCurrentIndex(0);
    }
    return saved ? 0 : 1;
}
