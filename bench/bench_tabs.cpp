// Timings of the Differentiation and FaktorReduktion tabs end to end: the
// handler run as the window runs it on leaving f(x), text in to checked,
// shown result out, with the log lines going to a host that drops them.
#include <benchmark/benchmark.h>

#include <string>

#include "Form.h"
#include "Handlers.h"
#include "Host.h"

namespace {

class QuietHost : public Host {
public:
    void AddLogLine(std::string_view) override {}
    bool ErrorBox(std::string_view, bool) override { return false; }
};

const char* const Functions[] = {"x^3*sin(x)", "ln(x^2+1)", "exp(-x^2/2)", "(x^2-1)/(x+1)", "sqrt(1-x^2)"};
const char* const Reductions[] = {
    "2.5*x^7-0.75*x^6+3*x^5-1.125*x^4+0.5*x^3*x-4*x^2+x*x*0.25+7.5*x-3.25+1.5*x^2*x^3-0.625*x+2*x^4-x+5*x",
    "x^2*sin(x)+2.5*cos(2*x)-ln(x^2+1)/(x+1)+exp(-0.5*x^2)*3+sqrt(x)*x^3-0.25*atan(x)+x/(1+x)-1.75*x+25*x",
    "(x^2-1)/(x+1)", "2*x+3*x-x", "x^3*x^2/x"};

void BM_DifferentiationTab(benchmark::State& state, const char* f) {
    QuietHost host;
    SetHost(&host);
    Form form;
    for (auto _ : state) {
        form.LogMemo.clear();
        form.Differentiation.fx_Edit.text = f;
        RunHandler(form, fx_EditExit);
        benchmark::DoNotOptimize(form.Differentiation.df_dx_Edit.text);
    }
    state.SetLabel(form.Differentiation.df_dx_Edit.text);
    SetHost(nullptr);
}

void BM_FaktorReduktionTab(benchmark::State& state, const char* f) {
    QuietHost host;
    SetHost(&host);
    Form form;
    for (auto _ : state) {
        form.LogMemo.clear();
        form.FaktorReduktion.Factor_fxEdit.text = f;
        RunHandler(form, Factor_fxEditExit);
        benchmark::DoNotOptimize(form.FaktorReduktion.ReduceretFxEdit.text);
    }
    state.SetLabel(form.FaktorReduktion.ReduceretFxEdit.text);
    SetHost(nullptr);
}

}  // namespace

int main(int argc, char** argv) {
    for (const char* f : Functions)
        benchmark::RegisterBenchmark((std::string("DifferentiationTab/") + f).c_str(), BM_DifferentiationTab, f);
    for (const char* f : Reductions) {
        std::string name(f);
        if (name.size() > 24) name = name.substr(0, 21) + "...";
        benchmark::RegisterBenchmark(("FaktorReduktionTab/" + name).c_str(), BM_FaktorReduktionTab, f);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
