// Timings of the numeric tabs' methods, each with its result check: a
// 5-variable minimisation, a 5-equation Newton solve and a degree-10
// regression through 21 points. Every call is bounded by 100 iterations.
// The searches as the tabs run them (descent, then Newton; Newton, then
// Levenberg-Marquardt; the sum of squares) on 5 unknowns, target under 5 ms
// each, giving up included; and one equation solved on [-10, 10].
#include <benchmark/benchmark.h>

#include <cmath>

#include "Confirm.h"
#include "Host.h"
#include "LinearEquations.h"
#include "Minimise.h"
#include "PointText.h"
#include "Search.h"

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

// The 5-variable Rosenbrock valley: 100 descent steps, then Newton.
void BM_FindMinimumRosenbrock5(benchmark::State& state) {
    const ExpressionText f(
        "100*(y-x^2)^2+(1-x)^2+100*(z-y^2)^2+(1-y)^2+100*(u-z^2)^2+(1-z)^2+100*(v-u^2)^2+(1-u)^2");
    bool found = true;
    for (auto _ : state) {
        ErrorFlag = false;
        VariableValues p{};
        found = found && FindMinimum(5, f, Names, 0.00001, p).found;
        benchmark::DoNotOptimize(p);
    }
    if (!found) state.SkipWithError("no confirmed minimum");
}
BENCHMARK(BM_FindMinimumRosenbrock5)->Unit(benchmark::kMillisecond);

// Unbounded below: every method runs out of iterations and gives up.
void BM_FindMinimumGivesUp5(benchmark::State& state) {
    const ExpressionText f("x+y+z+u+v-(x^2+y^2+z^2+u^2+v^2)/1000000");
    bool found = false;
    for (auto _ : state) {
        ErrorFlag = false;
        VariableValues p{};
        found = found || FindMinimum(5, f, Names, 0.00001, p).found;
        benchmark::DoNotOptimize(p);
    }
    if (found) state.SkipWithError("a minimum where there is none");
}
BENCHMARK(BM_FindMinimumGivesUp5)->Unit(benchmark::kMillisecond);

const ExpressionText Singular5[] = {"", "x*y-1", "y*z-1", "z*u-1", "u*v-1", "v+x-2"};

// Newton meets a singular Jacobian at the start; Levenberg-Marquardt goes on.
void BM_SolveEquationsSingularStart5(benchmark::State& state) {
    bool found = true;
    for (auto _ : state) {
        ErrorFlag = false;
        VariableValues p{};
        found = found && SolveEquations(5, Singular5, Names, 0.00001, p, false).found;
        benchmark::DoNotOptimize(p);
    }
    if (!found) state.SkipWithError("no confirmed solution");
}
BENCHMARK(BM_SolveEquationsSingularStart5)->Unit(benchmark::kMillisecond);

// A linear system of 5 unknowns by the minimum of the sum of squares.
void BM_LeastSquaresLinear5(benchmark::State& state) {
    const ExpressionText equations[] = {"", "x+y+z+u+v-3", "x-y+u-v+3", "2*x+z-4", "y+u+3", "z+v-5"};
    bool found = true;
    for (auto _ : state) {
        ErrorFlag = false;
        VariableValues p{};
        found = found && SolveEquations(5, equations, Names, 0.00001, p, true).found;
        benchmark::DoNotOptimize(p);
    }
    if (!found) state.SkipWithError("no confirmed solution");
}
BENCHMARK(BM_LeastSquaresLinear5)->Unit(benchmark::kMillisecond);

// No solution: Newton, Levenberg-Marquardt and Newton on the sum all give up.
void BM_SolveEquationsNoSolution5(benchmark::State& state) {
    // Newton wanders for its 100 iterations (x^2+1 = 0 has no real root), then
    // Levenberg-Marquardt and Newton on the sum of squares give up too.
    const ExpressionText equations[] = {"", "x^2+1", "y^2+1", "z^2+1", "u^2+1", "v^2+1"};
    bool found = false;
    for (auto _ : state) {
        ErrorFlag = false;
        VariableValues p{0, 0.7, 0.3, 1.3, 0.9, 2.1};
        found = found || SolveEquations(5, equations, Names, 0.00001, p, false).found;
        benchmark::DoNotOptimize(p);
    }
    if (found) state.SkipWithError("a solution where there is none");
}
BENCHMARK(BM_SolveEquationsNoSolution5)->Unit(benchmark::kMillisecond);

void BM_SolutionsInInterval(benchmark::State& state) {
    std::size_t count = 0;
    for (auto _ : state) {
        std::vector<std::string> reports;
        count = SolutionsInInterval("sin(x)-x/10", 'x', -10, 10, 0.00001, reports).size();
    }
    if (count != 7) state.SkipWithError("not the 7 solutions");
}
BENCHMARK(BM_SolutionsInInterval)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
