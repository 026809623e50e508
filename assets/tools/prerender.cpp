// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the pictures of the window's first frame at the size they are shown
// and writes their pixels into a C++ source compiled into the program, so that
// starting the program does not have to read and draw vector pictures.
//   ampero_prerender OUTPUT.cpp
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

#include "ui/drawing.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.cpp\n", argv[0]);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    // Text in the pictures is drawn in the window's font, as at run time.
    QGuiApplication::setFont(ampero::ui::FormFont());
    ampero::ui::InitPictures();

    struct Entry {
        QByteArray name;
        QImage image;
    };
    QList<Entry> entries;
    entries.append({ampero::ui::kWoodTileName, ampero::ui::DrawWoodTile(1.0)});
    for (const auto& p : ampero::ui::kFirstFramePictures)
        entries.append(
            {p.resource, ampero::ui::DrawPicture(QString::fromLatin1(p.resource), QSize(p.width, p.height), 1.0)});

    QByteArray out = "// Written by ampero_prerender when the program is built; not to be edited.\n"
                     "#include \"ui/drawing.h\"\n\nnamespace ampero::ui {\nnamespace {\n";
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (entries[i].image.isNull()) {
            std::fprintf(stderr, "ampero_prerender: no picture %s\n", entries[i].name.constData());
            return 1;
        }
        const QImage img = entries[i].image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        out += "const quint32 k" + QByteArray::number(i) + "[] = {";
        int n = 0;
        for (int y = 0; y < img.height(); ++y) {
            const auto* row = reinterpret_cast<const quint32*>(img.constScanLine(y));
            for (int x = 0; x < img.width(); ++x, ++n) {
                if (n % 10 == 0) out += "\n   ";
                out += " 0x" + QByteArray::number(row[x], 16) + 'u' + ',';
            }
        }
        out += "\n};\n";
    }
    out += "} // namespace\n\nconst PrerenderedData kPrerendered[] = {\n";
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const QImage& img = entries[i].image;
        out += "    {\"" + entries[i].name + "\", " + QByteArray::number(img.width()) + ", " +
               QByteArray::number(img.height()) + (img.hasAlphaChannel() ? ", false" : ", true") + ", k" +
               QByteArray::number(i) + "},\n";
    }
    out += "};\nconst std::size_t kPrerenderedCount = " + QByteArray::number(entries.size()) +
           ";\n\n} // namespace ampero::ui\n";

    QFile f(QString::fromLocal8Bit(argv[1]));
    if (!f.open(QIODevice::WriteOnly) || f.write(out) != out.size()) {
        std::fprintf(stderr, "ampero_prerender: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
