// SPDX-License-Identifier: GPL-3.0-or-later
// Starts a program and its yardsticks in turn, N times each, and compares the
// time from the start to their first painted window and their resident
// memory then (and when the program is ready, for one that finishes its
// set-up after the first frame).
//   startup_driver N PROGRAM BASELINE [BASELINE ...]
// Each program prints "painted_ns=<CLOCK_MONOTONIC ns> rss_kb=<kB>" once,
// and may print "ready_ns=<ns> ready_rss_kb=<kB>" after it.
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

extern char** environ;

namespace {

long long MonotonicNs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

struct Sample {
    double ms;
    double rssMb;
    double readyMs;
    double readyRssMb;
};

bool RunOnce(const char* program, Sample& out) {
    int pipefd[2];
    if (pipe(pipefd) != 0) return false;
    posix_spawn_file_actions_t fa;
    posix_spawn_file_actions_init(&fa);
    posix_spawn_file_actions_adddup2(&fa, pipefd[1], 1);
    posix_spawn_file_actions_addclose(&fa, pipefd[0]);
    char* argv[] = {const_cast<char*>(program), nullptr};
    pid_t pid = 0;
    const long long start = MonotonicNs();
    const int rc = posix_spawn(&pid, program, &fa, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&fa);
    close(pipefd[1]);
    if (rc != 0) {
        close(pipefd[0]);
        return false;
    }
    std::string text;
    char buf[256];
    ssize_t n;
    while ((n = read(pipefd[0], buf, sizeof buf)) > 0) text.append(buf, static_cast<size_t>(n));
    close(pipefd[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    long long painted = 0;
    long rss = 0;
    const size_t at = text.find("painted_ns=");
    if (at == std::string::npos || std::sscanf(text.c_str() + at, "painted_ns=%lld rss_kb=%ld", &painted, &rss) != 2)
        return false;
    out.ms = static_cast<double>(painted - start) / 1e6;
    out.rssMb = static_cast<double>(rss) / 1024.0;
    // A program that sets up the rest of its window after the first frame
    // also reports when that is done; otherwise it is ready when painted.
    long long ready = painted;
    long readyRss = rss;
    const size_t r = text.find("ready_ns=");
    if (r != std::string::npos &&
        std::sscanf(text.c_str() + r, "ready_ns=%lld ready_rss_kb=%ld", &ready, &readyRss) != 2)
        return false;
    out.readyMs = static_cast<double>(ready - start) / 1e6;
    out.readyRssMb = static_cast<double>(readyRss) / 1024.0;
    return true;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const size_t m = v.size() / 2;
    return v.size() % 2 ? v[m] : (v[m - 1] + v[m]) / 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s N PROGRAM BASELINE [BASELINE ...]\n", argv[0]);
        return 2;
    }
    const int n = std::max(1, std::atoi(argv[1]));
    const std::vector<const char*> programs(argv + 2, argv + argc);
    const size_t count = programs.size();
    std::vector<std::vector<double>> ms(count), rss(count), readyMs(count), readyRss(count);
    // One warm-up run each fills the page cache; then they take turns.
    for (int i = -1; i < n; ++i)
        for (size_t p = 0; p < count; ++p) {
            Sample s{};
            if (!RunOnce(programs[p], s)) {
                std::fprintf(stderr, "%s did not report its first paint\n", programs[p]);
                return 1;
            }
            if (i < 0) continue;
            ms[p].push_back(s.ms);
            rss[p].push_back(s.rssMb);
            readyMs[p].push_back(s.readyMs);
            readyRss[p].push_back(s.readyRssMb);
        }
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    std::printf("platform %s, %d runs each (medians; min..max)\n", platform ? platform : "(default)", n);
    const auto row = [](const std::string& what, const std::vector<double>& t, const std::vector<double>& m) {
        std::printf("  %-30s start-up %6.1f ms (%.1f..%.1f)   resident %5.1f MB (%.1f..%.1f)\n", what.c_str(),
                    Median(t), *std::min_element(t.begin(), t.end()), *std::max_element(t.begin(), t.end()), Median(m),
                    *std::min_element(m.begin(), m.end()), *std::max_element(m.begin(), m.end()));
    };
    std::vector<std::string> names;
    for (const char* p : programs) names.emplace_back(std::strrchr(p, '/') ? std::strrchr(p, '/') + 1 : p);
    row(names[0] + " (first paint)", ms[0], rss[0]);
    row(names[0] + " (ready)", readyMs[0], readyRss[0]);
    for (size_t p = 1; p < count; ++p) row(names[p], ms[p], rss[p]);
    for (size_t p = 1; p < count; ++p) {
        std::printf("  against %s:\n", names[p].c_str());
        std::printf("    at first paint               start-up %6.2f x               resident %5.2f x\n",
                    Median(ms[0]) / Median(ms[p]), Median(rss[0]) / Median(rss[p]));
        std::printf("    when ready                   start-up %6.2f x               resident %5.2f x\n",
                    Median(readyMs[0]) / Median(ms[p]), Median(readyRss[0]) / Median(rss[p]));
    }
    return 0;
}
