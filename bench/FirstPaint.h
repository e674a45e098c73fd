#pragma once
// Start-up timing shared by the start-up benchmarks: a monotonic clock that
// parent and child processes agree on, and the filter that writes the time
// of a window's first complete paint to a pipe and ends the child.
#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>

#include <cstdio>
#include <ctime>
#include <string>
#include <unistd.h>

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
