// Timings of the expression tree on 100-character texts: reading, printing,
// the canonical form, and the whole teacher form of a shown result.
#include <benchmark/benchmark.h>

#include <string>

#include "Canonical.h"

namespace {

struct Text100 {
    const char* name;
    const char* text;
};
constexpr Text100 Texts[] = {
    {"polynomial100",
     "2.5*x^7-0.75*x^6+3*x^5-1.125*x^4+0.5*x^3*x-4*x^2+x*x*0.25+7.5*x-3.25+1.5*x^2*x^3-0.625*x+2*x^4-x+5*x"},
    {"functions100",
     "x^2*sin(x)+2.5*cos(2*x)-ln(x^2+1)/(x+1)+exp(-0.5*x^2)*3+sqrt(x)*x^3-0.25*atan(x)+x/(1+x)-1.75*x+25*x"},
    {"brackets100",
     "(x+1)*(x-1)*2-(x^2-1)*2+sqrt(8)*x*ln(e)+e^(2*x)*x*x^2-(3*x+4)/(x+1)+1*x^2+0*x+(x^2)^3/x-sqrt(4)*x+10"},
};
static_assert(std::char_traits<char>::length(Texts[0].text) == 100);
static_assert(std::char_traits<char>::length(Texts[1].text) == 100);
static_assert(std::char_traits<char>::length(Texts[2].text) == 100);

void BM_ParseTree(benchmark::State& state, const char* text) {
    const ExpressionText t(text);
    for (auto _ : state) benchmark::DoNotOptimize(ParseTree(t));
}

void BM_PrintTree(benchmark::State& state, const char* text) {
    const Tree t = ParseTree(ExpressionText(text));
    for (auto _ : state) benchmark::DoNotOptimize(PrintTree(t));
}

void BM_Canonical(benchmark::State& state, const char* text) {
    const Tree t = ParseTree(ExpressionText(text));
    for (auto _ : state) benchmark::DoNotOptimize(Canonical(t));
}

void BM_TeacherForm(benchmark::State& state, const char* text) {
    const ExpressionText t(text);
    ExpressionText result;
    for (auto _ : state) {
        result = TeacherForm(t);
        benchmark::DoNotOptimize(result);
    }
    state.SetLabel(result.Str());
}

}  // namespace

int main(int argc, char** argv) {
    for (const Text100& t : Texts) {
        const std::string name = t.name;
        benchmark::RegisterBenchmark(("ParseTree/" + name).c_str(), BM_ParseTree, t.text);
        benchmark::RegisterBenchmark(("PrintTree/" + name).c_str(), BM_PrintTree, t.text);
        benchmark::RegisterBenchmark(("Canonical/" + name).c_str(), BM_Canonical, t.text);
        benchmark::RegisterBenchmark(("TeacherForm/" + name).c_str(), BM_TeacherForm, t.text);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
