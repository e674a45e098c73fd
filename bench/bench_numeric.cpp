// Timings of the numeric tabs' methods, each with its result check: a
// 5-variable minimisation, a 5-equation Newton solve and a degree-10
// regression through 21 points. Every call is bounded by 100 iterations.
#include <benchmark/benchmark.h>

#include <cmath>

#include "Confirm.h"
#include "Host.h"
#include "LinearEquations.h"
#include "Minimise.h"
#include "PointText.h"

namespace {

const VariableNames Names = DefaultVariableNames();

void BM_Minimise5(benchmark::State& state) {
    const ExpressionText f("(x-1)^2+(y+2)^2+(z-3)^2+(u-0.5)^2+(v+1)^2+x*y/4+z*u/5");
    bool found = true;
    for (auto _ : state) {
        ErrorFlag = false;
        VariableValues p{};
        found = found && MinimiseFunction(5, f, Names, 0.00001, p) && ConfirmMinimum(5, f, Names, p, 0.00001).confirmed;
        benchmark::DoNotOptimize(p);
    }
    if (!found) state.SkipWithError("no confirmed minimum");
}
BENCHMARK(BM_Minimise5)->Unit(benchmark::kMillisecond);

void BM_Newton5(benchmark::State& state) {
    const ExpressionText equations[] = {"", "x+y+z+u+v-15", "x*y-6", "y*z-12", "z^2+u-25", "exp(v-5)-1+x-2"};
    bool found = true;
    for (auto _ : state) {
        ErrorFlag = false;
        VariableValues p{0, 1, 1, 1, 1, 1};
        found = found && SolveEquationsNewton(5, equations, Names, 0.00001, p) &&
                ConfirmSolution(5, equations, Names, p, 0.00001).confirmed;
        benchmark::DoNotOptimize(p);
    }
    if (!found) state.SkipWithError("no confirmed solution");
}
BENCHMARK(BM_Newton5)->Unit(benchmark::kMillisecond);

void BM_Regression10(benchmark::State& state) {
    Vector x{}, y{};
    for (int i = 1; i <= 21; ++i) {
        x[i] = 1990 + i;
        y[i] = std::sin(i / 3.0) + i / 10.0;
    }
    bool fitted = true;
    for (auto _ : state) {
        RegressionCoefficients p;
        fitted = fitted && PolynomialRegression(21, 10, x, y, p);
        benchmark::DoNotOptimize(p);
    }
    if (!fitted) state.SkipWithError("no fit");
}
BENCHMARK(BM_Regression10)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
