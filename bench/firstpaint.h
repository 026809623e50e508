// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up measurement shared by the Ampero window and the bare window:
// when the first paint of the main window has been done and flushed, print
// the monotonic clock and the resident memory, then quit.
#pragma once

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <functional>
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
// returned to the event loop (after the backing store is flushed). Where the
// window finishes its set-up after the first frame, `ready` tells when that
// is done; the time and memory then are reported as well.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(QWidget* window, std::function<bool()> ready = {}) : window_(window), ready_(std::move(ready)) {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (!seen_ && e->type() == QEvent::Paint && o->isWidgetType() &&
            static_cast<QWidget*>(o)->window() == window_) {
            seen_ = true;
            QTimer::singleShot(0, qApp, [this] {
                std::printf("painted_ns=%lld rss_kb=%ld\n", MonotonicNs(), ResidentKb());
                // BENCH_SMAPS=<file> keeps the memory map of that moment, to
                // see which libraries and mappings the resident memory is in.
                if (const char* keep = std::getenv("BENCH_SMAPS")) {
                    std::ifstream maps("/proc/self/smaps");
                    std::ofstream(keep) << maps.rdbuf();
                }
                waitReady();
            });
        }
        return false;
    }

private:
    void waitReady() {
        if (ready_ && !ready_()) {
            QTimer::singleShot(0, qApp, [this] { waitReady(); });
            return;
        }
        std::printf("ready_ns=%lld ready_rss_kb=%ld\n", MonotonicNs(), ResidentKb());
        std::fflush(stdout);
        QCoreApplication::quit();
    }

    QWidget* window_;
    std::function<bool()> ready_;
    bool seen_ = false;
};

} // namespace bench
