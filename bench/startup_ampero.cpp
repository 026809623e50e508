// Ampero started as the application starts it, measured at its first paint.
#include <QApplication>

#include "firstpaint.h"
#include "ui/mainwindow.h"
#include "ui/widgets.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ampero"));
    QApplication::setApplicationVersion(QStringLiteral("bench"));
    ampero::ui::SetupApplicationLook();
    ampero::ui::MainWindow w;
    bench::FirstPaint report(&w);
    w.show();
    w.PlaceOnScreen();
    return app.exec();
}
