// Start-up of the main window: from process start to the window's first
// complete paint, and the peak memory of that process; and the time from
// leaving a field on the y=f(x) tab to the result shown.
//
//   bench_startup [RUNS]   starts itself RUNS times (default 10) as a child
//                          that builds the window and quits at its first
//                          paint; prints the median, minimum and maximum.
//   bench_startup --handler [REPEATS]
//                          leaves x0Edit REPEATS times (default 1000).
//
// The same file without Qt (KVADRIX_CLI_ONLY) is bench_cli_startup, which
// times the whole kvadrix-cli process. It must not link Qt itself: a child's
// peak memory counts its parent's from before the child's exec.
//   bench_cli_startup [RUNS]
//                          runs kvadrix-cli value 'x^2' 2 RUNS times (default
//                          200): CPU time and peak memory of the whole process.
//   bench_cli_startup --batch [LINES]
//                          one kvadrix-cli batch of LINES school exercises
//                          (default 10000): its time, CPU and peak memory.
// The platform comes from QT_QPA_PLATFORM as for any Qt program.
#ifndef KVADRIX_CLI_ONLY
#include <QApplication>
#include <QLineEdit>
#include <QTimer>
#endif
#include <spawn.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#ifndef KVADRIX_CLI_ONLY
#include "FirstPaint.h"
#include "KvadrixForm.h"
#endif

extern char** environ;

namespace {

constexpr int MaxRuns = 1000;


double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}


#ifndef KVADRIX_CLI_ONLY
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

#endif

int Count(const char* text, int fallback, int most = MaxRuns) {
    const int n = text ? std::atoi(text) : fallback;
    return n > 0 && n <= most ? n : fallback;
}

#ifdef KVADRIX_CLI_ONLY
double CpuMs(const rusage& usage) {
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

// Runs kvadrix-cli with the arguments, its output to /dev/null; the wall
// time in ms and the child's resource use, or -1.
double RunCli(std::vector<std::string> args, const char* input, rusage* usage) {
    args.insert(args.begin(), KVADRIX_CLI);
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    if (input) posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, input, O_RDONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    const int failed = posix_spawn(&child, KVADRIX_CLI, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed) return -1;
    int status = 0;
    if (wait4(child, &status, 0, usage) != child) return -1;
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    return WIFEXITED(status) && WEXITSTATUS(status) <= 1 ? ms : -1;
}

int Cli(int runs) {
    std::vector<double> ms, cpuMs;
    long maxRssKb = 0;
    for (int i = 0; i < runs; ++i) {
        rusage usage{};
        const double t = RunCli({"value", "x^2", "2"}, nullptr, &usage);
        if (t < 0) {
            std::fprintf(stderr, "run %d failed\n", i + 1);
            return 1;
        }
        ms.push_back(t);
        cpuMs.push_back(CpuMs(usage));
        maxRssKb = std::max(maxRssKb, usage.ru_maxrss);
    }
    std::printf("kvadrix-cli value 'x^2' 2: CPU median %.2f ms, max %.2f ms; wall median %.2f ms; "
                "peak RSS %.2f MB over %d runs\n",
                Median(cpuMs), *std::max_element(cpuMs.begin(), cpuMs.end()), Median(ms), maxRssKb / 1024.0, runs);
    return 0;
}

// School exercises of every computation tab, the numbers varied by line.
int Batch(int lines) {
    const char* const exercises[] = {
        "value 'x^2-3*x+%d' %d",         "diff 'x^3-%d*x' %d",          "reduce '(x^2-%d)/(x-%d)'",
        "integrate 'x^2+%d*x' 0 %d",     "roots 'x^2-%d*x+%d'",         "divide 'x^3+%d' 'x+%d'",
        "fraction '(x^2-%d)/(x+%d)'",    "value 'sqrt(x+%d)' %d",       "diff 'sin(%d*x)*exp(x)' %d",
        "minimise '(x-%d)^2+(y-%d)^2' '(0,0)'", "solve 'x+y-%d' 'x-y-%d'", "regression '(0,%d); (1,%d); (2,5)'",
    };
    char path[] = "/tmp/kvadrix-bench-batch-XXXXXX";
    const int fd = mkstemp(path);
    if (fd < 0) return 1;
    std::string text;
    const int count = sizeof exercises / sizeof *exercises;
    for (int i = 0; i < lines; ++i) {
        char line[200];
        std::snprintf(line, sizeof line, exercises[i % count], 1 + i % 7, 1 + i % 5);
        text += line;
        text += '\n';
    }
    const bool written = write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    close(fd);
    rusage usage{};
    const double ms = written ? RunCli({"batch", "-"}, path, &usage) : -1;
    std::remove(path);
    if (ms < 0) {
        std::fprintf(stderr, "the batch failed\n");
        return 1;
    }
    std::printf("kvadrix-cli batch of %d school exercises: %.2f s, CPU %.2f s, peak RSS %.2f MB\n", lines, ms / 1e3,
                CpuMs(usage) / 1e3, usage.ru_maxrss / 1024.0);
    return 0;
}

#endif

}  // namespace

int main(int argc, char** argv) {
#ifdef KVADRIX_CLI_ONLY
    if (argc >= 2 && std::strcmp(argv[1], "--batch") == 0)
        return Batch(Count(argc > 2 ? argv[2] : nullptr, 10000, 1000000));
    return Cli(Count(argc > 1 ? argv[1] : nullptr, 200));
#else
    if (argc >= 3 && std::strcmp(argv[1], "--child") == 0) return Child(1, argv, std::atoi(argv[2]));
    if (argc >= 2 && std::strcmp(argv[1], "--handler") == 0) return Handler(1, argv, Count(argc > 2 ? argv[2] : nullptr, 1000));
    return Parent("/proc/self/exe", Count(argc > 1 ? argv[1] : nullptr, 10));
#endif
}
