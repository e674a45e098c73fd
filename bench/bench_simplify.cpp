// Timings of a derivative as the differentiation tab produces it (decimals to
// fractions, reduction, differentiation, then the tidying passes again), of
// the raw differentiation, and of the two simplification passes on 100-character texts.
#include <benchmark/benchmark.h>

#include <string>

#include "Canonical.h"
#include "Differentiate.h"
#include "Fractions.h"
#include "Host.h"
#include "Reduce.h"

namespace {

const char* const Functions[] = {"x^3*sin(x)", "ln(x^2+1)", "exp(-x^2/2)", "(x^2-1)/(x+1)", "sqrt(1-x^2)"};

constexpr const char* Polynomial100 =
    "2.5*x^7-0.75*x^6+3*x^5-1.125*x^4+0.5*x^3*x-4*x^2+x*x*0.25+7.5*x-3.25+1.5*x^2*x^3-0.625*x+2*x^4-x+5*x";
constexpr const char* Functions100 =
    "x^2*sin(x)+2.5*cos(2*x)-ln(x^2+1)/(x+1)+exp(-0.5*x^2)*3+sqrt(x)*x^3-0.25*atan(x)+x/(1+x)-1.75*x+25*x";
static_assert(std::char_traits<char>::length(Polynomial100) == 100);
static_assert(std::char_traits<char>::length(Functions100) == 100);

// The differentiation tab's chain on f.
ExpressionText DifferentiateAndTidy(const ExpressionText& f) {
    ExpressionText t;
    DecimalsToFractions(f, t);
    t = ReduceExpression(t);
    t = DifferentiateExpression(t);
    ExpressionText u;
    DecimalsToFractions(t, u);
    u = ReduceExpression(u);
    DecimalsToFractions(u, t);
    return t;
}

void BM_DifferentiateAndTidy(benchmark::State& state, const char* text) {
    const ExpressionText f(text);
    ExpressionText result;
    for (auto _ : state) {
        ErrorFlag = false;
        result = DifferentiateAndTidy(f);
        benchmark::DoNotOptimize(result);
    }
    if (ErrorFlag) state.SkipWithError("differentiation failed");
    state.SetLabel(result.Str());
}

// The tab's chain as it is now: the tidied derivative in its teacher form.
void BM_DifferentiateAndTeacherForm(benchmark::State& state, const char* text) {
    const ExpressionText f(text);
    ExpressionText result;
    for (auto _ : state) {
        ErrorFlag = false;
        result = TeacherForm(DifferentiateAndTidy(f));
        benchmark::DoNotOptimize(result);
    }
    state.SetLabel(result.Str());
}

// The FaktorReduktion chain without and with the teacher form of the result.
ExpressionText Reduce(const ExpressionText& f) {
    ExpressionText t;
    DecimalsToFractions(f, t);
    return ReduceExpression(t);
}

void BM_Reduction(benchmark::State& state, const char* text) {
    const ExpressionText f(text);
    for (auto _ : state) {
        ErrorFlag = false;
        benchmark::DoNotOptimize(Reduce(f));
    }
}

void BM_ReductionAndTeacherForm(benchmark::State& state, const char* text) {
    const ExpressionText f(text);
    ExpressionText result;
    for (auto _ : state) {
        ErrorFlag = false;
        result = TeacherForm(Reduce(f));
        benchmark::DoNotOptimize(result);
    }
    state.SetLabel(result.Str());
}

void BM_DifferentiateExpression(benchmark::State& state, const char* text) {
    const ExpressionText f(text);
    for (auto _ : state) {
        ErrorFlag = false;
        benchmark::DoNotOptimize(DifferentiateExpression(f));
    }
}

void BM_ReduceExpression(benchmark::State& state, const char* text) {
    const ExpressionText f(text);
    for (auto _ : state) {
        ErrorFlag = false;
        benchmark::DoNotOptimize(ReduceExpression(f));
    }
}

void BM_DecimalsToFractions(benchmark::State& state, const char* text) {
    const ExpressionText f(text);
    ExpressionText result;
    for (auto _ : state) {
        ErrorFlag = false;
        DecimalsToFractions(f, result);
        benchmark::DoNotOptimize(result);
    }
}

}  // namespace

int main(int argc, char** argv) {
    for (const char* f : Functions) {
        benchmark::RegisterBenchmark((std::string("DifferentiateAndTidy/") + f).c_str(), BM_DifferentiateAndTidy, f);
        benchmark::RegisterBenchmark((std::string("DifferentiateAndTeacherForm/") + f).c_str(),
                                     BM_DifferentiateAndTeacherForm, f);
        benchmark::RegisterBenchmark((std::string("DifferentiateExpression/") + f).c_str(), BM_DifferentiateExpression, f);
    }
    for (const char* f : {Polynomial100, Functions100}) {
        const std::string name = f == Polynomial100 ? "polynomial100" : "functions100";
        benchmark::RegisterBenchmark(("ReduceExpression/" + name).c_str(), BM_ReduceExpression, f);
        benchmark::RegisterBenchmark(("DecimalsToFractions/" + name).c_str(), BM_DecimalsToFractions, f);
        benchmark::RegisterBenchmark(("Reduction/" + name).c_str(), BM_Reduction, f);
        benchmark::RegisterBenchmark(("ReductionAndTeacherForm/" + name).c_str(), BM_ReductionAndTeacherForm, f);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
