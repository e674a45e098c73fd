#pragma once
// Start-up timing shared by the start-up benchmarks: a monotonic clock that
// parent and child processes agree on, and the filter that writes the time
// of a window's first complete paint to a pipe and ends the child.
#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

inline long long MonotonicNs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

// The queued call runs after the paint event and the flush of the whole
// window that it belongs to.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(int fd) : fd_(fd) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, [this] {
                const std::string ns = std::to_string(MonotonicNs()) + "\n";
                if (write(fd_, ns.data(), ns.size()) < 0) std::perror("write");
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    int fd_;
    bool seen_ = false;
};

// Starts self with the arguments and the write end of a pipe appended, and
// gives the milliseconds from the start to the first paint the child reports
// through FirstPaint, or -1 when the child fails. usage, if given, receives
// the child's resource usage to its exit.
inline double TimeChildToFirstPaint(const char* self, std::vector<std::string> args, rusage* usage = nullptr) {
    int fds[2];
    if (pipe(fds) != 0) return -1;
    const long long start = MonotonicNs();
    const pid_t pid = fork();
    if (pid < 0) return -1;
    if (pid == 0) {
        close(fds[0]);
        args.insert(args.begin(), self);
        args.push_back(std::to_string(fds[1]));
        std::vector<char*> argv;
        for (std::string& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        execv(self, argv.data());
        _exit(127);
    }
    close(fds[1]);
    char buffer[64] = {};
    ssize_t got = 0;
    for (int reads = 0; reads < 64 && got < static_cast<ssize_t>(sizeof buffer) - 1; ++reads) {
        const ssize_t n = read(fds[0], buffer + got, sizeof buffer - 1 - got);
        if (n <= 0) break;
        got += n;
    }
    close(fds[0]);
    int status = 0;
    rusage own{};
    wait4(pid, &status, 0, usage ? usage : &own);
    if (got <= 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
    return (std::atoll(buffer) - start) / 1e6;
}
