// Start-up measurement shared by the Ampero window and the bare window:
// when the first paint of the main window has been done and flushed, print
// the monotonic clock and the resident memory, then quit.
#pragma once

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <string>

namespace bench {

inline long long MonotonicNs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

inline long ResidentKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    return -1;
}

// Installed on the application: the first paint event of a widget of the
// watched window starts the report, which runs once the paint pass has
// returned to the event loop (after the backing store is flushed).
class FirstPaint : public QObject {
public:
    explicit FirstPaint(QWidget* window) : window_(window) { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (!seen_ && e->type() == QEvent::Paint && o->isWidgetType() &&
            static_cast<QWidget*>(o)->window() == window_) {
            seen_ = true;
            QTimer::singleShot(0, qApp, [] {
                std::printf("painted_ns=%lld rss_kb=%ld\n", MonotonicNs(), ResidentKb());
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    QWidget* window_;
    bool seen_ = false;
};

} // namespace bench
