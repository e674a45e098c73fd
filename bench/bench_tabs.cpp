// Timings of the Differentiation and FaktorReduktion tabs end to end: the
// handler run as the window runs it on leaving f(x), text in to checked,
// shown result out, with the log lines going to a host that drops them.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
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

// A tab as the benchmark drives it: the field typed in, the result field and
// the handler that runs on leaving the field.
struct Tab {
    Control& (*input)(Form&);
    Control& (*output)(Form&);
    void (*handler)(Form&);
};
const Tab Differentiation{[](Form& f) -> Control& { return f.Differentiation.fx_Edit; },
                          [](Form& f) -> Control& { return f.Differentiation.df_dx_Edit; }, fx_EditExit};
const Tab FaktorReduktion{[](Form& f) -> Control& { return f.FaktorReduktion.Factor_fxEdit; },
                          [](Form& f) -> Control& { return f.FaktorReduktion.ReduceretFxEdit; }, Factor_fxEditExit};

void BM_Tab(benchmark::State& state, const Tab* tab, const char* f) {
    QuietHost host;
    SetHost(&host);
    Form form;
    for (auto _ : state) {
        form.LogMemo.clear();
        tab->input(form).text = f;
        RunHandler(form, tab->handler);
        benchmark::DoNotOptimize(tab->output(form).text);
    }
    state.SetLabel(tab->output(form).text);
    SetHost(nullptr);
}

// bench_tabs --repeat differentiation|reduction TEXT N: the handler N times
// and nothing else, for an instruction count under callgrind (see
// tab_instructions.sh), which the shared machine's load does not blur.
int Repeat(const std::string& tab, const char* text, int n) {
    const Tab* t = tab == "differentiation" ? &Differentiation : tab == "reduction" ? &FaktorReduktion : nullptr;
    if (!t) return 2;
    QuietHost host;
    SetHost(&host);
    Form form;
    for (int i = 0; i < n; ++i) {
        form.LogMemo.clear();
        t->input(form).text = text;
        RunHandler(form, t->handler);
    }
    std::printf("%s\n", t->output(form).text.c_str());
    SetHost(nullptr);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 5 && std::string(argv[1]) == "--repeat") return Repeat(argv[2], argv[3], std::atoi(argv[4]));
    for (const char* f : Functions)
        benchmark::RegisterBenchmark((std::string("DifferentiationTab/") + f).c_str(), BM_Tab, &Differentiation, f);
    for (const char* f : Reductions) {
        std::string name(f);
        if (name.size() > 24) name = name.substr(0, 21) + "...";
        benchmark::RegisterBenchmark(("FaktorReduktionTab/" + name).c_str(), BM_Tab, &FaktorReduktion, f);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
