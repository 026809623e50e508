// SPDX-License-Identifier: GPL-3.0-or-later
// The yardsticks for start-up: a bare Qt 6 main window of Ampero's size,
// shown, painted once, measured. Built twice: as it is, and (BARE_WITH_TEXT)
// showing one line of text in Ampero's font, which is what any window with
// text pays on top for the font system to start (fontconfig reads its
// configuration, the font is found and opened).
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

#include "firstpaint.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow w;
    w.setWindowTitle(QStringLiteral("bare"));
    w.resize(788, 520);
#ifdef BARE_WITH_TEXT
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    font.setBold(true);
    auto* label = new QLabel(QStringLiteral(" I am Your Ampero "), &w);
    label->setFont(font);
    w.setCentralWidget(label);
#endif
    bench::FirstPaint report(&w);
    w.show();
    return app.exec();
}
