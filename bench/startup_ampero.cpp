// SPDX-License-Identifier: GPL-3.0-or-later
// Ampero started as the application starts it, measured at its first paint
// and when its pages are ready.
#include <QApplication>
#include <QSettings>

#include "firstpaint.h"
#include "ui/mainwindow.h"
#include "ui/widgets.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ampero"));
    QApplication::setApplicationVersion(QStringLiteral("bench"));
    ampero::ui::SetupApplicationLook();
    // The settings read as main reads them (run.sh gives them a folder of their own).
    QSettings store(QStringLiteral("ampero"), QStringLiteral("ampero"));
    ampero::ui::MainWindow w(&store);
    // Ready once the calculator pages, built after the first frame, are there.
    bench::FirstPaint report(&w, [&w] { return w.page(2) != nullptr; });
    w.show();
    w.PlaceOnScreen();
    return app.exec();
}
