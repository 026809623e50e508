// What the window costs to start: the first frame reads no image format or
// icon plug-in (each one loaded is a library to map and relocate), and the
// calculator pages come after it.
#include <QFile>

#include "uitest.h"

using namespace uitest;

namespace {
QStringList LoadedPlugins() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly)) return {QStringLiteral("(no /proc/self/maps)")};
    QStringList found;
    for (const QByteArray& line : maps.readAll().split('\n'))
        if (line.contains("/imageformats/") || line.contains("/iconengines/"))
            found << QString::fromLocal8Bit(line.mid(line.lastIndexOf(' ') + 1));
    found.removeDuplicates();
    return found;
}
} // namespace

class StartupTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Runs first, in a process that has drawn nothing yet.
    void firstFrameLoadsNoImagePlugins() {
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY(!w.page(2)); // the pages are not there yet
        QTRY_VERIFY(w.page(2));
        const QStringList plugins = LoadedPlugins();
        QVERIFY2(plugins.isEmpty(), qPrintable(plugins.join(QLatin1Char(' '))));
    }
};

AMPERO_UI_TEST_MAIN(StartupTest)
#include "test_startup.moc"
