// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QSettings>

#include "ui/mainwindow.h"
#include "ui/style.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ampero"));
    QApplication::setApplicationVersion(QStringLiteral(AMPERO_VERSION));
    // Ties the window to its menu entry (se.ampero.Ampero.desktop) and icon.
    QApplication::setDesktopFileName(QStringLiteral("se.ampero.Ampero"));
    ampero::ui::SetupApplicationLook();
    // The one store of what is remembered: ~/.config/ampero/ampero.conf on Linux.
    QSettings store(QStringLiteral("ampero"), QStringLiteral("ampero"));
    ampero::ui::MainWindow w(&store);
    w.show();
    w.PlaceOnScreen();
    return app.exec();
}
