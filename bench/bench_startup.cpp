// Start-up of the main window: from process start to the window's first
// complete paint, and the peak memory of that process; and the time from
// leaving a field on the y=f(x) tab to the result shown.
//
//   bench_startup [RUNS]   starts itself RUNS times (default 10) as a child
//                          that builds the window and quits at its first
//                          paint; prints the median, minimum and maximum.
//   bench_startup --handler [REPEATS]
//                          leaves x0Edit REPEATS times (default 1000).
// The platform comes from QT_QPA_PLATFORM as for any Qt program.
#include <QApplication>
#include <QLineEdit>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "FirstPaint.h"
#include "KvadrixForm.h"

namespace {

constexpr int MaxRuns = 1000;


double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}


int Child(int argc, char** argv, int fd) {
    QApplication application(argc, argv);
    TKvadrixForm form;
    FirstPaint probe(fd);
    form.installEventFilter(&probe);
    form.show();
    form.activateWindow();
    return application.exec();
}

int Parent(const char* self, int runs) {
    std::vector<double> ms, cpuMs;
    long maxRssKb = 0;
    for (int i = 0; i < runs; ++i) {
        rusage usage{};
        const double t = TimeChildToFirstPaint(self, {"--child"}, &usage);
        if (t < 0) {
            std::fprintf(stderr, "run %d failed\n", i + 1);
            return 1;
        }
        ms.push_back(t);
        // CPU time of the whole child (to its exit): the part of the figure
        // that other processes on the machine do not inflate.
        cpuMs.push_back((usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
                        (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3);
        maxRssKb = std::max(maxRssKb, usage.ru_maxrss);
    }
    std::printf("first paint: median %.1f ms, min %.1f ms, max %.1f ms over %d runs; "
                "CPU to exit median %.1f ms; peak RSS %.1f MB\n",
                Median(ms), *std::min_element(ms.begin(), ms.end()), *std::max_element(ms.begin(), ms.end()), runs,
                Median(cpuMs), maxRssKb / 1024.0);
    return 0;
}

int Handler(int argc, char** argv, int repeats) {
    QApplication application(argc, argv);
    TKvadrixForm form;
    form.show();
    form.activateWindow();
    for (int i = 0; i < 500 && !form.isActiveWindow(); ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        usleep(2000);
    }
    if (!form.isActiveWindow()) {
        std::fprintf(stderr, "the window did not become active\n");
        return 1;
    }
    auto* f = form.findChild<QLineEdit*>("f_x_Edit");
    auto* x0 = form.findChild<QLineEdit*>("x0Edit");
    auto* result = form.findChild<QLineEdit*>("f_x0_Edit");
    f->setFocus();
    f->setText("x^2*sin(x)+exp(-x/3)");
    x0->setFocus();
    x0->setText("1,5");
    std::vector<double> us;
    for (int i = 0; i < repeats; ++i) {
        x0->setFocus();
        result->clear();  // only the handler can fill it again
        const auto start = std::chrono::steady_clock::now();
        result->setFocus();  // leaves x0Edit: its exit handler writes the result
        const auto stop = std::chrono::steady_clock::now();
        if (result->text().isEmpty()) {
            std::fprintf(stderr, "no result shown\n");
            return 1;
        }
        us.push_back(std::chrono::duration<double, std::micro>(stop - start).count());
    }
    std::printf("leaving x0Edit to f(x0) = %s shown: median %.1f us, max %.1f us over %d runs\n",
                result->text().toStdString().c_str(), Median(us), *std::max_element(us.begin(), us.end()), repeats);
    return 0;
}

int Count(const char* text, int fallback) {
    const int n = text ? std::atoi(text) : fallback;
    return n > 0 && n <= MaxRuns ? n : fallback;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 3 && std::strcmp(argv[1], "--child") == 0) return Child(1, argv, std::atoi(argv[2]));
    if (argc >= 2 && std::strcmp(argv[1], "--handler") == 0) return Handler(1, argv, Count(argc > 2 ? argv[2] : nullptr, 1000));
    return Parent("/proc/self/exe", Count(argc > 1 ? argv[1] : nullptr, 10));
}
