// Starts two programs in turn, N times each, and compares the time from the
// start to their first painted window and their resident memory then.
//   startup_driver N PROGRAM BASELINE
// Each program prints "painted_ns=<CLOCK_MONOTONIC ns> rss_kb=<kB>" once.
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
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s N PROGRAM BASELINE\n", argv[0]);
        return 2;
    }
    const int n = std::max(1, std::atoi(argv[1]));
    const char* programs[2] = {argv[2], argv[3]};
    std::vector<double> ms[2], rss[2], readyMs[2], readyRss[2];
    // One warm-up run each fills the page cache; then they take turns.
    for (int i = -1; i < n; ++i)
        for (int p = 0; p < 2; ++p) {
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
    const auto row = [](const char* what, const std::vector<double>& t, const std::vector<double>& m) {
        std::printf("  %-28s start-up %7.1f ms (%.1f..%.1f)   resident %6.1f MB (%.1f..%.1f)\n", what, Median(t),
                    *std::min_element(t.begin(), t.end()), *std::max_element(t.begin(), t.end()), Median(m),
                    *std::min_element(m.begin(), m.end()), *std::max_element(m.begin(), m.end()));
    };
    std::string names[2];
    for (int p = 0; p < 2; ++p) {
        const char* slash = std::strrchr(programs[p], '/');
        names[p] = slash ? slash + 1 : programs[p];
        row(names[p].c_str(), ms[p], rss[p]);
    }
    std::printf("  ratio at first paint         start-up %7.2f x               resident %6.2f x\n",
                Median(ms[0]) / Median(ms[1]), Median(rss[0]) / Median(rss[1]));
    row((names[0] + " ready").c_str(), readyMs[0], readyRss[0]);
    std::printf("  ratio when ready             start-up %7.2f x               resident %6.2f x\n",
                Median(readyMs[0]) / Median(readyMs[1]), Median(readyRss[0]) / Median(readyRss[1]));
    return 0;
}
