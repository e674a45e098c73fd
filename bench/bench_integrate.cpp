// Per-item timings of integration on a corpus file (default: the shared
// fifty-item corpus): the tab's whole computation, text in to checked text
// out, and the engine alone; median over repeated runs in one warm process.
// Then Google Benchmark runs for Simpson's rule with 21 panels.
//   bench_integrate [CORPUS] [--benchmark_...]
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "Form.h"
#include "Handlers.h"
#include "Host.h"
#include "Integrate.h"
#include "Simpson.h"

namespace {

class QuietHost : public Host {
public:
    void AddLogLine(std::string_view) override {}
    bool ErrorBox(std::string_view, bool) override { return false; }
};

constexpr int Runs = 101;

template <class F>
double MedianSeconds(F&& run) {
    std::vector<double> t;
    for (int i = 0; i < Runs; ++i) {
        auto start = std::chrono::steady_clock::now();
        run();
        t.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    std::nth_element(t.begin(), t.begin() + Runs / 2, t.end());
    return t[Runs / 2];
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

void Corpus(const char* path) {
    std::ifstream in(path);
    if (!in) {
        std::fprintf(stderr, "cannot read %s\n", path);
        return;
    }
    QuietHost host;
    SetHost(&host);
    Form form;
    std::vector<double> tab, engine, failing;
    int found = 0;
    std::string line;
    std::printf("%-24s %10s %10s  %s\n", "integrand", "tab us", "engine us", "F(x)");
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        if (line[0] == '!') line.erase(0, 1);
        double t = MedianSeconds([&] {
            form.LogMemo.clear();
            form.Integration.fxEdit.text = line;
            RunHandler(form, fxEditExit);
        });
        double e = MedianSeconds([&] {
            ErrorFlag = false;
            benchmark::DoNotOptimize(IntegrateExpression(line));
        });
        const std::string& shown = form.Integration.StamfunktionEdit.text;
        bool ok = shown != "Kan ikke udregne Integralet. Se log";
        found += ok;
        tab.push_back(t);
        engine.push_back(e);
        if (!ok) failing.push_back(t);
        std::printf("%-24s %10.1f %10.1f  %s\n", line.c_str(), t * 1e6, e * 1e6, shown.c_str());
    }
    std::printf("\n%zu integrands, %d found; tab median %.1f us, max %.1f us; engine median %.1f us, max %.1f us;"
                " giving up: max %.1f us\n\n",
                tab.size(), found, Median(tab) * 1e6, *std::max_element(tab.begin(), tab.end()) * 1e6,
                Median(engine) * 1e6, *std::max_element(engine.begin(), engine.end()) * 1e6,
                failing.empty() ? 0.0 : *std::max_element(failing.begin(), failing.end()) * 1e6);
    SetHost(nullptr);
}

void BM_Simpson21(benchmark::State& state, const char* f) {
    const ExpressionText text(f);
    for (auto _ : state) {
        ErrorFlag = false;
        benchmark::DoNotOptimize(SimpsonIntegral(text, 21, 0, 2));
    }
}
BENCHMARK_CAPTURE(BM_Simpson21, polynomial, "x^3-2*x+1");
BENCHMARK_CAPTURE(BM_Simpson21, exp_square, "exp(x^2)");
BENCHMARK_CAPTURE(BM_Simpson21, x_power_x, "x^x");

}  // namespace

int main(int argc, char** argv) {
    const char* corpus = KVADRIX_BENCH_CORPUS;
    if (argc > 1 && argv[1][0] != '-') {
        corpus = argv[1];
        --argc;
        ++argv;
    }
    Corpus(corpus);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
