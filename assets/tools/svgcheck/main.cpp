// svgcheck: render every *.svg in a folder with QSvgRenderer.
//
// usage: svgcheck SVG_DIR OUT_DIR
//
// For each picture it writes OUT_DIR/<name>@1x.png and <name>@2x.png on a
// #c0c0c0 background (the colour of the tab pages), plus a contact sheet
// OUT_DIR/_sheet@1x.png / _sheet@2x.png with all pictures. It exits non-zero when
// a file is not valid for QtSvg, when QtSvg prints any warning while loading or
// drawing it (unsupported elements or attributes), when the width/height
// attributes disagree with the viewBox, or when a picture draws nothing.
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>
#include <cstdio>

static QStringList g_warnings;

static void handler(QtMsgType type, const QMessageLogContext &, const QString &msg)
{
    if (type != QtDebugMsg && type != QtInfoMsg)
        g_warnings << msg;
}

static QImage render(QSvgRenderer &r, QSize size, int scale, QColor bg)
{
    QImage img(size * scale, QImage::Format_ARGB32_Premultiplied);
    img.fill(bg);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    r.render(&p, QRectF(QPointF(0, 0), QSizeF(size * scale)));
    p.end();
    return img;
}

// The window tiles the top 20 x 220 px block of the wood picture: it must be
// opaque, rows 220..222 must equal rows 0..2 (or the tile must not matter
// there), and the seams (column 19 -> 0, row 219 -> 0) must not stand out
// more than the grain's ordinary change from one pixel to the next.
static int diff(QRgb a, QRgb b)
{
    return qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) + qAbs(qBlue(a) - qBlue(b));
}

