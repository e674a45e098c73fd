// kvadrix-cli: the batch front end. Fills a tab's input fields from the
// arguments, leaves each field in turn (running its exit handler through the
// same form model as the window) and prints the tab's output fields.
#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "Cp1252.h"
#include "Form.h"
#include "Handlers.h"
#include "Host.h"

namespace {

struct Subcommand {
    const char* name;
    const char* usage;
    int required;                         // leading inputs that must be given
    std::vector<const char*> inputs;      // fields filled from the arguments, in order
    std::vector<const char*> outputs;     // fields printed as "Caption = text"
};

const std::vector<Subcommand> Subcommands = {
    {"integrate", "integrate F [LOWER UPPER]  F(x) og bestemt integral (fanen Integration)", 1,
     {"fxEdit", "NedreGraenseEdit", "OevreGraenseEdit"}, {"StamfunktionEdit", "BestemtIntegralEdit"}},
    {"value", "value F X0          f(x0) (fanen y=f(x))", 2, {"f_x_Edit", "x0Edit"}, {"f_x0_Edit"}},
    {"diff", "diff F [X0]         f'(x) og f(x0) (fanen Differentiation)", 1, {"fx_Edit", "x_Edit"},
     {"df_dx_Edit", "f_value_Edit"}},
    {"reduce", "reduce F            reduceret f(x) (fanen FaktorReduktion)", 1, {"Factor_fxEdit"},
     {"ReduceretFxEdit"}},
    {"roots", "roots P             rødder og faktoriseret p(x) (fanen Polynomier)", 1, {"px_Edit"},
     {"RoedderEdit", "pxfak_Edit"}},
    {"divide", "divide P D          q(x) og r(x) for p(x)/d(x) (fanen Polynomier)", 2, {"DividendEdit", "DivisorEdit"},
     {"KvotientEdit", "RestEdit"}},
    {"fraction", "fraction F          reduceret p(x)/q(x) (fanen Polynomier)", 1, {"PolBroekEdit"},
     {"ReduceretPolBroekEdit"}},
};

class CliHost : public Host {
public:
    CliHost(Form& form, bool ignore) : form_(form), ignore_(ignore) {}
    void AddLogLine(std::string_view line) override { AppendLog(form_, line); }
    bool ErrorBox(std::string_view message, bool withIgnore) override {
        ++boxes;
        std::string text(message);
        // The boxes put the expression on its own line after LF CR.
        for (std::size_t p; (p = text.find("\n\r")) != std::string::npos;) text.replace(p, 2, "\n");
        std::cerr << "Fejl: " << Cp1252ToUtf8(text) << "\n";
        return withIgnore && ignore_;
    }
    int boxes = 0;

private:
    Form& form_;
    bool ignore_;
};

int Usage(const char* problem) {
    if (problem) std::cerr << "kvadrix-cli: " << problem << "\n";
    std::cerr << "Brug: kvadrix-cli [--log] [--ignore] [--] KOMMANDO FELTER...\n";
    for (const auto& s : Subcommands) std::cerr << "  " << s.usage << "\n";
    std::cerr << "  --log     skriv loggen efter \"--- Log ---\"\n"
                 "  --ignore  svar Ignorer på fejlbokse\n";
    return 2;
}

std::string Caption(Form& form, const ControlInfo& info) {
    std::string caption = info.label ? form.Find(info.label)->text : info.name;
    while (!caption.empty() && (caption.back() == '=' || caption.back() == ' ')) caption.pop_back();
    return caption;
}

}  // namespace

int main(int argc, char** argv) {
    bool log = false, ignore = false, optionsDone = false;
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        std::string_view a = argv[i];
        if (!optionsDone && a == "--") {
            optionsDone = true;
        } else if (!optionsDone && a == "--log") {
            log = true;
        } else if (!optionsDone && a == "--ignore") {
            ignore = true;
        } else if (!optionsDone && (a == "--help" || a == "-h")) {
            return Usage(nullptr);
        } else if (!optionsDone && a.size() > 2 && a.substr(0, 2) == "--") {
            return Usage(("ukendt tilvalg " + std::string(a)).c_str());
        } else {
            args.emplace_back(a);
        }
    }
    if (args.empty()) return Usage("ingen kommando");
    const Subcommand* command = nullptr;
    for (const auto& s : Subcommands)
        if (args[0] == s.name) command = &s;
    if (!command) return Usage(("ukendt kommando " + args[0]).c_str());
    std::size_t given = args.size() - 1;
    if (given < static_cast<std::size_t>(command->required) || given > command->inputs.size())
        return Usage(("forkert antal felter til " + args[0]).c_str());

    Form form;
    CliHost host(form, ignore);
    SetHost(&host);
    FormActivate(form);
    for (std::size_t i = 0; i < given; ++i) {
        const char* field = command->inputs[i];
        form.Find(field)->text = Utf8ToCp1252(args[i + 1]);
        if (const EventInfo* events = FindEvents(field)) RunHandler(form, events->exit);
    }
    for (const char* field : command->outputs) {
        const ControlInfo* info = FindControl(field);
        std::cout << Cp1252ToUtf8(Caption(form, *info)) << " = " << Cp1252ToUtf8(form.Find(field)->text) << "\n";
    }
    if (log) {
        std::cout << "--- Log ---\n";
        for (const auto& line : form.LogMemo) std::cout << Cp1252ToUtf8(line) << "\n";
    }
    SetHost(nullptr);
    return host.boxes > 0 || form.FaultCount > 0 ? 1 : 0;
}
