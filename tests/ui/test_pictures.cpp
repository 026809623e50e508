// The pictures drawn when the program was built are all there and have the
// pixels the window would draw now. With AMPERO_SHOTS_DIR set, a screenshot of
// the start page and of every tab is saved there for review.
#include "uitest.h"

using namespace ampero::ui;

class PicturesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
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
    void screenshots() {
        const QString dir = qEnvironmentVariable("AMPERO_SHOTS_DIR");
        if (dir.isEmpty()) QSKIP("set AMPERO_SHOTS_DIR to save screenshots");
        uitest::Ui ui;
        QVERIFY(QDir().mkpath(dir) && ui.w->grab().save(dir + "/start.png"));
        for (const char* nav : {"cmdOhm", "cmdRC", "cmdKond", "cmdIndukt", "cmdReso"}) {
            ui.click(nav);
            QTabWidget* tabs = nullptr;
            for (int p = 2; p <= 6; ++p) tabs = ui.w->page(p)->isVisible() ? ui.w->page(p)->tabs() : tabs;
            for (int i = 0; i < tabs->count(); ++i) {
                ui.selectTab(tabs, i);
                QVERIFY(ui.w->grab().save(QString("%1/%2_%3.png").arg(dir, tabs->objectName()).arg(i)));
            }
            ui.selectTab(tabs, 0);
        }
    }
};

AMPERO_UI_TEST_MAIN(PicturesTest)
#include "test_pictures.moc"