static QStringList checkWoodTile(const QImage &img)
{
    QStringList problems;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qAlpha(img.pixel(x, y)) != 255) {
                problems << QString("wood tile not opaque at %1,%2").arg(x).arg(y);
                return problems;
            }
    for (int y = 220; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (diff(img.pixel(x, y), img.pixel(x, y - 220)) > 12) {
                problems << QString("wood row %1 differs from row %2").arg(y).arg(y - 220);
                y = img.height();
                break;
            }
    // horizontal seam
    double inner = 0, seam = 0;
    for (int y = 0; y < 220; ++y) {
        for (int x = 0; x + 1 < 20; ++x) inner += diff(img.pixel(x, y), img.pixel(x + 1, y));
        seam += diff(img.pixel(19, y), img.pixel(0, y));
    }
    inner /= 19.0;
    if (seam > 2.0 * inner + 220)
        problems << QString("wood horizontal seam %1 vs grain %2").arg(seam / 220).arg(inner / 220);
    // vertical seam
    double innerV = 0, seamV = 0;
    for (int x = 0; x < 20; ++x) {
        for (int y = 0; y + 1 < 220; ++y) innerV += diff(img.pixel(x, y), img.pixel(x, y + 1));
        seamV += diff(img.pixel(x, 219), img.pixel(x, 0));
    }
    innerV /= 219.0;
    if (seamV > 2.0 * innerV + 20)
        problems << QString("wood vertical seam %1 vs grain %2").arg(seamV / 20).arg(innerV / 20);
    return problems;
}

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: svgcheck SVG_DIR OUT_DIR\n");
        return 2;
    }
    QDir in(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(QString::fromLocal8Bit(argv[2]));
    QDir out(QString::fromLocal8Bit(argv[2]));
    const QStringList files = in.entryList({"*.svg"}, QDir::Files, QDir::Name);
    if (files.isEmpty()) {
        std::fprintf(stderr, "no SVG files in %s\n", argv[1]);
        return 1;
    }
    qInstallMessageHandler(handler);
    int failures = 0;
    struct Item { QString name; QImage img1, img2; };
    QList<Item> items;
    for (const QString &f : files) {
        g_warnings.clear();
        QSvgRenderer r(in.filePath(f));
        QStringList problems;
        if (!r.isValid())
            problems << "not valid for QSvgRenderer";
        const QSize size = r.defaultSize();
        const QRectF vb = r.viewBoxF();
        if (vb.topLeft() != QPointF(0, 0) || vb.size() != QSizeF(size))
            problems << QString("viewBox %1,%2 %3x%4 does not match size %5x%6")
                            .arg(vb.x()).arg(vb.y()).arg(vb.width()).arg(vb.height())
                            .arg(size.width()).arg(size.height());
        QImage img1, img2;
        if (r.isValid() && !size.isEmpty()) {
            img1 = render(r, size, 1, QColor(0xc0, 0xc0, 0xc0));
            img2 = render(r, size, 2, QColor(0xc0, 0xc0, 0xc0));
            QImage probe = render(r, size, 1, Qt::transparent);
            int painted = 0;
            for (int y = 0; y < probe.height(); ++y)
                for (int x = 0; x < probe.width(); ++x)
                    if (qAlpha(probe.pixel(x, y)) > 0) ++painted;
            if (painted == 0)
                problems << "draws nothing";
            if (f == "wood.svg") {
                problems << checkWoodTile(probe);
                // what the window shows: the top 20 x 220 block, tiled
                QImage tiled(300, 660, QImage::Format_ARGB32_Premultiplied);
                QPainter tp(&tiled);
                for (int ty = 0; ty < 660; ty += 220)
                    for (int tx = 0; tx < 300; tx += 20)
                        tp.drawImage(QPoint(tx, ty), probe, QRect(0, 0, 20, 220));
                tp.end();
                tiled.save(out.filePath("_wood_tiled.png"));
            }
            const QString base = QFileInfo(f).completeBaseName();
            img1.save(out.filePath(base + "@1x.png"));
            img2.save(out.filePath(base + "@2x.png"));
            items.append({base, img1, img2});
        }
        for (const QString &w : g_warnings)
            problems << "QtSvg warning: " + w;
        if (problems.isEmpty()) {
            std::printf("ok   %-20s %dx%d\n", qPrintable(f), size.width(), size.height());
        } else {
            ++failures;
            for (const QString &p : problems)
                std::printf("FAIL %-20s %s\n", qPrintable(f), qPrintable(p));
        }
    }
    qInstallMessageHandler(nullptr);

    // Contact sheets: pictures in rows, each on the tab-page grey, with a name.
    for (int scale : {1, 2}) {
        const int sheetW = 1200 * scale, pad = 10 * scale, label = 14 * scale;
        int x = pad, y = pad, rowH = 0;
        QList<QPoint> pos;
        for (const Item &it : items) {
            const QImage &im = scale == 1 ? it.img1 : it.img2;
            const int w = qMax(im.width(), 90 * scale);
            if (x + w + pad > sheetW) { x = pad; y += rowH + pad; rowH = 0; }
            pos << QPoint(x, y);
            x += w + pad;
            rowH = qMax(rowH, im.height() + label);
        }
        QImage sheet(sheetW, y + rowH + pad, QImage::Format_ARGB32_Premultiplied);
        sheet.fill(QColor(0x50, 0x38, 0x28));
        QPainter p(&sheet);
        QFont font("DejaVu Sans");
        font.setPixelSize(10 * scale);
        p.setFont(font);
        for (int i = 0; i < items.size(); ++i) {
            const QImage &im = scale == 1 ? items[i].img1 : items[i].img2;
            p.drawImage(pos[i], im);
            p.setPen(Qt::white);
            p.drawText(pos[i] + QPoint(0, im.height() + 11 * scale), items[i].name);
        }
        p.end();
        sheet.save(out.filePath(QString("_sheet@%1x.png").arg(scale)));
    }
    std::printf("%d passed, %d failed\n", int(files.size()) - failures, failures);
    return failures == 0 ? 0 : 1;
}
