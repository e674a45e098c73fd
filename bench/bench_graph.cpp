// Graph timings: sampling a 100-character f (the even grid of 1000 points and
// the adaptive sampling of a view), and opening the graph window with a graph
// up to its first complete paint. Qt runs offscreen unless QT_QPA_PLATFORM says otherwise.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "FieldReaders.h"
#include "TabGraphs.h"
#include "GraphWindow.h"

namespace {

// 100 characters: a polynomial, a quotient and the standard functions.
constexpr const char* Text =
    "x^4-3*x^3+2.5*x^2-x+1+sin(2*x)*cos(x)-exp(-x^2/4)+atan(x)/(1+x^2)-sqrt(x^2+1)+ln(x^2+2)-abs(x)/3+7.5";
static_assert(std::char_traits<char>::length(Text) == 100);

void BM_SampleGrid1000(benchmark::State& state) {
    const auto f = FieldFunction(Text);
    for (auto _ : state) benchmark::DoNotOptimize(SampleGrid(*f, -10, 10, 1000));
    state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(BM_SampleGrid1000)->Unit(benchmark::kMicrosecond);

void BM_SampleAdaptive(benchmark::State& state) {
    const auto f = FieldFunction(Text);
    std::size_t points = 0;
    for (auto _ : state) {
        const Sampling s = SampleFunction(*f, -4, 4, -20, 60);
        points = 0;
        for (const auto& piece : s.pieces) points += piece.size();
        benchmark::DoNotOptimize(points);
    }
    state.counters["points"] = static_cast<double>(points);
}
BENCHMARK(BM_SampleAdaptive)->Unit(benchmark::kMicrosecond);

void BM_OpenGraphWindow(benchmark::State& state) {
    Form form;
    form.Differentiation.fx_Edit.text = Text;
    form.Differentiation.df_dx_Edit.text = "4*x^3-9*x^2+5*x-1";
    form.Differentiation.x_Edit.text = "1";
    form.Differentiation.f_value_Edit.text = "1.0000";
    for (auto _ : state) {
        TGraphForm window;
        window.show();
        window.ShowGraph(BuildGraph(form, DifferentiationTabSheet));
        benchmark::DoNotOptimize(window.grab());  // lays out and paints it all once
    }
}
BENCHMARK(BM_OpenGraphWindow)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
