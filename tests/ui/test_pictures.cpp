// The first frame: it maps no image format or icon plug-in, the calculator
// pages come after it, and the pictures drawn when the program was built are
// all there with the pixels the window would draw now.
#include "uitest.h"

using namespace ampero::ui;

class PicturesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void firstFrameLoadsNoImagePlugins() { // first, in a process that has drawn nothing yet
        uitest::MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY(!w.page(2));
        QTRY_VERIFY(w.page(2));
        QFile maps("/proc/self/maps");
        QVERIFY(maps.open(QIODevice::ReadOnly));
        for (const QByteArray& line : maps.readAll().split('\n'))
            QVERIFY2(!line.contains("/imageformats/") && !line.contains("/iconengines/"), line.constData());
    }
    void prerenderedMatchDrawing() {
        const auto same = [](const QImage& a, const QImage& b) { return a.convertToFormat(QImage::Format_ARGB32) == b.convertToFormat(QImage::Format_ARGB32); };
        QCOMPARE(kPrerenderedCount, std::size(kFirstFramePictures) + 1);
        for (const FirstFramePicture& p : kFirstFramePictures) {
            const QImage pre = PrerenderedPicture(p.resource, QSize(p.width, p.height));
            QVERIFY2(!pre.isNull() && same(pre, DrawPicture(p.resource, pre.size(), 1.0)), p.resource);
        }
        const QImage tile = PrerenderedPicture(kWoodTileName, QSize(kWoodTileWidth, kWoodTileHeight));
        QVERIFY(!tile.isNull() && same(tile, DrawWoodTile(1.0)));
        QVERIFY(!tile.hasAlphaChannel()); // opaque, so the backdrop copies it rather than blending
        QVERIFY(PrerenderedPicture("start_m1", QSize(151, 125)).isNull()); // another size is drawn at once
        QCOMPARE(RenderPicture("start_m1", QSize(150, 125), 2.0).size(), QSize(300, 250));
    }
};

AMPERO_UI_TEST_MAIN(PicturesTest)
#include "test_pictures.moc"
