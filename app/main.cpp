// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include "ui/mainwindow.h"
#include "ui/style.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ampero"));
    QApplication::setApplicationVersion(QStringLiteral(AMPERO_VERSION));
    // Ties the window to its menu entry (se.ampero.Ampero.desktop) and icon.
    QApplication::setDesktopFileName(QStringLiteral("se.ampero.Ampero"));
    ampero::ui::SetupApplicationLook();
    ampero::ui::MainWindow w;
    w.show();
    w.PlaceOnScreen();
    return app.exec();
}
