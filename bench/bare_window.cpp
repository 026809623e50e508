// The yardstick for start-up: a bare Qt 6 main window of Ampero's size,
// shown, painted once, measured.
#include <QApplication>
#include <QMainWindow>

#include "firstpaint.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow w;
    w.setWindowTitle(QStringLiteral("bare"));
    w.resize(788, 520);
    bench::FirstPaint report(&w);
    w.show();
    return app.exec();
}
