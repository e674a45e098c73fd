// Timings of the evaluators on the texts the tabs evaluate most: a function
// value, a long polynomial, and the 43 values of a 21-panel Simpson integral;
// each by re-reading the text and by replaying its compiled form.
#include <benchmark/benchmark.h>

#include <string>

#include "CompiledFunction.h"
#include "Evaluate.h"
#include "Host.h"
#include "Rational.h"
#include "Simpson.h"

namespace {

void EvaluateAt(benchmark::State& state, const char* text) {
    const ExpressionText expr(text);
    double x = 0.75;
    for (auto _ : state) {
        ErrorFlag = false;
        benchmark::DoNotOptimize(EvaluateFunction(expr, x));
        benchmark::ClobberMemory();
    }
    if (ErrorFlag) state.SkipWithError("evaluation failed");
}

void CompiledAt(benchmark::State& state, const char* text) {
    const CompiledFunction f{ExpressionText(text)};
    double x = 0.75;
    for (auto _ : state) {
        ErrorFlag = false;
        benchmark::DoNotOptimize(f(x));
        benchmark::ClobberMemory();
    }
    if (ErrorFlag) state.SkipWithError("evaluation failed");
}

// A degree-20 polynomial and the four short cases: 220 characters.
constexpr const char* LongText =
    "x^20-3.5*x^19+2.25*x^18-x^17+5.25*x^16-4.5*x^15+x^14-7.125*x^13+2*x^12+1.25*x^11-x^10+6.5*x^9-3.75*x^8+x^7-2.75*x^6+4.5*x^5-x^4+3.5*x^3-2.5*x^2+x-1"
    "+x^2*sin(x)+1+sqrt(1+x^2)*exp(-x/2)+ln(x)/x+atan(x)^2+(x^3-2*x+1)/(x^2+1)";
static_assert(std::char_traits<char>::length(LongText) == 220);

void BM_Simpson21(benchmark::State& state) {
    const ExpressionText expr("sin(x)^2");
    constexpr int Points = 43;
    const double h = 3.141592653589793 / (Points - 1);
    for (auto _ : state) {
        ErrorFlag = false;
        double sum = 0;
        for (int i = 0; i < Points; ++i) sum += EvaluateFunction(expr, i * h);
        benchmark::DoNotOptimize(sum);
    }
}

void BM_Simpson21Compiled(benchmark::State& state) {
    const CompiledFunction f{ExpressionText("sin(x)^2")};
    constexpr int Points = 43;
    const double h = 3.141592653589793 / (Points - 1);
    for (auto _ : state) {
        ErrorFlag = false;
        double sum = 0;
        for (int i = 0; i < Points; ++i) sum += f(i * h);
        benchmark::DoNotOptimize(sum);
    }
}

// The whole rule as the Integration tab calls it, compilation included.
void BM_SimpsonIntegral21(benchmark::State& state) {
    const ExpressionText expr("sin(x)^2");
    for (auto _ : state) {
        ErrorFlag = false;
        benchmark::DoNotOptimize(SimpsonIntegral(expr, 21, 0, 3.141592653589793));
    }
}

void BM_Compile220(benchmark::State& state) {
    const ExpressionText expr(LongText);
    for (auto _ : state) {
        CompiledFunction f(expr);
        benchmark::DoNotOptimize(f);
    }
}

void BM_EvaluateFunctionN(benchmark::State& state) {
    VariableNames names{};
    names[1] = 'x', names[2] = 'y', names[3] = 'z';
    VariableValues values{};
    values[1] = 0.5, values[2] = 1.5, values[3] = -2;
    const ExpressionText expr("(x-1)^2+(y-2)^2+sin(z)*x*y");
    for (auto _ : state) {
        ErrorFlag = false;
        benchmark::DoNotOptimize(EvaluateFunctionN(3, expr, names, values));
    }
}

void BM_CompiledFunctionN(benchmark::State& state) {
    VariableNames names{};
    names[1] = 'x', names[2] = 'y', names[3] = 'z';
    VariableValues values{};
    values[1] = 0.5, values[2] = 1.5, values[3] = -2;
    const CompiledFunctionN f(3, ExpressionText("(x-1)^2+(y-2)^2+sin(z)*x*y"), names);
    for (auto _ : state) {
        ErrorFlag = false;
        benchmark::DoNotOptimize(f(values));
    }
}

void BM_EvaluateRational(benchmark::State& state) {
    const ExpressionText expr("1/2+1/3-(5/6*7)/(2+3/4)");
    ExpressionText result;
    for (auto _ : state) {
        EvaluateRational(expr, result);
        benchmark::DoNotOptimize(result);
    }
}

}  // namespace

BENCHMARK_CAPTURE(EvaluateAt, square, "x^2+1");
BENCHMARK_CAPTURE(EvaluateAt, square_sine, "x^2*sin(x)+1");
BENCHMARK_CAPTURE(EvaluateAt, root_exp, "sqrt(1+x^2)*exp(-x/2)");
BENCHMARK_CAPTURE(EvaluateAt, ln_atan, "ln(x)/x+atan(x)^2");
BENCHMARK_CAPTURE(EvaluateAt, quotient, "(x^3-2*x+1)/(x^2+1)");
BENCHMARK_CAPTURE(EvaluateAt, long_220, LongText);
BENCHMARK_CAPTURE(CompiledAt, square, "x^2+1");
BENCHMARK_CAPTURE(CompiledAt, square_sine, "x^2*sin(x)+1");
BENCHMARK_CAPTURE(CompiledAt, root_exp, "sqrt(1+x^2)*exp(-x/2)");
BENCHMARK_CAPTURE(CompiledAt, ln_atan, "ln(x)/x+atan(x)^2");
BENCHMARK_CAPTURE(CompiledAt, quotient, "(x^3-2*x+1)/(x^2+1)");
BENCHMARK_CAPTURE(CompiledAt, long_220, LongText);
BENCHMARK(BM_Compile220);
BENCHMARK(BM_Simpson21);
BENCHMARK(BM_Simpson21Compiled);
BENCHMARK(BM_SimpsonIntegral21);
BENCHMARK(BM_EvaluateFunctionN);
BENCHMARK(BM_CompiledFunctionN);
BENCHMARK(BM_EvaluateRational);

BENCHMARK_MAIN();
