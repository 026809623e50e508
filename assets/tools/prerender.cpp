// Draws the pictures of the window's first frame at the size they are shown
// and writes them as PNG data into a C++ source compiled into the program, so
// that starting the program does not have to read and draw vector pictures.
//   ampero_prerender OUTPUT.cpp
#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

#include "ui/drawing.h"

namespace {

QByteArray Png(const QImage& img) {
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, "PNG");
    return bytes;
}

} // namespace

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
        entries.append({p.resource, ampero::ui::DrawPicture(QString::fromLatin1(p.resource), QSize(p.width, p.height), 1.0)});

    QByteArray out = "// Written by ampero_prerender when the program is built; not to be edited.\n"
                     "#include \"ui/drawing.h\"\n\nnamespace ampero::ui {\nnamespace {\n";
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (entries[i].image.isNull()) {
            std::fprintf(stderr, "ampero_prerender: no picture %s\n", entries[i].name.constData());
            return 1;
        }
        const QByteArray png = Png(entries[i].image);
        out += "const unsigned char k" + QByteArray::number(i) + "[] = {";
        for (qsizetype b = 0; b < png.size(); ++b) {
            if (b % 24 == 0) out += "\n   ";
            out += ' ' + QByteArray::number(static_cast<unsigned char>(png[b])) + ',';
        }
        out += "\n};\n";
    }
    out += "} // namespace\n\nconst PrerenderedPicture kPrerendered[] = {\n";
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const QImage& img = entries[i].image;
        out += "    {\"" + entries[i].name + "\", " + QByteArray::number(img.width()) + ", " +
               QByteArray::number(img.height()) + ", k" + QByteArray::number(i) + ", sizeof k" +
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
