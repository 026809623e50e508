// What the window costs to start: the first frame maps no image format or
// icon plug-in, and the calculator pages come after it.
#include "uitest.h"

class StartupTest : public QObject {
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
};

AMPERO_UI_TEST_MAIN(StartupTest)
#include "test_startup.moc"
