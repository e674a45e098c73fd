// The splash window's cost.
//   bench_splash [benchmark flags]   one frame drawn into the image, and one
//                                    whole tick (draw and copy to the window)
//   bench_splash --startup [RUNS]    process start to first complete paint of
//                                    a bare Qt window of the splash's size,
//                                    the same with one label, the splash
//                                    window and the main window (as with
//                                    --no-splash), interleaved, RUNS each
//                                    (default 10)
// The platform comes from QT_QPA_PLATFORM as for any Qt program.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTimer>
#include <QLabel>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "DodekaederSplashForm.h"
#include "FirstPaint.h"
#include "KvadrixForm.h"

namespace {

char programName[] = "bench_splash";
char* qtArguments[] = {programName, nullptr};
int qtCount = 1;

QApplication& App() {
    static QApplication application(qtCount, qtArguments);
    return application;
}

void BM_DrawFrame(benchmark::State& state) {
    App();
    DodecahedronScene scene;
    QImage image(TDodekaederSplashForm::ImageWidth, TDodekaederSplashForm::ImageHeight, QImage::Format_RGB32);
    const QColor background(240, 240, 240);
    for (auto _ : state) {
        TDodekaederSplashForm::DrawDodecahedron(scene, image, background);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_DrawFrame)->Unit(benchmark::kMillisecond);

void BM_TickOnWindow(benchmark::State& state) {
    App();
    std::unique_ptr<TDodekaederSplashForm> splash;
    for (auto _ : state) {
        if (!splash || !splash->TimerEnabled()) {  // a fresh window every 1024 ticks
            state.PauseTiming();
            splash = std::make_unique<TDodekaederSplashForm>();
            splash->show();
            QCoreApplication::processEvents();
            state.ResumeTiming();
        }
        splash->TimerTimer();
    }
}
BENCHMARK(BM_TickOnWindow)->Unit(benchmark::kMillisecond);



const char* const Modes[] = {"bare", "text", "splash", "main"};
constexpr int ModeCount = 4;

int Child(const char* mode, int fd) {
    QApplication application(qtCount, qtArguments);
    FirstPaint probe(fd);
    std::unique_ptr<QWidget> window;
    if (std::strcmp(mode, "splash") == 0) {
        window = std::make_unique<TDodekaederSplashForm>();
    } else if (std::strcmp(mode, "main") == 0) {
        window = std::make_unique<TKvadrixForm>();
    } else {
        window = std::make_unique<QWidget>();
        window->resize(808, 627);
        // "text": the same with one line of text, which pays the font
        // system's start-up as every window with text does.
        if (std::strcmp(mode, "text") == 0) new QLabel(QStringLiteral("Kvadrix"), window.get());
    }
    window->installEventFilter(&probe);
    window->show();
    window->activateWindow();
    return application.exec();
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

double RunOnce(const char* self, const char* mode) { return TimeChildToFirstPaint(self, {"--child", mode}); }

int Startup(int runs) {
    std::vector<double> ms[ModeCount];
    for (int i = 0; i < runs; ++i)
        for (int m = 0; m < ModeCount; ++m) {
            const double t = RunOnce("/proc/self/exe", Modes[m]);
            if (t < 0) {
                std::fprintf(stderr, "%s run %d failed\n", Modes[m], i + 1);
                return 1;
            }
            ms[m].push_back(t);
        }
    const double bare = Median(ms[0]);
    for (int m = 0; m < ModeCount; ++m)
        std::printf("%-7s first paint: median %.1f ms (min %.1f, max %.1f) = %.2f x bare, %d runs\n", Modes[m],
                    Median(ms[m]), *std::min_element(ms[m].begin(), ms[m].end()),
                    *std::max_element(ms[m].begin(), ms[m].end()), Median(ms[m]) / bare, runs);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 4 && std::strcmp(argv[1], "--child") == 0) return Child(argv[2], std::atoi(argv[3]));
    if (argc >= 2 && std::strcmp(argv[1], "--startup") == 0) {
        const int runs = argc > 2 ? std::atoi(argv[2]) : 10;
        return Startup(runs > 0 && runs <= 1000 ? runs : 10);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
