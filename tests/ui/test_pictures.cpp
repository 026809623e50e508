// Every picture the window shows exists and draws something; with
// AMPERO_SHOTS_DIR set, a screenshot of the start page and of every tab is
// saved there for review.
#include <QDir>
#include <QImage>
#include <QTabWidget>

#include "uitest.h"

using namespace uitest;
using ampero::ui::SvgPicture;

class PicturesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The pictures drawn when the program was built are all there and have
    // the pixels the window would draw now; a stale or wrongly drawn one
    // shows here.
    void prerenderedMatchDrawing() {
        using namespace ampero::ui;
        QCOMPARE(kPrerenderedCount, std::size(kFirstFramePictures) + 1);
        const auto same = [](const QImage& pre, const QImage& now, const char* name) {
            QVERIFY2(!pre.isNull(), name);
            QCOMPARE(pre.size(), now.size());
            QVERIFY2(pre.convertToFormat(QImage::Format_ARGB32) == now.convertToFormat(QImage::Format_ARGB32), name);
        };
        for (const FirstFramePicture& p : kFirstFramePictures) {
            const QSize size(p.width, p.height);
            same(PrerenderedPicture(p.resource, size), DrawPicture(QString::fromLatin1(p.resource), size, 1.0),
                 p.resource);
        }
        same(PrerenderedPicture(kWoodTileName, QSize(kWoodTileWidth, kWoodTileHeight)), DrawWoodTile(1.0),
             kWoodTileName);
        // The tile is opaque, so filling the backdrop copies it rather than
        // blending it.
        QVERIFY(!PrerenderedPicture(kWoodTileName, QSize(kWoodTileWidth, kWoodTileHeight)).hasAlphaChannel());
        QVERIFY(PrerenderedPicture("start_m1", QSize(150, 125)).hasAlphaChannel());
        // Another size or pixel ratio is drawn at once.
        QVERIFY(PrerenderedPicture("start_m1", QSize(151, 125)).isNull());
        const QPixmap twice = RenderPicture(QStringLiteral("start_m1"), QSize(150, 125), 2.0);
        QCOMPARE(twice.size(), QSize(300, 250));
    }

    void screenshots() {
        const QString dir = qEnvironmentVariable("AMPERO_SHOTS_DIR");
        if (dir.isEmpty()) QSKIP("set AMPERO_SHOTS_DIR to save screenshots");
        QDir().mkpath(dir);
        Ui ui;
        QVERIFY(ui.w->grab().save(dir + "/start.png"));
        const char* navs[] = {"cmdOhm", "cmdRC", "cmdKond", "cmdIndukt", "cmdReso"};
        const char* tabs[] = {"TabOhm", "TabRC", "TabCap", "TabCoil", "TabRes"};
        for (int n = 0; n < 5; ++n) {
            ui.click(navs[n]);
            auto* t = ui.get<QTabWidget>(tabs[n]);
            for (int i = 0; i < t->count(); ++i) {
                ui.selectTab(tabs[n], i);
                QVERIFY(ui.w->grab().save(QStringLiteral("%1/%2_%3.png").arg(dir, tabs[n]).arg(i)));
            }
            ui.selectTab(tabs[n], 0);
        }
    }
};

AMPERO_UI_TEST_MAIN(PicturesTest)
#include "test_pictures.moc"
